// Acts on a dialog of the layer as a user does: real mouse and key events, addressed by control id.
// Keys go to the widget that has the focus, as typed keys do.
#pragma once

#include "platform/win32/types.h"

#include <Qt>

#include <string>
#include <string_view>

class QWidget;

namespace vexor::test {

class DialogDriver {
  public:
    explicit DialogDriver(QWidget* window) : m_window(window) {}

    QWidget* window() const { return m_window; }
    QWidget* control(int id) const; // records a test failure when the dialog has no such control

    // Mouse
    void click(int id);
    void pressAndReleaseOutside(int id); // press over the control, release beside it
    void pickComboItem(int id, std::string_view itemText); // open the list with the arrow, click the item
    void selectListRow(int id, int row);
    void closeBox(); // the title bar's close button

    // Keyboard
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void tab() { key(Qt::Key_Tab); }
    void shiftTab() { key(Qt::Key_Backtab, Qt::ShiftModifier); }
    void enter() { key(Qt::Key_Return); }
    void escape() { key(Qt::Key_Escape); }
    void space() { key(Qt::Key_Space); }
    void alt(char16_t letter); // Alt+letter, for mnemonics
    void type(std::string_view utf8);                    // into the focused control
    void typeText(int id, std::string_view utf8);        // focus the control, then type at its cursor
    void replaceText(int id, std::string_view utf8);     // focus, select all, delete, type

    // Reading
    std::string text(int id) const; // UTF-8, as the program reads it
    bool isEnabled(int id) const;
    bool isVisible(int id) const;
    bool isChecked(int id) const;
    int focusedId() const; // 0 when no control has the focus

  private:
    QWidget* focusTarget() const;
    void focusControl(int id);

    QWidget* m_window;
};

} // namespace vexor::test
