// Decoding one UTF-8 sequence strictly (no overlong forms, no surrogates, nothing above U+10FFFF), and
// encoding a code point back.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vexor::registry::detail {

struct Utf8Char {
    char32_t codePoint;
    std::size_t length; // bytes the sequence takes; 0 when the bytes at the position are not valid UTF-8
};

Utf8Char decodeUtf8(std::string_view text, std::size_t position);
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace vexor::registry::detail
