// A check box of either Windows kind: BS_AUTOCHECKBOX toggles itself when clicked, BS_CHECKBOX only
// reports the click and leaves the state to the program.
#pragma once

#include <QCheckBox>

namespace vexor::ui::qt {

class CheckBox : public QCheckBox {
  public:
    CheckBox(const QString& text, bool automatic, QWidget* parent)
        : QCheckBox(text, parent), m_automatic(automatic) {}

  protected:
    // The whole control answers the mouse, as a Windows check box does, not just box and label.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    void nextCheckState() override {
        if (m_automatic)
            QCheckBox::nextCheckState();
    }

  private:
    bool m_automatic;
};

} // namespace vexor::ui::qt
