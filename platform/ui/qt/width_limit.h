// An edit without ES_AUTOHSCROLL (or a combo box without CBS_AUTOHSCROLL) takes no more typed text
// than its visible width shows; text set by the program is taken whole.
#pragma once

#include <QValidator>

class QLineEdit;

namespace vexor::ui::qt {

class WidthLimit : public QValidator {
  public:
    explicit WidthLimit(QLineEdit* edit);
    State validate(QString& input, int& pos) const override;

  private:
    int visibleWidth() const;
    QLineEdit* m_edit;
};

} // namespace vexor::ui::qt
