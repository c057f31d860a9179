#include "platform/ui/win32/text_fit.h"

#include "platform/ui/win32/text.h"

#include <algorithm>
#include <string>

namespace vexor::ui::win32 {

namespace {

// The statics that draw text, wrapped or on one line.
bool drawsText(LONG style) {
    switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: return true;
    default: return false;
    }
}

// Wine draws a line of this 8 pt face up to 4 pixels (at 96 dpi) wider than it measures it, and
// clips what goes past the box: every line needs that much room to spare.
constexpr int kDrawingSlack = 4;

// Whether the text, broken into lines as the static breaks it, fits a box of that size in the font
// the DC holds, each line with the slack to spare.
bool fits(HDC dc, LONG style, const std::wstring& text, LONG width, LONG height) {
    UINT format = DT_CALCRECT | DT_EXPANDTABS | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
    if ((style & SS_TYPEMASK) != SS_SIMPLE && (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP)
        format |= DT_WORDBREAK;
    RECT needed{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, format);
    const int slack = MulDiv(kDrawingSlack, GetDeviceCaps(dc, LOGPIXELSX), 96);
    return needed.right - needed.left <= width - slack && needed.bottom - needed.top <= height;
}

// How far right the static may reach: to the next control on its lines, inside a group box that holds
// it, and short of the dialog's edge.
LONG rightmost(HWND control, const RECT& box) {
    HWND dialog = GetParent(control);
    RECT client{};
    GetClientRect(dialog, &client);
    const LONG edge = GetSystemMetrics(SM_CXEDGE);
    LONG limit = client.right - edge;
    for (HWND other = GetWindow(dialog, GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
        RECT rect{};
        // The dialog is not shown yet: a control's own style tells whether it will be.
        if (other == control || !(GetWindowLongW(other, GWL_STYLE) & WS_VISIBLE) || !GetWindowRect(other, &rect))
            continue;
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        if (rect.bottom <= box.top || rect.top >= box.bottom)
            continue;
        if (rect.left >= box.right)
            limit = std::min(limit, rect.left - edge);
        else if (rect.left <= box.left && rect.right >= box.right)
            limit = std::min(limit, rect.right - 2 * edge);
    }
    return limit;
}

} // namespace

void fitStaticText(HWND control) {
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const std::wstring text = windowText(control);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    RECT box{};
    if (text.empty() || !font || !drawsText(style) || !GetWindowRect(control, &box))
        return;
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
    HDC dc = GetDC(control);
    const HGDIOBJ original = SelectObject(dc, font);
    const LONG height = box.bottom - box.top;
    LONG width = box.right - box.left;
    if (!fits(dc, style, text, width, height)) {
        const LONG widest = rightmost(control, box) - box.left;
        while (width < widest && !fits(dc, style, text, width, height))
            ++width;
        if (fits(dc, style, text, width, height))
            SetWindowPos(control, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SelectObject(dc, original);
    ReleaseDC(control, dc);
}

} // namespace vexor::ui::win32
