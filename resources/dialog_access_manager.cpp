// Template 102: the main dialog, the program's own window (hence WS_VISIBLE and a task-bar button).
#include "resources/resource.h"
#include "resources/templates.h"

namespace vexor::res {
namespace {

using enum ControlClass;

const ControlTemplate aControls[] = {
    {IDOK, Button, "&Schließen", 206, 199, 54, 14, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP, 0, 0},
    {-1, Static, "", 15, 5, 21, 20, WS_CHILD | WS_VISIBLE | SS_ICON, 0, IDI_USERS},
    {-1, Static, "Auf dem Computer verwaltete Benutzer:", 16, 50, 131, 8,
     WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
    {IDC_USERLIST, ListView, "", 16, 59, 230, 103,
     WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_ALIGNLEFT | WS_BORDER |
         WS_TABSTOP,
     0, 0},
    {IDC_ADD, Button, "&Hinzufügen", 73, 166, 55, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0},
    {IDC_DELETE, Button, "&Löschen", 132, 166, 55, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0},
    {IDC_SETPASSWORD, Button, "Kennwor&t", 191, 166, 55, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0},
    {-1, Static,
     "Verwalten Sie hier die Benutzerkonten, die auf Vexor IDE zurückgreifen dürfen und legen Sie "
     "Zugriffsrechte für die einzelnen Benutzer fest.",
     44, 5, 211, 24, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
    {IDC_PROTECT, Button, "Vexor IDE durch Benutzername und Kennwort sichern", 16, 35, 235, 10,
     WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 0},
    // Never shown: the access-rights command is not offered yet, but the dialog still enables and
    // disables the button with the others.
    {IDC_ACCESSRIGHTS, Button, "Zugriffsrechte", 5, 199, 65, 14, WS_CHILD | WS_TABSTOP | WS_DISABLED, 0, 0},
};

} // namespace

constinit const DialogTemplate g_dlgAccessManager{
    IDD_ACCESSMANAGER,
    "Vexor IDE Zugriffsrechtverwaltung",
    265,
    218,
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
    WS_EX_APPWINDOW,
    g_szDialogFont,
    g_nDialogFontPoints,
    aControls,
};

} // namespace vexor::res
