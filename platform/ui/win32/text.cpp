#include "platform/ui/win32/text.h"

namespace vexor::ui::win32 {

std::wstring widen(std::string_view text, UINT codePage) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(codePage, 0, text.data(), size, result.data(), length);
    return result;
}

namespace {
// WC_NO_BEST_FIT_CHARS: "ł" must not quietly become "l"; it counts as lost, like any other
// character the code page lacks. UTF-8 takes no flags.
DWORD narrowFlags(UINT codePage) { return codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS; }
} // namespace

std::string narrow(std::wstring_view text, UINT codePage) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const DWORD flags = narrowFlags(codePage);
    const int length = WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(codePage, flags, text.data(), size, result.data(), length, nullptr, nullptr);
    return result;
}

std::string typedText(std::wstring_view text) { return narrow(widen(narrow(text, CP_ACP), CP_ACP)); }

bool representable(std::wstring_view text) {
    if (text.empty())
        return true;
    BOOL usedDefault = FALSE;
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0,
                                           nullptr, &usedDefault);
    return length > 0 && !usedDefault;
}

std::wstring windowText(HWND hWnd) {
    if (!hWnd)
        return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace vexor::ui::win32
