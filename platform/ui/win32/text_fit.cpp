#include "platform/ui/win32/text_fit.h"

#include "platform/ui/win32/text.h"

#include <string>

namespace vexor::ui::win32 {

namespace {

// The statics that draw text, wrapped (SS_LEFT, SS_CENTER, SS_RIGHT) or on one line.
bool drawsText(HWND control) {
    switch (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: return true;
    default: return false;
    }
}

// Whether the text, set as the static sets it, fits the box in the font the DC holds.
bool fits(HDC dc, HWND control, const std::wstring& text, const RECT& box) {
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const LONG type = style & SS_TYPEMASK;
    UINT format = DT_CALCRECT | DT_EXPANDTABS | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
    if (type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP)
        format |= DT_WORDBREAK;
    RECT needed{0, 0, box.right - box.left, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, format);
    return needed.right - needed.left <= box.right - box.left && needed.bottom - needed.top <= box.bottom - box.top;
}

} // namespace

HFONT fitStaticText(HWND control) {
    const std::wstring text = windowText(control);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    RECT box{};
    if (text.empty() || !font || !drawsText(control) || !GetClientRect(control, &box))
        return nullptr;
    HDC dc = GetDC(control);
    const HGDIOBJ original = SelectObject(dc, font);
    LOGFONTW shape{};
    TEXTMETRICW metrics{};
    HFONT narrower = nullptr;
    if (!fits(dc, control, text, box) && GetObjectW(font, sizeof shape, &shape) && GetTextMetricsW(dc, &metrics)) {
        for (int percent = 99; percent >= kNarrowestFontPercent; --percent) {
            if (narrower) {
                SelectObject(dc, font);
                DeleteObject(narrower);
            }
            shape.lfWidth = MulDiv(metrics.tmAveCharWidth, percent, 100);
            narrower = CreateFontIndirectW(&shape);
            if (!narrower)
                break;
            SelectObject(dc, narrower);
            if (fits(dc, control, text, box))
                break;
        }
    }
    SelectObject(dc, original);
    ReleaseDC(control, dc);
    if (narrower)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(narrower), FALSE);
    return narrower;
}

} // namespace vexor::ui::win32
