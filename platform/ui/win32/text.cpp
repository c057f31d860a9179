#include "platform/ui/win32/text.h"

namespace vexor::ui::win32 {

std::wstring windowText(HWND hWnd) {
    if (!hWnd)
        return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace vexor::ui::win32
