// Store text is UTF-8 bytes on Linux; .reg files of the current format are UTF-16. Converting between
// the two must never lose a byte, because an export followed by an import has to give back exactly
// what the store held, whatever it held.
#pragma once

#include <string>
#include <string_view>

// Bytes that are not part of valid UTF-8 travel as the lone surrogates U+DC80..U+DCFF (one per byte,
// the "surrogate escape" Python uses for file names), so UTF-16 text is total over any bytes.
std::u16string Utf8ToUtf16(std::string_view bytes);

// The inverse: valid UTF-16 becomes UTF-8; a lone U+DC80..U+DCFF becomes its byte again; any other
// lone surrogate is written in the three-byte form so that nothing is dropped.
std::string Utf16ToUtf8(std::u16string_view text);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// UTF-16LE bytes and back; an odd trailing byte can't form a unit, so FromUtf16Le refuses it.
std::string ToUtf16Le(std::u16string_view text);
bool FromUtf16Le(std::string_view bytes, std::u16string& text);
