#include "tools/reg/RegText.h"

#include "tools/reg/Utf16.h"

#include "platform/registry/registry.h"

bool IsTextType(DWORD dwType) {
    return dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ;
}

bool IsQuotableString(std::string_view data) {
    if (data.empty() || data.back() != '\0')
        return false;
    const std::string_view text = data.substr(0, data.size() - 1);
    return text.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos && IsValidUtf8(text);
}

std::string EscapeQuoted(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\\' || c == '"')
            out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

bool ParseQuotedText(std::string_view& rest, std::string& text, std::string& strError) {
    text.clear();
    for (std::size_t pos = 1; pos < rest.size(); ++pos) {
        const char c = rest[pos];
        if (c == '"') {
            rest.remove_prefix(pos + 1);
            return true;
        }
        if (c == '\\') {
            if (pos + 1 == rest.size())
                break;
            const char next = rest[++pos];
            if (next != '\\' && next != '"') {
                strError = std::string("unknown escape \"\\") + next +
                           "\" (write \\\\ for a backslash, \\\" for a quote).";
                return false;
            }
            text.push_back(next);
        } else {
            text.push_back(c);
        }
    }
    strError = "the closing quote is missing.";
    return false;
}
