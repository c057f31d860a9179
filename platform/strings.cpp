#include "platform/strings.h"

#ifdef _WIN32
#include "platform/win32/text.h"

// The .rc's string table holds UTF-16; the program's text is UTF-8 on Windows too, which LoadStringA
// (the ANSI code page) would not give.
std::string vexor::strings::load(UINT id) {
    const wchar_t* text = nullptr; // with no buffer, LoadStringW points at the entry itself
    const int n = LoadStringW(nullptr, id, reinterpret_cast<LPWSTR>(&text), 0);
    return n > 0 && text ? win32::narrow(std::wstring_view(text, static_cast<std::size_t>(n))) : std::string();
}
#else
#include <algorithm>
#include <cstring>
#include <vector>

namespace {
std::span<const vexor::strings::Entry> g_table;
}

namespace vexor::strings {
void setTable(std::span<const Entry> table) { g_table = table; }
} // namespace vexor::strings

int LoadStringA(HINSTANCE, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    if (!lpBuffer || cchBufferMax <= 0)
        return 0;
    const auto entry = std::ranges::find(g_table, uID, &vexor::strings::Entry::id);
    if (entry == g_table.end() || !entry->text) {
        lpBuffer[0] = '\0';
        return 0;
    }
    const char* text = entry->text;
    std::size_t n = std::strlen(text);
    if (n > static_cast<std::size_t>(cchBufferMax - 1)) {
        n = static_cast<std::size_t>(cchBufferMax - 1);
        // A cut text ends before a whole character, never inside one.
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    }
    std::memcpy(lpBuffer, text, n);
    lpBuffer[n] = '\0';
    return static_cast<int>(n);
}

// LoadStringA cuts a text at the buffer's end; grow until the whole entry fits.
std::string vexor::strings::load(UINT id) {
    for (std::size_t size = 256; size <= (1u << 20); size *= 2) {
        std::vector<char> buffer(size, '\0');
        const int n = LoadStringA(nullptr, id, buffer.data(), static_cast<int>(size));
        if (n <= 0)
            return "";
        if (static_cast<std::size_t>(n) < size - 1)
            return std::string(buffer.data(), static_cast<std::size_t>(n));
    }
    return "";
}
#endif
