#include "platform/ui/qt/modal_hook.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace vexor::ui::qt {

namespace {
ModalHook& hook() {
    static ModalHook h;
    return h;
}
} // namespace

// Offscreen and under a bare X server nothing activates a window for us; keyboard input would then
// reach no widget.
void makeActive(QWidget* window) {
    window->activateWindow();
    if (!window->isActiveWindow())
        QApplication::setActiveWindow(window);
}

ModalHook setModalHook(ModalHook h) { return std::exchange(hook(), std::move(h)); }

void announceModal(ModalInfo info) {
    if (!hook())
        return;
    QWidget* window = info.window;
    // A zero timer fires from inside the loop that is about to start, after the window is shown.
    QTimer::singleShot(0, window, [info = std::move(info)] {
        if (!info.isOpen())
            return;
        makeActive(info.window);
        ModalHook current = hook(); // the hook may replace itself while it runs
        if (current)
            current(info);
    });
}

} // namespace vexor::ui::qt
