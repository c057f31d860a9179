#include "platform/ui/qt/dialog_style.h"

#include <QPainter>
#include <QPen>
#include <QStyleFactory>
#include <QStyleOption>

namespace vexor::ui::qt {

DialogStyle::DialogStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

// A dotted rectangle inside the button's face, in the text colour, as a Windows dialog draws it.
void DialogStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || !(option->state & State_HasFocus))
        return;
    const QRect face = subElementRect(SE_PushButtonContents, option, widget).adjusted(1, 1, -1, -1);
    painter->save();
    QPen pen(option->palette.color(QPalette::ButtonText));
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(face.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace vexor::ui::qt
