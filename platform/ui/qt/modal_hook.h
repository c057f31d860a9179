// A look at every modal window once it runs its loop, so that tests (and the gallery) can act on
// dialogs and message boxes the way a user would, without waiting for them.
#pragma once

#include "platform/win32/types.h"

#include <functional>
#include <string>

class QWidget;
class CDialog;

namespace vexor::ui::qt {

struct ModalInfo {
    enum class Kind { Dialog, MessageBox };
    Kind kind;
    QWidget* window;
    CDialog* dialog;      // Kind::Dialog; nullptr for message boxes
    int templateId;       // Kind::Dialog; 0 for message boxes
    std::string caption;  // UTF-8
    std::string text;     // the message box's text; "" for dialogs
    UINT type;            // the message box's type; 0 for dialogs
    std::function<bool()> isOpen;
    std::function<void()> abort; // ends it as cancelling would, without any user input
};

using ModalHook = std::function<void(const ModalInfo&)>;

// Called once for each modal window, from inside its own loop, when the window is shown and active.
// Returns the hook it replaces; an empty hook turns the look off.
ModalHook setModalHook(ModalHook hook);

// Activates a window now, also where no window manager would (offscreen, a bare X server).
void makeActive(QWidget* window);

// The backend's side: schedules the hook for a window that is about to enter its loop.
void announceModal(ModalInfo info);

} // namespace vexor::ui::qt
