// Names of keys and values: how the store compares them (case-insensitively, as Windows does, by
// upper-casing them), and the rules for key paths and value names, checked before the store is
// touched so that a refused name never creates or changes anything. Names are bytes in the program's
// code page (UTF-8 here); bytes that are not valid UTF-8 still work as names and fold as ASCII only,
// so no name is ever rejected or altered for its encoding.
#pragma once

#include "platform/win32/types.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vexor::registry::detail {

// The upper-cased form used for lookup and ordering: ASCII always; valid UTF-8 by Unicode's simple
// upper-case mapping.
std::string foldName(std::string_view name);

// The length Windows would measure: UTF-16 code units for valid UTF-8 (so "ü" is one character and
// an emoji two), one per byte that is not valid UTF-8.
std::size_t nameLength(std::string_view name);

constexpr std::size_t kMaxKeyNameLength = 255;
constexpr std::size_t kMaxValueNameLength = 16383;

struct Name {
    std::string text;   // as given: the case is kept
    std::string folded; // upper-cased: how it is found and ordered
};

Name makeName(std::string text);

// Splits a path of key names separated by "\". NULL and "" give no components (the key itself).
// A path with an empty component (a leading, doubled or trailing "\") gives ERROR_BAD_PATHNAME; one with
// a component longer than 255 characters ERROR_INVALID_PARAMETER. Windows quietly drops doubled and
// trailing separators; refusing them keeps a mistyped or empty name from landing on its parent key.
// The components stay valid until the next call.
LONG parseKeyPath(LPCSTR path, const std::vector<Name>*& components);

// NULL names the unnamed value, as "" does.
Name valueName(LPCSTR name);
bool isValueNameTooLong(const Name& name);

} // namespace vexor::registry::detail
