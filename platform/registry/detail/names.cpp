#include "platform/registry/detail/names.h"

#include <array>
#include <clocale>
#include <cwctype>
#include <locale.h>
#include <string_view>

namespace vexor::registry::detail {

namespace {

// One UTF-8 sequence, decoded strictly (no overlong forms, no surrogates, nothing above U+10FFFF).
struct Utf8Char {
    char32_t codePoint;
    std::size_t length; // bytes the sequence takes; 0 when the bytes at the position are not valid UTF-8
};


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

// A locale object of its own, so that what the program sets with setlocale() never changes how names
// compare: two processes with different locales must agree on which names are the same.
locale_t unicodeLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

char foldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

char32_t foldCodePoint(char32_t c) {
    const locale_t locale = unicodeLocale();
    if (!locale)
        return c;
    return static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), locale));
}

} // namespace

std::string foldName(std::string_view name) {
    std::string folded;
    folded.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        const unsigned char byte = static_cast<unsigned char>(name[i]);
        const Utf8Char ch = byte < 0x80 ? Utf8Char{0, 0} : decodeUtf8(name, i);
        if (ch.length == 0) {
            folded += foldAscii(name[i]);
            ++i;
            continue;
        }
        appendUtf8(folded, foldCodePoint(ch.codePoint));
        i += ch.length;
    }
    return folded;
}

std::size_t nameLength(std::string_view name) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < name.size();) {
        const Utf8Char ch = decodeUtf8(name, i);
        length += ch.codePoint >= 0x10000 ? 2 : 1;
        i += ch.length == 0 ? 1 : ch.length;
    }
    return length;
}

Name makeName(std::string text) {
    std::string folded = foldName(text);
    return {std::move(text), std::move(folded)};
}

namespace {

LONG splitKeyPath(std::string_view rest, std::vector<Name>& components) {
    components.clear();
    bool tooLong = false;
    while (true) {
        const std::size_t separator = rest.find('\\');
        const std::string_view component = rest.substr(0, separator);
        if (component.empty())
            return ERROR_BAD_PATHNAME;
        tooLong = tooLong || nameLength(component) > kMaxKeyNameLength;
        components.push_back(makeName(std::string(component)));
        if (separator == std::string_view::npos)
            break;
        rest.remove_prefix(separator + 1);
    }
    return tooLong ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
}

// Callers open the same few paths again and again (every value of an account opens the account's key
// anew, between the steps of an enumeration of their parent), and splitting and folding a path costs
// more than finding its key: the two paths used last are kept, with what they gave.
struct ParsedPath {
    std::string text;
    LONG status = ERROR_SUCCESS;
    std::vector<Name> components;
};

std::array<ParsedPath, 2> g_recent;
std::size_t g_usedLast = 0;

} // namespace

LONG parseKeyPath(LPCSTR path, const std::vector<Name>*& components) {
    static const std::vector<Name> none;
    components = &none;
    if (!path || !*path)
        return ERROR_SUCCESS;
    for (std::size_t slot = 0; slot < g_recent.size(); ++slot) {
        if (!g_recent[slot].text.empty() && g_recent[slot].text == path) {
            g_usedLast = slot;
            components = &g_recent[slot].components;
            return g_recent[slot].status;
        }
    }
    g_usedLast = 1 - g_usedLast;
    ParsedPath& parsed = g_recent[g_usedLast];
    parsed.text.clear(); // an exception while splitting must not leave the slot naming this path
    parsed.status = splitKeyPath(path, parsed.components);
    parsed.text = path;
    components = &parsed.components;
    return parsed.status;
}

Name valueName(LPCSTR name) {
    return makeName(name ? std::string(name) : std::string());
}

bool isValueNameTooLong(const Name& name) {
    return nameLength(name.text) > kMaxValueNameLength;
}

} // namespace vexor::registry::detail
