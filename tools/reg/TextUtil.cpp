#include "tools/reg/TextUtil.h"

#include "tools/reg/Utf16.h"

namespace {

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithNoCase(a, b);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (FoldAscii(text[i]) != FoldAscii(prefix[i]))
            return false;
    }
    return true;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string HexByte(unsigned char byte) {
    static const char kDigits[] = "0123456789abcdef";
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

std::string EscapeForDisplay(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        std::string_view character = text.substr(i, length);
        const bool bC1 = lead == 0xC2 && character.size() == 2 && static_cast<unsigned char>(character[1]) < 0xA0;
        if (lead >= 0x80 && !IsValidUtf8(character))
            character = character.substr(0, 1);
        if (lead < 0x20 || lead == 0x7F || bC1 || (lead >= 0x80 && character.size() == 1)) {
            for (unsigned char byte : character)
                out += "\\x" + HexByte(byte);
        } else {
            out += character;
        }
        i += character.size();
    }
    return out;
}
