// How the store compares names: case-insensitively, as Windows does, by upper-casing them. Names are
// bytes in the program's code page (UTF-8 here); bytes that are not valid UTF-8 still work as names
// and fold as ASCII only, so no name is ever rejected or altered for its encoding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vexor::registry::detail {

// The upper-cased form used for lookup and ordering: ASCII always; valid UTF-8 by Unicode's simple
// upper-case mapping.
std::string foldName(std::string_view name);

// The length Windows would measure: UTF-16 code units for valid UTF-8 (so "ü" is one character and
// an emoji two), one per byte that is not valid UTF-8.
std::size_t nameLength(std::string_view name);

} // namespace vexor::registry::detail
