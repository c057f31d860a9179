#include "platform/registry/win32/text.h"

#include "platform/win32/types.h"

namespace vexor::registry::win32 {

std::optional<std::wstring> fromUtf8(std::string_view text) {
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
    return wide;
}

std::optional<std::wstring> throughCodePage(std::string_view text) {
    const std::optional<std::wstring> wide = fromUtf8(text);
    if (!wide || wide->empty())
        return wide;
    const int size = static_cast<int>(wide->size());
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide->data(), size, nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return std::nullopt;
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide->data(), size, ansi.data(), length, nullptr,
                        &usedDefault);
    // What the A functions store is the code page's text widened again.
    const int back = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    std::wstring stored(static_cast<std::size_t>(back), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, stored.data(), back);
    if (usedDefault || stored != *wide)
        return std::nullopt;
    return stored;
}

std::optional<std::string> toUtf8(std::wstring_view text) {
    if (text.empty())
        return std::string();
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::nullopt;
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

} // namespace vexor::registry::win32
