// The driver on Windows: real window messages, posted where Windows would put the user's input and
// handed on as the dialog manager's loop hands them on (IsDialogMessage first), so that Tab, Enter,
// Escape and mnemonics are Windows' own. Each action returns once the queue is empty: what it caused
// has happened, and a dialog it opened has run (and been answered) inside it. Nothing waits.
#include "tests/support/dialog_driver.h"

#include "platform/ui/win32/text.h"
#include "platform/win32/text.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <utility>


namespace vexor::test {

using ui::win32::windowText;
using vexor::win32::narrow;
using vexor::win32::widen;

namespace {
void pump(HWND dialog) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsWindow(dialog) && IsDialogMessageW(dialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Posts a key's messages to the focus and hands them on. Posted messages carry no key state, and the
// dialog manager asks GetKeyState (Shift+Tab), so the modifiers are held in the thread's key state
// meanwhile. Alt makes them system keys (mnemonics).
void post(HWND dialog, UINT down, UINT up, WPARAM key, DriverModifiers modifiers) {
    BYTE saved[256], held[256];
    GetKeyboardState(saved);
    GetKeyboardState(held);
    for (auto [flag, vk] : {std::pair{kShift, VK_SHIFT}, {kControl, VK_CONTROL}, {kAlt, VK_MENU}})
        held[vk] = (modifiers & flag) ? 0x80 : held[vk];
    SetKeyboardState(held);
    const LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC) << 16) |
                        ((modifiers & kAlt) ? 1 << 29 : 0);
    HWND focus = GetFocus() ? GetFocus() : dialog;
    PostMessageW(focus, down, key, data);
    if (up)
        PostMessageW(focus, up, key, data | static_cast<LPARAM>(0xC0000000u));
    pump(dialog);
    SetKeyboardState(saved);
}

// A press at one point and a release at another, in the window's client coordinates, with the
// cursor where the release happens (a control may ask where it is). Both are posted before either
// is handled, as they would be queued: a list view checks for a drag between them. Mouse input
// never reaches a disabled window: it goes to its parent.
void pressAndRelease(HWND dialog, HWND target, POINT press, POINT release) {
    if (!IsWindowEnabled(target)) {
        MapWindowPoints(target, GetParent(target), &press, 1);
        MapWindowPoints(target, GetParent(target), &release, 1);
        target = GetParent(target);
    }
    POINT screen = release;
    ClientToScreen(target, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
    pump(dialog);
}

POINT centreOf(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

POINT clientCentre(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return centreOf(rect);
}

// The edit part of an edit control or of a combo box.
bool comboInfo(HWND combo, COMBOBOXINFO& info) {
    info = {};
    info.cbSize = sizeof(info);
    return combo && GetComboBoxInfo(combo, &info);
}

HWND editPartOf(HWND control) {
    COMBOBOXINFO info;
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return comboInfo(control, info) ? info.hwndItem : lstrcmpiW(name, L"Edit") == 0 ? control : nullptr;
}
} // namespace

HWND DialogDriver::control(int id) const {
    HWND control = GetDlgItem(m_window, id);
    if (!control)
        ADD_FAILURE() << "The dialog has no control " << id;
    return control;
}

void DialogDriver::click(int id) {
    if (HWND target = control(id))
        pressAndRelease(m_window, target, clientCentre(target), clientCentre(target));
}

void DialogDriver::pressAndReleaseOutside(int id) {
    HWND target = control(id);
    if (!target)
        return;
    RECT rect{};
    GetClientRect(target, &rect);
    pressAndRelease(m_window, target, centreOf(rect), POINT{rect.right + 10, rect.bottom / 2});
}

void DialogDriver::pickComboItem(int id, std::string_view itemText) {
    HWND combo = control(id);
    COMBOBOXINFO info;
    if (!comboInfo(combo, info)) {
        ADD_FAILURE() << "Control " << id << " is no combo box";
        return;
    }
    // The item with exactly the text, case and all: CB_FINDSTRINGEXACT ignores case.
    const std::wstring wanted = widen(itemText);
    int row = -1;
    for (int i = 0; row < 0 && i < static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0)); ++i) {
        wchar_t item[256] = {};
        if (SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item)) >= 0 && wanted == item)
            row = i;
    }
    if (row < 0) {
        ADD_FAILURE() << "Combo box " << id << " has no item \"" << itemText << "\"";
        return;
    }
    pressAndRelease(m_window, combo, centreOf(info.rcButton), centreOf(info.rcButton));
    if (!SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) {
        ADD_FAILURE() << "The list of combo box " << id << " did not drop down";
        return;
    }
    RECT item{};
    SendMessageW(info.hwndList, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    SendMessageW(info.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    pressAndRelease(m_window, info.hwndList, centreOf(item), centreOf(item));
}

void DialogDriver::selectListRow(int id, int row) {
    HWND list = control(id);
    if (!list || row < 0 || row >= static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0))) {
        ADD_FAILURE() << "List " << id << " has no row " << row;
        return;
    }
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT item{};
    item.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    pressAndRelease(m_window, list, centreOf(item), centreOf(item));
}

void DialogDriver::closeBox() {
    PostMessageW(m_window, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump(m_window);
}

void DialogDriver::key(DriverKey key, DriverModifiers modifiers) {
    const bool alt = modifiers & kAlt;
    post(m_window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, alt ? WM_SYSKEYUP : WM_KEYUP, key, modifiers);
}

void DialogDriver::tab() { key(VK_TAB); }
void DialogDriver::shiftTab() { key(VK_TAB, kShift); }
void DialogDriver::enter() { key(VK_RETURN); }
void DialogDriver::escape() { key(VK_ESCAPE); }
void DialogDriver::space() { key(VK_SPACE); }

// The character Alt with a letter gives, as the dialog manager sees it.
void DialogDriver::alt(char16_t letter) { post(m_window, WM_SYSCHAR, 0, letter, kAlt); }

// What the keyboard layout makes of the keys: characters, one UTF-16 unit each.
void DialogDriver::type(std::string_view text) {
    for (wchar_t c : widen(text))
        post(m_window, WM_CHAR, 0, c, kNoModifier);
}

void DialogDriver::focusControl(int id) {
    HWND target = control(id);
    HWND edit = target ? editPartOf(target) : nullptr;
    if (!edit) {
        if (target)
            click(id);
        return;
    }
    RECT rect{};
    GetClientRect(edit, &rect);
    const POINT nearEnd{rect.right - 3, rect.bottom / 2};
    pressAndRelease(m_window, edit, nearEnd, nearEnd);
    key(VK_END);
}

void DialogDriver::replaceText(int id, std::string_view text) {
    focusControl(id);
    key('A', kControl);
    if (HWND edit = editPartOf(control(id)); edit && GetWindowTextLengthW(edit) > 0)
        key(VK_BACK);
    type(text);
}

std::string DialogDriver::caption() const { return narrow(windowText(m_window)); }

std::string DialogDriver::text(int id) const { return narrow(windowText(control(id))); }

bool DialogDriver::isEnabled(int id) const { return IsWindowEnabled(control(id)) != FALSE; }

bool DialogDriver::isVisible(int id) const { return IsWindowVisible(control(id)) != FALSE; }

bool DialogDriver::isOpen() const { return IsWindowVisible(m_window) != FALSE; }

bool DialogDriver::isChecked(int id) const { return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

// The dialog's control that has the focus or holds it (the edit inside a combo box).
int DialogDriver::focusedId() const {
    HWND focus = GetFocus();
    while (focus && GetParent(focus) != m_window)
        focus = GetParent(focus);
    return focus ? GetDlgCtrlID(focus) : 0;
}

} // namespace vexor::test
