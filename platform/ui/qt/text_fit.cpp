#include "platform/ui/qt/text_fit.h"

#include <QFontMetrics>
#include <QLabel>

namespace vexor::ui::qt {

namespace {
constexpr int kTightestSpacingPercent = 92;
constexpr int kUnbounded = 100000;
} // namespace

bool textFits(const QLabel& label) {
    const QRect box = label.contentsRect();
    const QRect needed = QFontMetrics(label.font()).boundingRect(QRect(0, 0, box.width(), kUnbounded),
                                                                 Qt::TextWordWrap | int(label.alignment()), label.text());
    return needed.height() <= box.height() && needed.width() <= box.width();
}

void fitText(QLabel& label) {
    for (int percent = 99; percent >= kTightestSpacingPercent && !textFits(label); --percent) {
        QFont tighter = label.font();
        tighter.setLetterSpacing(QFont::PercentageSpacing, percent);
        label.setFont(tighter);
    }
}

} // namespace vexor::ui::qt
