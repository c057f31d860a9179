// CWnd::Default(): the framework's own processing of the message being handled, for a handler that
// wants it (the main dialog paints normally unless it is minimised).
#pragma once

#include "platform/win32/types.h"

#include <functional>

namespace vexor::ui {

// While an instance lives, Default() runs its action (once: a second call returns 0).
class DefaultAction {
  public:
    explicit DefaultAction(std::function<LRESULT()> action);
    ~DefaultAction();
    DefaultAction(const DefaultAction&) = delete;
    DefaultAction& operator=(const DefaultAction&) = delete;

    static LRESULT runCurrent();

  private:
    std::function<LRESULT()> m_action;
    DefaultAction* m_outer;
};

} // namespace vexor::ui
