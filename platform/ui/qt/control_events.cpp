#include "platform/ui/qt/control_events.h"

#include "platform/ui/qt/dialog_window.h"
#include "platform/ui/qt/mnemonic.h"
#include "platform/ui/qt/virtual_keys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace vexor::ui::qt {

namespace {
LPARAM pointParam(QPoint p) {
    return static_cast<LPARAM>((static_cast<DWORD>(p.y() & 0xFFFF) << 16) | static_cast<DWORD>(p.x() & 0xFFFF));
}

bool deliver(ControlRecord& control, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    return control.object()->OnWndMsg(message, wParam, lParam, &result) != FALSE;
}

bool isTabKey(const QKeyEvent& event) {
    return (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// Windows lets a plain letter work as a mnemonic while a button has the focus, since a button
// wants no characters of its own.
bool isButtonLetter(const QKeyEvent& event, const ControlRecord* focused) {
    return focused && (focused->isPushButton() || focused->isCheckBox()) &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
           !keyCharacter(event.key()).isNull() && event.key() != Qt::Key_Space;
}
} // namespace

bool isMnemonicKey(const QKeyEvent& event) {
    return (event.modifiers() & Qt::AltModifier) && !(event.modifiers() & Qt::ControlModifier) &&
           !keyCharacter(event.key()).isNull();
}

bool handleDialogKey(DialogWindow& dialog, const QKeyEvent& event, const ControlRecord* focused) {
    if (isTabKey(event)) {
        const bool backwards = event.key() == Qt::Key_Backtab || (event.modifiers() & Qt::ShiftModifier);
        dialog.moveFocus(!backwards);
        return true;
    }
    // Alt+letter is the dialog's alone: with no enabled control to go to nothing happens, and the
    // letter is never typed into the focused field.
    if (isMnemonicKey(event)) {
        dialog.triggerMnemonic(keyCharacter(event.key()));
        return true;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        dialog.pressEnter();
        return true;
    case Qt::Key_Escape:
        dialog.pressEscape();
        return true;
    default:
        return isButtonLetter(event, focused) && dialog.triggerMnemonic(keyCharacter(event.key()));
    }
}

void ControlEvents::watch(QWidget* control) {
    control->installEventFilter(this);
    for (QWidget* part : control->findChildren<QWidget*>()) {
        bool inPopup = false;
        for (QWidget* w = part; w && w != control; w = w->parentWidget())
            inPopup = inPopup || w->isWindow();
        if (!inPopup)
            part->installEventFilter(this);
    }
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    ControlRecord* control = m_dialog.controlOf(widget);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (!isMnemonicKey(*static_cast<QKeyEvent*>(event)))
            return false;
        event->accept();
        return true;
    case QEvent::KeyPress: {
        // Keys come to the control's own widget (a combo box's edit part has it as focus proxy); a
        // key its parts pass on reaches that widget too, and must be seen only there.
        if (widget != widgetOf(*control))
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (handleDialogKey(m_dialog, key, control))
            return true;
        const UINT vk = virtualKeyOf(key.key());
        return vk && deliver(*control, WM_KEYDOWN, vk, 0);
    }
    case QEvent::KeyRelease: {
        if (widget != widgetOf(*control))
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        const UINT vk = virtualKeyOf(key.key());
        return vk && !key.isAutoRepeat() && deliver(*control, WM_KEYUP, vk, 0);
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        const auto& mouse = *static_cast<QMouseEvent*>(event);
        if (mouse.button() != Qt::LeftButton || !widgetOf(*control)->isEnabled())
            return false;
        const QPoint at = widget->mapTo(widgetOf(*control), mouse.position().toPoint());
        const bool down = event->type() == QEvent::MouseButtonPress;
        return deliver(*control, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, down ? 0x0001 : 0, pointParam(at));
    }
    default:
        return false;
    }
}

} // namespace vexor::ui::qt
