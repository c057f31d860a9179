#include "platform/ui/qt/control_factory.h"

#include "platform/ui/qt/check_box.h"
#include "platform/ui/qt/combo_box.h"
#include "platform/ui/qt/dialog_window.h"
#include "platform/ui/qt/icons.h"
#include "platform/ui/qt/layout.h"
#include "platform/ui/qt/list_view.h"
#include "platform/ui/qt/text.h"
#include "platform/ui/qt/text_fit.h"
#include "platform/ui/qt/width_limit.h"
#include "platform/ui/resources.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace vexor::ui::qt {

namespace {
constexpr DWORD kStaticCenter = 0x1;
constexpr DWORD kStaticRight = 0x2;
constexpr int kIconSize = 32;

QWidget* createButton(DialogWindow& dialog, const res::ControlTemplate& tpl) {
    const QString text = fromProgram(tpl.text);
    const DWORD type = tpl.style & BS_TYPEMASK;
    if (type == BS_GROUPBOX) {
        auto* group = new QGroupBox(text, &dialog);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        return group;
    }
    QAbstractButton* button = nullptr;
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) {
        button = new CheckBox(text, type == BS_AUTOCHECKBOX, &dialog);
    } else {
        auto* push = new QPushButton(text, &dialog);
        // The dialog runs Enter itself; Qt's auto-default logic would click the wrong button.
        push->setAutoDefault(false);
        push->setDefault(type == BS_DEFPUSHBUTTON);
        button = push;
    }
    const int id = tpl.id;
    QObject::connect(button, &QAbstractButton::clicked, &dialog, [&dialog, id] { dialog.sendCommand(BN_CLICKED, id); });
    return button;
}

QWidget* createEdit(DialogWindow& dialog, const res::ControlTemplate& tpl) {
    auto* edit = new QLineEdit(fromProgram(tpl.text), &dialog);
    edit->setFrame((tpl.style & WS_BORDER) != 0);
    if (tpl.style & ES_PASSWORD)
        edit->setEchoMode(QLineEdit::Password);
    if (tpl.style & ES_READONLY) {
        edit->setReadOnly(true);
        // Windows draws a read-only edit on the dialog's background, which tells it apart.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
    }
    if (!(tpl.style & ES_AUTOHSCROLL))
        edit->setValidator(new WidthLimit(edit));
    const int id = tpl.id;
    QObject::connect(edit, &QLineEdit::textChanged, &dialog, [&dialog, id] { dialog.sendCommand(EN_CHANGE, id); });
    return edit;
}

QWidget* createStatic(DialogWindow& dialog, const res::ControlTemplate& tpl) {
    auto* label = new QLabel(&dialog);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    if ((tpl.style & SS_TYPEMASK) == SS_ICON) {
        const int size = static_cast<int>(kIconSize * dpiScale());
        if (const QIcon* icon = iconFromHandle(iconHandle(tpl.iconId)))
            label->setPixmap(icon->pixmap(size, size));
        return label;
    }
    label->setTextFormat(Qt::PlainText);
    label->setText(fromProgram(tpl.text));
    // A Windows static breaks its lines at word boundaries and clips what doesn't fit below.
    label->setWordWrap(true);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if ((tpl.style & SS_TYPEMASK) == kStaticCenter)
        horizontal = Qt::AlignHCenter;
    else if ((tpl.style & SS_TYPEMASK) == kStaticRight)
        horizontal = Qt::AlignRight;
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

QWidget* createTree(DialogWindow& dialog, const res::ControlTemplate& tpl) {
    auto* tree = new QTreeWidget(&dialog);
    tree->setHeaderHidden(true);
    tree->setFrameShape((tpl.style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    if (tpl.style & TVS_NOSCROLL) {
        tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    return tree;
}

QWidget* createByClass(DialogWindow& dialog, const res::ControlTemplate& tpl) {
    switch (tpl.cls) {
    case res::ControlClass::Button: return createButton(dialog, tpl);
    case res::ControlClass::Edit: return createEdit(dialog, tpl);
    case res::ControlClass::Static: return createStatic(dialog, tpl);
    case res::ControlClass::ComboBox: {
        auto* combo = new ComboBox(tpl.style, &dialog);
        const int id = tpl.id;
        combo->setNotify([&dialog, id](UINT code) { dialog.sendCommand(code, id); });
        return combo;
    }
    case res::ControlClass::ListView: return new ListView(tpl.style, &dialog);
    case res::ControlClass::TreeView: return createTree(dialog, tpl);
    }
    return new QWidget(&dialog);
}

QRect geometryFor(const res::ControlTemplate& tpl, const QWidget* widget) {
    QRect rect = controlRect(tpl);
    if (tpl.cls == res::ControlClass::ComboBox) {
        // The template's height is that of the dropped-down list; the box itself is one line high.
        rect.setHeight(qMax(duToPxY(13), widget->minimumSizeHint().height()));
    } else if (tpl.cls == res::ControlClass::Static && (tpl.style & SS_TYPEMASK) == SS_ICON) {
        // An icon static takes the icon's size, as on Windows.
        const int size = static_cast<int>(kIconSize * dpiScale());
        rect.setSize({size, size});
    }
    return rect;
}

Qt::FocusPolicy focusPolicyFor(const ControlRecord& control) {
    if (control.isStaticLike())
        return Qt::NoFocus;
    // Without WS_TABSTOP a control is skipped by Tab but still takes the focus when clicked.
    return (control.tpl->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus;
}
} // namespace

QWidget* createControlWidget(DialogWindow& dialog, const res::ControlTemplate& tpl) {
    QWidget* widget = createByClass(dialog, tpl);
    widget->setGeometry(geometryFor(tpl, widget));
    if (auto* label = dynamic_cast<QLabel*>(widget); label && !label->text().isEmpty())
        fitText(*label);
    widget->setEnabled(!(tpl.style & WS_DISABLED));
    if (!(tpl.style & WS_VISIBLE))
        widget->hide();
    ControlRecord probe;
    probe.tpl = &tpl;
    widget->setFocusPolicy(focusPolicyFor(probe));
    return widget;
}

void linkLabelsToNextControls(std::vector<ControlRecord>& controls) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        auto* label = dynamic_cast<QLabel*>(widgetOf(controls[i]));
        if (!label || mnemonicOf(controls[i].tpl->text) == 0)
            continue;
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            if (!controls[j].isStaticLike()) {
                label->setBuddy(widgetOf(controls[j]));
                break;
            }
    }
}

} // namespace vexor::ui::qt
