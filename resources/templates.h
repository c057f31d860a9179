// The dialog templates, one per file, and what they all share. Internal to resources/: the rest of
// the program reaches them through the framework once they are registered.
#pragma once

#include "platform/ui/resources.h"

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

std::span<const Icon> programIcons();

} // namespace vexor::res
