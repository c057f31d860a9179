#include "platform/ui/resources.h"

#include <algorithm>

namespace vexor::ui {

namespace {
ProgramResources g_resources;
}

void registerResources(const ProgramResources& resources) {
    g_resources = resources;
}

const res::DialogTemplate* findDialog(int id) {
    const auto it = std::ranges::find_if(g_resources.dialogs,
                                         [id](const res::DialogTemplate* tpl) { return tpl->id == id; });
    return it == g_resources.dialogs.end() ? nullptr : *it;
}

const res::Icon* findIcon(int id) {
    const auto it = std::ranges::find(g_resources.icons, id, &res::Icon::id);
    return it == g_resources.icons.end() ? nullptr : &*it;
}

int programIconId() {
    return g_resources.programIconId;
}

} // namespace vexor::ui
