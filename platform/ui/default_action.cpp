#include "platform/ui/default_action.h"

#include <utility>

namespace vexor::ui {

namespace {
DefaultAction* g_current = nullptr;
}

DefaultAction::DefaultAction(std::function<LRESULT()> action) : m_action(std::move(action)), m_outer(g_current) {
    g_current = this;
}

DefaultAction::~DefaultAction() { g_current = m_outer; }

LRESULT DefaultAction::runCurrent() {
    if (!g_current || !g_current->m_action)
        return 0;
    auto action = std::exchange(g_current->m_action, nullptr);
    return action();
}

} // namespace vexor::ui
