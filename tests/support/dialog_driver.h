// Acts on a dialog of the layer as a user does: real mouse and key events, addressed by control id.
// Keys go to the control that has the focus, as typed keys do. One interface, two implementations:
// Qt's events on the Linux build, Windows messages through the dialog manager on Windows.
//
// Text is the program's, UTF-8 on both platforms; on Windows the driver converts it to and from the
// controls' UTF-16.
#pragma once

#include "platform/win32/types.h"

#include <string>
#include <string_view>

#ifdef _WIN32
namespace vexor::test {
using DriverWindow = HWND;
using DriverKey = UINT; // a virtual-key code
enum DriverModifier : UINT { kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4 };
using DriverModifiers = UINT;
} // namespace vexor::test
#else
#include <Qt>
class QWidget;
namespace vexor::test {
using DriverWindow = QWidget*;
using DriverKey = Qt::Key;
using DriverModifiers = Qt::KeyboardModifiers;
} // namespace vexor::test
#endif

namespace vexor::test {

class DialogDriver {
  public:
    explicit DialogDriver(DriverWindow window) : m_window(window) {}

    DriverWindow window() const { return m_window; }
    DriverWindow control(int id) const; // records a test failure when the dialog has no such control

    // Mouse
    void click(int id);
    void pressAndReleaseOutside(int id); // press over the control, release beside it
    void pickComboItem(int id, std::string_view itemText); // open the list with the arrow, click the item
    void selectListRow(int id, int row);
    void closeBox(); // the title bar's close button

    // Keyboard
    void key(DriverKey key, DriverModifiers modifiers = {});
    void tab();
    void shiftTab();
    void enter();
    void escape();
    void space();
    void alt(char16_t letter);                     // Alt+letter, for mnemonics
    void type(std::string_view utf8);              // into the focused control
    void typeText(int id, std::string_view utf8) { // focus the control, then type at its cursor
        focusControl(id);
        type(utf8);
    }
    void replaceText(int id, std::string_view utf8); // focus, select all, delete, type

    // Reading
    std::string caption() const;    // the dialog's title
    std::string text(int id) const; // as the program reads it
    bool isEnabled(int id) const;
    bool isVisible(int id) const;
    bool isOpen() const; // the dialog is still up
    bool isChecked(int id) const;
    int focusedId() const; // 0 when no control has the focus

  private:
    void focusControl(int id);
#ifndef _WIN32
    QWidget* focusTarget() const;
#endif

    DriverWindow m_window;
};

} // namespace vexor::test
