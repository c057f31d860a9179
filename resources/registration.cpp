// What the program hands to the framework: its dialog templates, icons and strings.
#include "resources/resource.h"
#include "resources/resources.h"
#include "resources/templates.h"

namespace vexor::res {

const ui::ProgramResources& programResources() {
    static const DialogTemplate* const aDialogs[] = {
        &g_dlgAccessManager, &g_dlgAddUser,     &g_dlgAccessRights,
        &g_dlgAddAdmin,      &g_dlgSetPassword, &g_dlgAdminLogin,
    };
    static const ui::ProgramResources resources{aDialogs, programIcons(), IDR_MAINFRAME};
    return resources;
}

void registerProgramResources() {
    ui::registerResources(programResources());
#ifndef _WIN32
    // Windows' LoadStringA reads the same entries from the .rc.
    strings::setTable(stringTable());
#endif
}

} // namespace vexor::res
