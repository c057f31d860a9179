#include "platform/strings.h"

#include <algorithm>
#include <cstring>

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
