// The dialog templates, one per file, and what they all share. Internal to resources/: the rest of
// the program reaches them through findDialog() and allDialogs().
#pragma once

#include "resources/resources.h"

namespace vexor::res {

// Every dialog of the program uses this font; DS_FIXEDSYS lets Windows map it to the system's
// dialog font, and the Qt backend derives its dialog units from it.
inline constexpr const char* g_szDialogFont = "MS Shell Dlg";
inline constexpr int g_nDialogFontPoints = 8;

extern const DialogTemplate g_dlgAccessManager; // 102
extern const DialogTemplate g_dlgAddUser;       // 130
extern const DialogTemplate g_dlgAccessRights;  // 131
extern const DialogTemplate g_dlgAddAdmin;      // 134
extern const DialogTemplate g_dlgSetPassword;   // 136
extern const DialogTemplate g_dlgAdminLogin;    // 137

} // namespace vexor::res
