// Values in the store: raw bytes with a type, found by upper-cased name, kept in creation order.
#pragma once

#include "platform/registry/detail/names.h"
#include "platform/win32/types.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vexor::registry::detail {

struct ValueRow {
    std::string name;
    DWORD type;
    std::string data;
};

// ERROR_FILE_NOT_FOUND when the key has no such value, ERROR_KEY_DELETED when the key is gone.
LONG readValue(std::int64_t key, const Name& name, ValueRow& value);

// Inside a write. Setting an existing value keeps its place in the order and the case of its name.
LONG writeValue(std::int64_t key, const Name& name, DWORD type, std::string_view data);
LONG removeValue(std::int64_t key, const Name& name);

} // namespace vexor::registry::detail
