#include "platform/ui/qt/dialog_window.h"

#include "platform/ui/default_action.h"
#include "platform/ui/qt/accessibility.h"
#include "platform/ui/qt/control_events.h"
#include "platform/ui/qt/control_factory.h"
#include "platform/ui/qt/icons.h"
#include "platform/ui/qt/layer.h"
#include "platform/ui/qt/layout.h"
#include "platform/ui/qt/modal_hook.h"
#include "platform/ui/qt/text.h"
#include "platform/ui/resources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace vexor::ui::qt {

namespace {
Qt::WindowFlags dialogWindowFlags(DWORD style) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}
} // namespace

DialogWindow::DialogWindow(CDialog& owner, const res::DialogTemplate& tpl, QWidget* parent)
    : QDialog(parent, dialogWindowFlags(tpl.style)), DialogControls(owner, tpl) {
    ensureLayer();
    setHandle(toHwnd(this));
    setFont(dialogFont(tpl.fontName, tpl.fontPointSize));
    setWindowTitle(fromProgram(tpl.caption));
    setFixedSize(clientSize(tpl));
    setSizeGripEnabled(false);
    applyProgramIcon(this);
    createControls();
}

// Closed before Qt deletes the widgets, so that nothing they signal on the way reaches the program.
DialogWindow::~DialogWindow() { releaseControls(); }

void DialogWindow::createControls() {
    m_events = std::make_unique<ControlEvents>(*this);
    for (const res::ControlTemplate& tpl : dialogTemplate().controls)
        addControl(tpl, toHwnd(createControlWidget(*this, tpl)));
    for (ControlRecord& control : controls())
        m_events->watch(widgetOf(control));
    // Group boxes are frames drawn behind the controls they surround, whatever their template order.
    for (ControlRecord& control : controls())
        if (control.isStaticLike())
            widgetOf(control)->lower();
    linkLabelsToNextControls(controls());
    nameControlsAfterTheirLabels(controls());
}

DialogWindow* DialogWindow::fromWidget(QWidget* widget) {
    return static_cast<DialogWindow*>(DialogControls::fromHandle(toHwnd(widget)));
}

DialogWindow* DialogWindow::containing(const QWidget* widget) {
    return widget ? fromWidget(widget->window()) : nullptr;
}

DialogWindow* DialogWindow::topmost() { return static_cast<DialogWindow*>(DialogControls::topmost()); }

ControlRecord* DialogWindow::controlOf(const QWidget* widget) {
    for (const QWidget* w = widget; w && w != this; w = w->parentWidget())
        for (ControlRecord& control : controls())
            if (widgetOf(control) == w)
                return &control;
    return nullptr;
}

bool DialogWindow::isEnabled(const ControlRecord& control) const { return widgetOf(control)->isEnabled(); }

bool DialogWindow::isHidden(const ControlRecord& control) const { return widgetOf(control)->isHidden(); }

std::string DialogWindow::textOf(const ControlRecord& control) const {
    return toProgram(widgetText(widgetOf(control)));
}

void DialogWindow::focus(const ControlRecord* control, Qt::FocusReason reason) {
    if (control)
        widgetOf(*control)->setFocus(reason);
}

void DialogWindow::focusFirstTabStop() { focus(nextTabStop(nullptr, true), Qt::TabFocusReason); }

void DialogWindow::moveFocus(bool forward) {
    focus(nextTabStop(controlOf(QApplication::focusWidget()), forward),
          forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void DialogWindow::pressEnter() {
    if (const int id = enterCommand(controlOf(QApplication::focusWidget())))
        sendCommand(BN_CLICKED, id);
}

void DialogWindow::pressEscape() { sendCommand(BN_CLICKED, IDCANCEL); }

void DialogWindow::clickButton(ControlRecord& control) {
    focus(&control, Qt::ShortcutFocusReason);
    if (control.isCheckBox()) {
        // A mnemonic is the user's keyboard toggle, announced the way the space bar's is.
        LRESULT result = 0;
        if (control.object()->OnWndMsg(WM_KEYUP, VK_SPACE, 0, &result))
            return;
    }
    if (auto* button = dynamic_cast<QAbstractButton*>(widgetOf(control)))
        button->click();
}

bool DialogWindow::triggerMnemonic(QChar key) {
    ControlRecord* control = mnemonicTarget(controlOf(QApplication::focusWidget()), key.unicode());
    if (!control)
        return false;
    if (control->isStaticLike())
        focus(labelledControl(*control), Qt::ShortcutFocusReason);
    else if (control->tpl->cls == res::ControlClass::Button)
        clickButton(*control);
    else
        focus(control, Qt::ShortcutFocusReason);
    return true;
}

void DialogWindow::endModal(int result) {
    m_result = result;
    m_ended = true;
    if (m_inLoop)
        done(result);
}

int DialogWindow::runModal() {
    if (m_ended)
        return m_result;
    m_inLoop = true;
    ModalInfo info{ModalInfo::Kind::Dialog,
                   this,
                   &owner(),
                   dialogTemplate().id,
                   toProgram(windowTitle()),
                   {},
                   0,
                   [this] { return !m_ended; },
                   [this] { endModal(IDCANCEL); }};
    announceModal(std::move(info));
    QWidget* previous = QApplication::activeWindow();
    exec();
    m_inLoop = false;
    // As on Windows, the window that was active before gets the activation (and its focus) back.
    if (previous && previous != this)
        makeActive(previous);
    return m_result;
}

bool DialogWindow::event(QEvent* event) {
    // Alt+letter belongs to the dialog's mnemonics, never to Qt's own button shortcuts.
    if (event->type() == QEvent::ShortcutOverride && isMnemonicKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QDialog::event(event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    if (!handleDialogKey(*this, *event, nullptr))
        QWidget::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (closeBoxCancels())
        sendCommand(BN_CLICKED, IDCANCEL);
}

void DialogWindow::reject() { pressEscape(); }

void DialogWindow::paintEvent(QPaintEvent* event) {
    m_painting = true;
    vexor::ui::DefaultAction standard([this, event]() -> LRESULT {
        QDialog::paintEvent(event);
        return 0;
    });
    LRESULT result = 0;
    if (!owner().OnWndMsg(WM_PAINT, 0, 0, &result))
        vexor::ui::DefaultAction::runCurrent();
    m_painting = false;
}

bool DialogWindow::focusNextPrevChild(bool next) {
    moveFocus(next);
    return true;
}

} // namespace vexor::ui::qt
