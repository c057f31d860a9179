// The program's own dialogs as the layer lays them out: template sizes in dialog units, and every
// text whole and in glyphs the font has.
#include "platform/ui/qt/layout.h"
#include "platform/ui/qt/mnemonic.h"
#include "tests/ui/test_dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>

namespace vexor::test {
namespace {

bool allGlyphsPresent(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    for (QChar c : text)
        if (!c.isSpace() && !metrics.inFont(c))
            return false;
    return true;
}

int textRoom(const QAbstractButton& button) {
    const QStyle* style = button.style();
    if (qobject_cast<const QCheckBox*>(&button))
        return button.width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &button);
    return button.width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
}

// Dialog units convert as Windows' MapDialogRect does with the base units of MS Shell Dlg 8 pt
// (6 x 13 pixels), rounding halves up. Every window shows the program icon in its title bar.
TEST(ProgramDialogLayout, TheClientAreaIsTheTemplateSizeInDialogUnitsAndTheTitleShowsTheIcon) {
    EXPECT_EQ(ui::qt::duToPxX(4), 6);
    EXPECT_EQ(ui::qt::duToPxX(3), 5);
    EXPECT_EQ(ui::qt::duToPxY(8), 13);
    EXPECT_EQ(ui::qt::duToPxY(4), 7);
    forEachProgramDialog([](const res::DialogTemplate& tpl, QWidget& window) {
        EXPECT_EQ(window.size(), ui::qt::clientSize(tpl));
        EXPECT_FALSE(window.windowIcon().isNull());
    });
}

TEST(ProgramDialogLayout, EveryTextIsWholeAndDrawnWithGlyphsTheFontHas) {
    forEachProgramDialog([](const res::DialogTemplate&, QWidget& window) {
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            // Measured here, not with the layer's own fitting rule, so that a wrong rule can't pass.
            const QRect room = label->contentsRect();
            const QRect needed = QFontMetrics(label->font())
                                     .boundingRect(QRect(0, 0, room.width(), 100000),
                                                   int(label->alignment()) | Qt::TextWordWrap, label->text());
            EXPECT_LE(needed.width(), room.width()) << label->text().toStdString();
            EXPECT_LE(needed.height(), room.height()) << label->text().toStdString();
            EXPECT_TRUE(allGlyphsPresent(label->font(), label->text())) << label->text().toStdString();
        }
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            const QString shown = ui::qt::withoutMnemonics(button->text());
            if (shown.isEmpty())
                continue;
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(shown), textRoom(*button))
                << shown.toStdString();
            EXPECT_TRUE(allGlyphsPresent(button->font(), shown)) << shown.toStdString();
        }
        for (QGroupBox* group : window.findChildren<QGroupBox*>())
            EXPECT_LE(QFontMetrics(group->font()).horizontalAdvance(group->title()), group->width() - 16);
    });
}

} // namespace
} // namespace vexor::test
