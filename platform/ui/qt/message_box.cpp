#include "platform/ui/qt/message_box.h"

#include "platform/ui/afx.h"
#include "platform/ui/qt/dialog_window.h"
#include "platform/ui/qt/handles.h"
#include "platform/ui/qt/icons.h"
#include "platform/ui/qt/layer.h"
#include "platform/ui/qt/layout.h"
#include "platform/ui/qt/modal_hook.h"
#include "platform/ui/qt/text.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace vexor::ui::qt {

namespace {
constexpr UINT kIconMask = 0xF0;
constexpr UINT kIconQuestion = 0x20;
constexpr UINT kIconAsterisk = 0x40;
constexpr int kMessageFontPointSize = 9; // Windows sets message boxes in the larger message font

QMessageBox::Icon iconOf(UINT type) {
    switch (type & kIconMask) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case kIconQuestion: return QMessageBox::Question;
    case kIconAsterisk: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// Windows shows the caption "Fehler" (Error) when a box is given none.
QString captionOf(LPCSTR caption) { return caption ? fromProgram(caption) : QStringLiteral("Fehler"); }
} // namespace

int showMessageBox(QWidget* owner, LPCSTR text, LPCSTR caption, UINT type) {
    ensureLayer();
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", caption ? caption : "Fehler", text ? text : "");
        return IDOK;
    }
    QMessageBox box(owner);
    box.setWindowTitle(captionOf(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(fromProgram(text));
    box.setIcon(iconOf(type));
    box.setFont(dialogFont(nullptr, kMessageFontPointSize));
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    applyProgramIcon(&box);
    ModalInfo info{ModalInfo::Kind::MessageBox,
                   &box,
                   nullptr,
                   0,
                   toProgram(box.windowTitle()),
                   text ? std::string(text) : std::string(),
                   type,
                   [&box] { return box.isVisible(); },
                   [&box] { box.done(0); }};
    announceModal(std::move(info));
    QWidget* previous = QApplication::activeWindow();
    box.exec();
    // As on Windows, the window that was active before gets the activation (and its focus) back.
    if (previous)
        makeActive(previous);
    return IDOK;
}

} // namespace vexor::ui::qt

// Only windows of this layer can own a box; any other handle is taken as none.
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    using namespace vexor::ui;
    using namespace vexor::ui::qt;
    QWidget* owner = nullptr;
    if (DialogWindow* dialog = DialogWindow::fromWidget(toWidget(hWnd)))
        owner = dialog;
    else if (ControlRecord* control = DialogControls::recordOf(hWnd))
        owner = widgetOf(*control)->window();
    return showMessageBox(owner, lpText, lpCaption, uType);
}
