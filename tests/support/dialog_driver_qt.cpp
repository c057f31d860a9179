#include "tests/support/dialog_driver.h"

#include "platform/ui/qt/inspect.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

namespace vexor::test {

namespace {
std::string utf8Of(const QString& text) { return text.toUtf8().toStdString(); }

// Qt's key codes for letters are their upper-case code points; other characters travel as text.
Qt::Key keyFor(QChar character) {
    const QChar upper = character.toUpper();
    if (upper.isLetterOrNumber() || upper.isPunct() || upper.isSymbol() || upper == u' ')
        return static_cast<Qt::Key>(upper.unicode());
    return Qt::Key_unknown;
}

QLineEdit* editPartOf(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit;
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->lineEdit();
    return nullptr;
}
} // namespace

QWidget* DialogDriver::control(int id) const {
    QWidget* widget = ui::qt::findControl(m_window, id);
    if (!widget)
        ADD_FAILURE() << "The dialog has no control " << id;
    return widget;
}

QWidget* DialogDriver::focusTarget() const {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : m_window;
}

void DialogDriver::click(int id) {
    if (QWidget* widget = control(id))
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void DialogDriver::pressAndReleaseOutside(int id) {
    QWidget* widget = control(id);
    if (!widget)
        return;
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(widget->width() + 10, widget->height() / 2));
}

void DialogDriver::pickComboItem(int id, std::string_view itemText) {
    auto* combo = qobject_cast<QComboBox*>(control(id));
    if (!combo) {
        ADD_FAILURE() << "Control " << id << " is no combo box";
        return;
    }
    const int row = combo->findText(QString::fromUtf8(itemText.data(), static_cast<qsizetype>(itemText.size())),
                                    Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row < 0) {
        ADD_FAILURE() << "Combo box " << id << " has no item \"" << itemText << "\"";
        return;
    }
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, arrow.center());
    QAbstractItemView* list = combo->view();
    if (!list->isVisible()) {
        ADD_FAILURE() << "The list of combo box " << id << " did not drop down";
        return;
    }
    const QModelIndex item = list->model()->index(row, combo->modelColumn());
    list->scrollTo(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(item).center());
}

void DialogDriver::selectListRow(int id, int row) {
    auto* list = qobject_cast<QAbstractItemView*>(control(id));
    if (!list || !list->model() || row < 0 || row >= list->model()->rowCount()) {
        ADD_FAILURE() << "List " << id << " has no row " << row;
        return;
    }
    const QModelIndex item = list->model()->index(row, 0);
    list->scrollTo(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(item).center());
}

void DialogDriver::closeBox() { m_window->close(); }

void DialogDriver::key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(focusTarget(), key, modifiers);
}

void DialogDriver::tab() { key(Qt::Key_Tab); }
void DialogDriver::shiftTab() { key(Qt::Key_Backtab, Qt::ShiftModifier); }
void DialogDriver::enter() { key(Qt::Key_Return); }
void DialogDriver::escape() { key(Qt::Key_Escape); }
void DialogDriver::space() { key(Qt::Key_Space); }

void DialogDriver::alt(char16_t letter) { key(keyFor(QChar(letter)), Qt::AltModifier); }

void DialogDriver::type(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the BMP is one key press that brings both halves of its pair.
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString typed = text.mid(i, length);
        const Qt::Key code = length == 1 ? keyFor(typed[0]) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, focusTarget(), code, typed, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, focusTarget(), code, typed, Qt::NoModifier);
        i += length - 1;
    }
}

// A user clicks into the field's text area (near its end, where typing continues the text).
void DialogDriver::focusControl(int id) {
    QWidget* widget = control(id);
    if (!widget)
        return;
    QWidget* target = editPartOf(widget) ? editPartOf(widget) : widget;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(target->width() - 3, target->height() / 2));
    if (editPartOf(widget))
        key(Qt::Key_End);
}

void DialogDriver::replaceText(int id, std::string_view utf8) {
    focusControl(id);
    key(Qt::Key_A, Qt::ControlModifier);
    if (QLineEdit* edit = editPartOf(control(id)); edit && !edit->text().isEmpty())
        key(Qt::Key_Backspace);
    type(utf8);
}

std::string DialogDriver::caption() const { return utf8Of(m_window->windowTitle()); }

std::string DialogDriver::text(int id) const {
    QWidget* widget = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return utf8Of(edit->text());
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return utf8Of(combo->isEditable() ? combo->lineEdit()->text() : combo->currentText());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return utf8Of(button->text());
    return widget ? utf8Of(widget->property("text").toString()) : std::string();
}

bool DialogDriver::isEnabled(int id) const {
    QWidget* widget = control(id);
    return widget && widget->isEnabled();
}

bool DialogDriver::isVisible(int id) const {
    QWidget* widget = control(id);
    return widget && widget->isVisible();
}

bool DialogDriver::isOpen() const { return m_window->isVisible(); }

bool DialogDriver::isChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    return button && button->isChecked();
}

int DialogDriver::focusedId() const { return ui::qt::controlIdOf(QApplication::focusWidget()); }

} // namespace vexor::test
