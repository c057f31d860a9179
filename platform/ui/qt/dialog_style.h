// The look of the layer's dialogs: Qt's Fusion style, with the focus shown the way Windows dialogs show
// it. Fusion marks a focused push button only by a faint outline that the default button has too, so a
// keyboard user could not tell where Enter or Space would go.
#pragma once

#include <QProxyStyle>

namespace vexor::ui::qt {

class DialogStyle : public QProxyStyle {
  public:
    DialogStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

} // namespace vexor::ui::qt
