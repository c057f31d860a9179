// The rules for key paths and value names, checked before the store is touched so that a refused
// name never creates or changes anything.
#pragma once

#include "platform/win32/types.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vexor::registry::detail {

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
LONG parseKeyPath(LPCSTR path, std::vector<Name>& components);

// NULL names the unnamed value, as "" does.
Name valueName(LPCSTR name);
bool isValueNameTooLong(const Name& name);

} // namespace vexor::registry::detail
