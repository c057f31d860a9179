#include "platform/registry/detail/text.h"

#include "platform/registry/detail/utf8.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace vexor::registry::detail {

namespace {

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

} // namespace vexor::registry::detail
