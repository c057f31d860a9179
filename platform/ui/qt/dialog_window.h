// The Qt window of a CDialog while it runs: a widget for each control, and the keys, focus and
// notifications as Qt delivers them, turned into the dialog manager's rules of DialogControls.
#pragma once

#include "platform/ui/dialog_controls.h"
#include "platform/ui/qt/handles.h"

#include <QDialog>

#include <memory>

namespace vexor::ui::qt {

class ControlEvents;

inline QWidget* widgetOf(const ControlRecord& control) { return toWidget(control.hWnd); }

class DialogWindow : public QDialog, public DialogControls {
  public:
    DialogWindow(CDialog& owner, const res::DialogTemplate& tpl, QWidget* parent);
    ~DialogWindow() override;

    static DialogWindow* fromWidget(QWidget* widget);     // the dialog itself, else nullptr
    static DialogWindow* containing(const QWidget* widget); // the dialog a widget lives in
    static DialogWindow* topmost();                       // the newest open dialog

    ControlRecord* controlOf(const QWidget* widget); // the control the widget is part of

    void focusFirstTabStop();
    void moveFocus(bool forward);
    void pressEnter();
    void pressEscape();
    bool triggerMnemonic(QChar key); // FALSE when no control has it

    void endModal(int result) override;
    int runModal();
    bool isPainting() const { return m_painting; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;

    bool isEnabled(const ControlRecord& control) const override;
    bool isHidden(const ControlRecord& control) const override;
    std::string textOf(const ControlRecord& control) const override;
    char32_t toUpper(char32_t c) const override { return QChar::toUpper(c); }

  public:
    void reject() override;

  private:
    void createControls();
    void clickButton(ControlRecord& control);
    void focus(const ControlRecord* control, Qt::FocusReason reason);

    std::unique_ptr<ControlEvents> m_events;
    int m_result = IDCANCEL;
    bool m_ended = false;
    bool m_inLoop = false;
    bool m_painting = false;
};

} // namespace vexor::ui::qt
