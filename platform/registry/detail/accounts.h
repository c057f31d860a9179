// HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\DocFolderPaths, where Windows keeps one value
// per person using the machine. The store answers it from the machine's accounts instead of the file:
// it always exists, opens even with full access, lists one REG_SZ value per account (the home folder),
// has no subkeys, and refuses every change with ERROR_ACCESS_DENIED, since the accounts are not the
// store's to change. Everything that decides about the key is here.
#pragma once

#include "platform/registry/detail/image.h"
#include "platform/registry/detail/names.h"
#include "platform/registry/store.h"
#include "platform/win32/types.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace vexor::registry::detail {

// The id handles on the accounts key carry; no key of the file has it.
constexpr std::int64_t kAccountsKeyId = -1;
constexpr std::size_t kNotOnPath = std::numeric_limits<std::size_t>::max();

// Where `path`, taken from the key `start`, reaches the accounts key: the index of that component, or
// kNotOnPath.
std::size_t accountsKeyOnPath(const Image& image, std::int64_t start, const std::vector<Name>& path);

// The key's value of that name (its home folder, NUL-terminated); ERROR_FILE_NOT_FOUND when there is
// no such account.
LONG readAccount(const Name& name, ValueState& value);

// Its index-th value. The accounts are read afresh at index 0, and kept for the indexes that follow.
LONG accountAt(std::size_t index, ValueState& value);

void useAccountSource(AccountSource source);

} // namespace vexor::registry::detail
