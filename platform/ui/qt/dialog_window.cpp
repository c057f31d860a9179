#include "platform/ui/qt/dialog_window.h"

#include "platform/ui/qt/accessibility.h"
#include "platform/ui/qt/control_events.h"
#include "platform/ui/qt/control_factory.h"
#include "platform/ui/qt/default_action.h"
#include "platform/ui/qt/handles.h"
#include "platform/ui/qt/icons.h"
#include "platform/ui/qt/layer.h"
#include "platform/ui/qt/layout.h"
#include "platform/ui/qt/mnemonic.h"
#include "platform/ui/qt/modal_hook.h"
#include "platform/ui/qt/text.h"
#include "platform/ui/resources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include <algorithm>

namespace vexor::ui::qt {

namespace {
std::vector<DialogWindow*>& openDialogs() {
    static std::vector<DialogWindow*> dialogs;
    return dialogs;
}

Qt::WindowFlags dialogWindowFlags(DWORD style) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

DWORD buttonType(const ControlRecord& control) { return control.tpl->style & BS_TYPEMASK; }
} // namespace

int ControlRecord::id() const { return tpl->id; }

bool ControlRecord::isPushButton() const {
    return tpl->cls == res::ControlClass::Button &&
           (buttonType(*this) == BS_PUSHBUTTON || buttonType(*this) == BS_DEFPUSHBUTTON);
}

bool ControlRecord::isCheckBox() const {
    return tpl->cls == res::ControlClass::Button &&
           (buttonType(*this) == BS_CHECKBOX || buttonType(*this) == BS_AUTOCHECKBOX);
}

bool ControlRecord::isDefaultButton() const {
    return tpl->cls == res::ControlClass::Button && buttonType(*this) == BS_DEFPUSHBUTTON;
}

bool ControlRecord::isEdit() const { return tpl->cls == res::ControlClass::Edit; }

bool ControlRecord::isStaticLike() const {
    return tpl->cls == res::ControlClass::Static ||
           (tpl->cls == res::ControlClass::Button && buttonType(*this) == BS_GROUPBOX);
}

bool ControlRecord::canTakeTabFocus() const {
    return (tpl->style & WS_TABSTOP) && !isStaticLike() && widget->isEnabled() && !widget->isHidden();
}

DialogWindow::DialogWindow(CDialog& owner, CWnd* parentWnd, const res::DialogTemplate& tpl, QWidget* parent)
    : QDialog(parent, dialogWindowFlags(tpl.style)), m_owner(owner), m_parentWnd(parentWnd), m_tpl(tpl) {
    ensureLayer();
    openDialogs().push_back(this);
    setFont(dialogFont(tpl.fontName, tpl.fontPointSize));
    setWindowTitle(fromProgram(tpl.caption));
    setFixedSize(clientSize(tpl));
    setSizeGripEnabled(false);
    applyProgramIcon(this);
    createControls();
}

DialogWindow::~DialogWindow() {
    m_closing = true;
    // The members bound to controls outlive the window: they must not point at deleted widgets.
    for (ControlRecord& control : m_controls) {
        if (control.bound)
            control.bound->m_hWnd = nullptr;
        control.own->m_hWnd = nullptr;
    }
    auto& dialogs = openDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), this), dialogs.end());
}

void DialogWindow::createControls() {
    m_events = std::make_unique<ControlEvents>(*this);
    m_controls.reserve(m_tpl.controls.size());
    for (const res::ControlTemplate& tpl : m_tpl.controls) {
        ControlRecord& control = m_controls.emplace_back();
        control.tpl = &tpl;
        control.widget = createControlWidget(*this, tpl);
        control.own = frameworkObject(tpl);
        control.own->m_hWnd = toHwnd(control.widget);
    }
    for (ControlRecord& control : m_controls)
        m_events->watch(control.widget);
    // Group boxes are frames drawn behind the controls they surround, whatever their template order.
    for (ControlRecord& control : m_controls)
        if (control.isStaticLike())
            control.widget->lower();
    linkLabelsToNextControls(m_controls);
    nameControlsAfterTheirLabels(m_controls);
}

DialogWindow* DialogWindow::fromWidget(QWidget* widget) {
    for (DialogWindow* dialog : openDialogs())
        if (dialog == widget)
            return dialog;
    return nullptr;
}

DialogWindow* DialogWindow::containing(const QWidget* widget) {
    if (!widget)
        return nullptr;
    for (DialogWindow* dialog : openDialogs())
        if (dialog == widget->window())
            return dialog;
    return nullptr;
}

DialogWindow* DialogWindow::topmost() { return openDialogs().empty() ? nullptr : openDialogs().back(); }

ControlRecord* DialogWindow::recordOf(const QWidget* controlWidget) {
    for (DialogWindow* dialog : openDialogs())
        for (ControlRecord& control : dialog->m_controls)
            if (control.widget == controlWidget)
                return &control;
    return nullptr;
}

ControlRecord* DialogWindow::controlById(int id) {
    for (ControlRecord& control : m_controls)
        if (control.id() == id)
            return &control;
    return nullptr;
}

ControlRecord* DialogWindow::controlOf(const QWidget* widget) {
    for (const QWidget* w = widget; w && w != this; w = w->parentWidget())
        for (ControlRecord& control : m_controls)
            if (control.widget == w)
                return &control;
    return nullptr;
}

int DialogWindow::indexOf(const ControlRecord* control) const {
    return control ? static_cast<int>(control - m_controls.data()) : -1;
}

void DialogWindow::sendCommand(UINT code, int id) {
    if (m_closing)
        return;
    const ControlRecord* control = controlById(id);
    LRESULT result = 0;
    m_owner.OnWndMsg(WM_COMMAND, makeWParam(static_cast<UINT>(id), code),
                     reinterpret_cast<LPARAM>(control ? toHwnd(control->widget) : nullptr), &result);
}

void DialogWindow::focusFirstTabStop() {
    for (ControlRecord& control : m_controls)
        if (control.canTakeTabFocus()) {
            control.widget->setFocus(Qt::TabFocusReason);
            return;
        }
}

void DialogWindow::moveFocus(bool forward) {
    const int count = static_cast<int>(m_controls.size());
    if (count == 0)
        return;
    const int current = indexOf(controlOf(QApplication::focusWidget()));
    int i = current < 0 ? (forward ? -1 : count) : current;
    for (int step = 0; step < count; ++step) {
        i = (i + (forward ? 1 : -1) + count) % count;
        if (m_controls[i].canTakeTabFocus()) {
            m_controls[i].widget->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

// Enter: a focused push button is clicked; otherwise the default push button, and without one IDOK.
// A disabled default button takes no command, so Enter can't get round a disabled OK.
void DialogWindow::pressEnter() {
    ControlRecord* focused = controlOf(QApplication::focusWidget());
    if (focused && focused->isPushButton()) {
        if (focused->widget->isEnabled())
            sendCommand(BN_CLICKED, focused->id());
        return;
    }
    for (ControlRecord& control : m_controls)
        if (control.isDefaultButton()) {
            if (control.widget->isEnabled())
                sendCommand(BN_CLICKED, control.id());
            return;
        }
    const ControlRecord* ok = controlById(IDOK);
    if (!ok || ok->widget->isEnabled())
        sendCommand(BN_CLICKED, IDOK);
}

void DialogWindow::pressEscape() { sendCommand(BN_CLICKED, IDCANCEL); }

void DialogWindow::clickButton(ControlRecord& control) {
    control.widget->setFocus(Qt::ShortcutFocusReason);
    if (control.isCheckBox()) {
        // A mnemonic is the user's keyboard toggle, announced the way the space bar's is.
        LRESULT result = 0;
        if (control.object()->OnWndMsg(WM_KEYUP, VK_SPACE, 0, &result))
            return;
    }
    if (auto* button = dynamic_cast<QAbstractButton*>(control.widget))
        button->click();
}

// Searches from the control after the focus, so that repeated presses cycle through duplicates.
bool DialogWindow::triggerMnemonic(QChar key) {
    const int count = static_cast<int>(m_controls.size());
    const int start = indexOf(controlOf(QApplication::focusWidget()));
    for (int step = 1; step <= count; ++step) {
        ControlRecord& control = m_controls[((start < 0 ? -1 : start) + step + count) % count];
        if (control.widget->isHidden() || !control.widget->isEnabled())
            continue;
        if (mnemonicOf(widgetText(control.widget)) != key)
            continue;
        if (control.isStaticLike()) {
            if (QWidget* next = labelledControl(m_controls, indexOf(&control)))
                next->setFocus(Qt::ShortcutFocusReason);
        } else if (control.tpl->cls == res::ControlClass::Button) {
            clickButton(control);
        } else {
            control.widget->setFocus(Qt::ShortcutFocusReason);
        }
        return true;
    }
    return false;
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
                   &m_owner,
                   m_tpl.id,
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

// The close box is IDCANCEL, and like Windows it does nothing while the Cancel button is disabled.
void DialogWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    const ControlRecord* cancel = controlById(IDCANCEL);
    if (!cancel || cancel->widget->isEnabled())
        sendCommand(BN_CLICKED, IDCANCEL);
}

void DialogWindow::reject() { pressEscape(); }

void DialogWindow::paintEvent(QPaintEvent* event) {
    m_painting = true;
    DefaultAction standard([this, event]() -> LRESULT {
        QDialog::paintEvent(event);
        return 0;
    });
    LRESULT result = 0;
    if (!m_owner.OnWndMsg(WM_PAINT, 0, 0, &result))
        DefaultAction::runCurrent();
    m_painting = false;
}

bool DialogWindow::focusNextPrevChild(bool next) {
    moveFocus(next);
    return true;
}

} // namespace vexor::ui::qt
