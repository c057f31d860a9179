// Resource and control ids of the program: their one definition, as plain macros so that the C++ code
// and the Windows .rc can both include them. Control ids are unique within a dialog, not across
// dialogs: 1006 and 1007 name different controls in different dialogs, so a control's name says which
// dialog it belongs to wherever the same meaning would otherwise get two numbers.
#pragma once

// Dialog templates
#define IDD_ACCESSMANAGER 102 // the main dialog
#define IDD_ADDUSER 130
#define IDD_ACCESSRIGHTS 131
#define IDD_ADDADMIN 134 // choosing the administrator password
#define IDD_SETPASSWORD 136
#define IDD_ADMINLOGIN 137

// Icons
#define IDR_MAINFRAME 128 // the program icon
#define IDI_PADLOCK 135
#define IDI_USERS 138 // top left of the main dialog

// String table
#define IDS_PROTECT_SWITCH 133
#define IDS_SETPASSWORD_CAPTION 134 // printf format with one %s: the user name

// Controls of the main dialog
#define IDC_USERLIST 1001
#define IDC_ADD 1002
#define IDC_DELETE 1003
#define IDC_PROTECT 1005
#define IDC_ACCESSRIGHTS 1006 // created hidden and disabled
#define IDC_SETPASSWORD 1007

// Controls of the entry dialogs
#define IDC_PASSWORD 1007 // add user, administrator setup
#define IDC_REPEAT 1008   // add user, administrator setup
#define IDC_USERNAME 1011 // add user: the editable combo box
#define IDC_NEEDS_PASSWORD 1012
#define IDC_ADMINNAME 1013 // read-only
#define IDC_NEW_PASSWORD 1014
#define IDC_CONFIRM_PASSWORD 1015
#define IDC_SETPW_NEEDS_PASSWORD 1016
#define IDC_LOGIN_PASSWORD 1017

// Controls of the access-rights dialog
#define IDC_GROUP 1006
#define IDC_RIGHTS 1009
