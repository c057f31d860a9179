#include "platform/ui/qt/width_limit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

namespace vexor::ui::qt {

namespace {
constexpr int kLineEditMargin = 2; // QLineEdit keeps this much room on each side of its text
}

WidthLimit::WidthLimit(QLineEdit* edit) : QValidator(edit), m_edit(edit) {}

int WidthLimit::visibleWidth() const {
    const QMargins margins = m_edit->textMargins();
    const int frame = m_edit->hasFrame() ? m_edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_edit) : 0;
    return m_edit->width() - 2 * frame - 2 * kLineEditMargin - margins.left() - margins.right();
}

QValidator::State WidthLimit::validate(QString& input, int&) const {
    QString shown = input;
    if (m_edit->echoMode() == QLineEdit::Password)
        shown.fill(QChar(m_edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, m_edit)));
    return QFontMetrics(m_edit->font()).horizontalAdvance(shown) <= visibleWidth() ? Acceptable : Invalid;
}

} // namespace vexor::ui::qt
