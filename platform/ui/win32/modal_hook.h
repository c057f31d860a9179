// A look at every dialog box (the program's dialogs and the system's message boxes alike) once the
// dialog manager shows it, which it does when the modal loop's queue is first empty, so that tests and
// the benchmarks can act on it the way a user would, from inside its own loop and without waiting.
// The Windows side of what qt/modal_hook.h is to the Qt backend.
#pragma once

#include <windows.h>

#include <functional>

namespace vexor::ui::win32 {

using ModalHook = std::function<void(HWND)>;

// Called once for each dialog box as it is shown, from a message its modal loop dispatches. Returns
// the hook it replaces; an empty hook turns the look off.
ModalHook setModalHook(ModalHook hook);

} // namespace vexor::ui::win32
