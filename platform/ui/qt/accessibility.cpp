#include "platform/ui/qt/accessibility.h"

#include "platform/ui/qt/dialog_window.h"
#include "platform/ui/qt/mnemonic.h"
#include "platform/ui/qt/text.h"
#include "platform/ui/resources.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace vexor::ui::qt {

namespace {
bool isIcon(const ControlRecord& control) {
    return control.tpl->cls == res::ControlClass::Static && (control.tpl->style & SS_TYPEMASK) == SS_ICON;
}

bool isTextStatic(const ControlRecord& control) {
    return control.tpl->cls == res::ControlClass::Static && !isIcon(control);
}

// Buttons and statics are named by their own text; everything else by its label.
bool namedByLabel(const ControlRecord& control) {
    return control.tpl->cls != res::ControlClass::Button && control.tpl->cls != res::ControlClass::Static;
}

const ControlRecord* labelOf(const std::vector<ControlRecord>& controls, std::size_t index) {
    constexpr DWORD kGroupStart = WS_GROUP | WS_TABSTOP;
    for (std::size_t i = index; i-- > 0;) {
        if (isTextStatic(controls[i]))
            return &controls[i];
        if ((controls[i].tpl->style & kGroupStart) == kGroupStart)
            return nullptr;
    }
    return nullptr;
}

// A decorating picture or a hidden control is not among the dialog's children; anything that is no
// control of a template (a plain QDialog's widgets) is, as Qt would have it.
bool offered(QObject* object) {
    const ControlRecord* control = DialogControls::recordOf(toHwnd(qobject_cast<QWidget*>(object)));
    return !control || (!isIcon(*control) && !widgetOf(*control)->isHidden());
}

class DialogAccessible : public QAccessibleWidget {
  public:
    explicit DialogAccessible(QWidget* dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {}

    int childCount() const override { return static_cast<int>(offeredChildren().size()); }
    QAccessibleInterface* child(int index) const override { return offeredChildren().value(index); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(offeredChildren().indexOf(child));
    }

  private:
    QList<QAccessibleInterface*> offeredChildren() const {
        QList<QAccessibleInterface*> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child && offered(child->object()))
                children.append(child);
        }
        return children;
    }
};

// The dialog window has no meta-object of its own, so Qt asks for it as a QDialog, and may do so
// while it is still being built: which children are offered is decided on each request.
QAccessibleInterface* dialogInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("QDialog") || !object->isWidgetType())
        return nullptr;
    return new DialogAccessible(static_cast<QWidget*>(object));
}
} // namespace

void nameControlsAfterTheirLabels(std::vector<ControlRecord>& controls) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!namedByLabel(controls[i]))
            continue;
        const ControlRecord* label = labelOf(controls, i);
        if (!label)
            continue;
        widgetOf(controls[i])->setAccessibleName(withoutMnemonics(widgetText(widgetOf(*label))));
        // The "labelled by" relation too: on Linux, Qt names a combo box after its current text and
        // leaves the label to that relation.
        if (auto* qlabel = qobject_cast<QLabel*>(widgetOf(*label)); qlabel && !qlabel->buddy())
            qlabel->setBuddy(widgetOf(controls[i]));
    }
}

void installDialogAccessibility() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&dialogInterface);
}

} // namespace vexor::ui::qt
