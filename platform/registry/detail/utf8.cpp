#include "platform/registry/detail/utf8.h"

namespace vexor::registry::detail {

namespace {

// The first byte tells the sequence's length and the smallest code point it may carry; anything
// smaller would be an overlong form.
struct Lead {
    std::size_t length;
    char32_t bits;
    char32_t minimum;
};

Lead leadOf(unsigned char byte) {
    if (byte < 0x80)
        return {1, byte, 0};
    if ((byte & 0xE0) == 0xC0)
        return {2, byte & 0x1Fu, 0x80};
    if ((byte & 0xF0) == 0xE0)
        return {3, byte & 0x0Fu, 0x800};
    if ((byte & 0xF8) == 0xF0)
        return {4, byte & 0x07u, 0x10000};
    return {0, 0, 0};
}

bool isScalarValue(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

} // namespace

Utf8Char decodeUtf8(std::string_view text, std::size_t position) {
    const Lead lead = leadOf(static_cast<unsigned char>(text[position]));
    if (lead.length == 0 || position + lead.length > text.size())
        return {0, 0};
    char32_t c = lead.bits;
    for (std::size_t i = 1; i < lead.length; ++i) {
        const auto byte = static_cast<unsigned char>(text[position + i]);
        if ((byte & 0xC0) != 0x80)
            return {0, 0};
        c = (c << 6) | (byte & 0x3Fu);
    }
    if (c < lead.minimum || !isScalarValue(c))
        return {0, 0};
    return {c, lead.length};
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace vexor::registry::detail
