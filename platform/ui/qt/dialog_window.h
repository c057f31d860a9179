// The Qt window of a CDialog while it runs: its controls in template order, and the dialog manager's
// keyboard rules (tab order, Enter, Escape, mnemonics) and notifications.
#pragma once

#include "platform/ui/afx.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace vexor::res {
struct DialogTemplate;
struct ControlTemplate;
}

namespace vexor::ui::qt {

class ControlEvents;

struct ControlRecord {
    const res::ControlTemplate* tpl = nullptr;
    QWidget* widget = nullptr;
    std::unique_ptr<CWnd> own; // the framework's object of the control's class
    CWnd* bound = nullptr;     // the member that DDX_Control bound, if any

    CWnd* object() const { return bound ? bound : own.get(); }
    int id() const;
    bool isPushButton() const;
    bool isCheckBox() const;
    bool isDefaultButton() const;
    bool isEdit() const;
    bool isStaticLike() const; // statics and group boxes: never take the focus
    bool canTakeTabFocus() const; // WS_TABSTOP, enabled and not hidden
};

class DialogWindow : public QDialog {
  public:
    DialogWindow(CDialog& owner, CWnd* parentWnd, const res::DialogTemplate& tpl, QWidget* parent);
    ~DialogWindow() override;

    static DialogWindow* fromWidget(QWidget* widget);     // the dialog itself, else nullptr
    static DialogWindow* containing(const QWidget* widget); // the dialog a widget lives in
    static DialogWindow* topmost();                       // the newest open dialog
    // The control whose own widget this is, in any open dialog; compares pointers only, so it is
    // safe with a handle whose widget is gone.
    static ControlRecord* recordOf(const QWidget* controlWidget);

    CDialog& owner() const { return m_owner; }
    CWnd* parentWnd() const { return m_parentWnd; }
    const res::DialogTemplate& dialogTemplate() const { return m_tpl; }
    std::vector<ControlRecord>& controls() { return m_controls; }

    ControlRecord* controlById(int id);
    ControlRecord* controlOf(const QWidget* widget); // the control the widget is part of

    // WM_COMMAND with a notification code from control id to the dialog's message map.
    void sendCommand(UINT code, int id);

    void focusFirstTabStop();
    void moveFocus(bool forward);
    void pressEnter();
    void pressEscape();
    bool triggerMnemonic(QChar key); // FALSE when no control has it

    // EndDialog; before the loop runs it makes DoModal return at once.
    void endModal(int result);
    int runModal();
    bool isPainting() const { return m_painting; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  public:
    void reject() override;

  private:
    void createControls();
    void clickButton(ControlRecord& control);
    int indexOf(const ControlRecord* control) const;

    CDialog& m_owner;
    CWnd* m_parentWnd;
    const res::DialogTemplate& m_tpl;
    std::vector<ControlRecord> m_controls;
    std::unique_ptr<ControlEvents> m_events;
    int m_result = IDCANCEL;
    bool m_ended = false;
    bool m_inLoop = false;
    bool m_painting = false;
    bool m_closing = false;
};

} // namespace vexor::ui::qt
