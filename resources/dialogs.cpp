// Looking up the dialog templates by id.
#include "resources/templates.h"

#include <algorithm>

namespace vexor::res {
namespace {

const DialogTemplate* const aDialogs[] = {
    &g_dlgAccessManager, &g_dlgAddUser,     &g_dlgAccessRights,
    &g_dlgAddAdmin,      &g_dlgSetPassword, &g_dlgAdminLogin,
};

} // namespace

std::span<const DialogTemplate* const> allDialogs() {
    return aDialogs;
}

const DialogTemplate* findDialog(int id) {
    const auto it = std::ranges::find(aDialogs, id, &DialogTemplate::id);
    return it == std::end(aDialogs) ? nullptr : *it;
}

} // namespace vexor::res
