#include "platform/win32/text.h"

#include "platform/win32/types.h"

namespace vexor::win32 {

namespace {

// nullopt when the input is rejected under flags (MB_ERR_INVALID_CHARS).
std::optional<std::wstring> toWide(std::string_view text, UINT codePage, DWORD flags) {
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

// nullopt when the input is rejected under flags (WC_ERR_INVALID_CHARS) or, with usedDefault, when
// a character had to become the code page's default character.
std::optional<std::string> toNarrow(std::wstring_view text, UINT codePage, DWORD flags,
                                    BOOL* usedDefault = nullptr) {
    if (text.empty())
        return std::string();
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, usedDefault);
    if (length <= 0 || (usedDefault && *usedDefault))
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

// WC_NO_BEST_FIT_CHARS: "ł" must not quietly become "l"; it counts as lost, like any other character
// the code page lacks.
constexpr DWORD kAnsiFlags = WC_NO_BEST_FIT_CHARS;

// What an A-function program gets for the text: the code page's bytes widened again.
std::wstring roundTrip(std::wstring_view text) {
    return toWide(toNarrow(text, CP_ACP, kAnsiFlags).value_or(std::string()), CP_ACP, 0)
        .value_or(std::wstring());
}

} // namespace

std::wstring widen(std::string_view text) {
    return toWide(text, CP_UTF8, 0).value_or(std::wstring());
}

std::string narrow(std::wstring_view text) {
    return toNarrow(text, CP_UTF8, 0).value_or(std::string());
}

std::optional<std::wstring> fromUtf8(std::string_view text) {
    return toWide(text, CP_UTF8, MB_ERR_INVALID_CHARS);
}

std::optional<std::string> toUtf8(std::wstring_view text) {
    return toNarrow(text, CP_UTF8, WC_ERR_INVALID_CHARS);
}

bool representable(std::wstring_view text) {
    BOOL usedDefault = FALSE;
    return toNarrow(text, CP_ACP, kAnsiFlags, &usedDefault).has_value();
}

std::optional<std::wstring> throughCodePage(std::string_view text) {
    const std::optional<std::wstring> wide = fromUtf8(text);
    if (!wide || !representable(*wide))
        return std::nullopt;
    std::wstring stored = roundTrip(*wide);
    if (stored != *wide)
        return std::nullopt;
    return stored;
}

std::string typedText(std::wstring_view text) {
    return narrow(roundTrip(text));
}

// FormatMessageW: the A form would give the ANSI code page, and German messages carry umlauts.
std::string systemMessage(unsigned long error) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::string message = text ? narrow(text) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message;
}

} // namespace vexor::win32
