// What reaches a control before the control acts: the dialog manager's keys (Tab, Enter, Escape,
// mnemonics), then the control object's OnWndMsg for key and left-button messages, so that a class
// derived from a control can tell the user's changes from the program's.
#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace vexor::ui {
struct ControlRecord;
}

namespace vexor::ui::qt {

class DialogWindow;

// Alt with a character key and without Ctrl: a mnemonic, whether or not a control has it.
bool isMnemonicKey(const QKeyEvent& event);

// Runs the dialog manager's part of a key press. TRUE when the key was the dialog's, so the focused
// control must not see it.
bool handleDialogKey(DialogWindow& dialog, const QKeyEvent& event, const ControlRecord* focused);

class ControlEvents : public QObject {
  public:
    explicit ControlEvents(DialogWindow& dialog) : m_dialog(dialog) {}

    // Watches the control's widget and the widgets it is made of (a combo box's edit part, a list
    // view's viewport); popups it opens are windows of their own and are left alone.
    void watch(QWidget* control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    DialogWindow& m_dialog;
};

} // namespace vexor::ui::qt
