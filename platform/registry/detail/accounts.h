// HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\DocFolderPaths, where Windows keeps one value
// per person using the machine. The store answers it from the machine's accounts instead of the file:
// it always exists, opens even with full access, lists one REG_SZ value per account (the home folder),
// has no subkeys, and refuses every change with ERROR_ACCESS_DENIED, since the accounts are not the
// store's to change.
#pragma once

#include "platform/registry/detail/names.h"
#include "platform/registry/store.h"
#include "platform/win32/types.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace vexor::registry::detail {

constexpr std::int64_t kAccountsKeyId = -1;
constexpr std::size_t kNotOnPath = std::numeric_limits<std::size_t>::max();

// Where `path`, taken from the key `start`, reaches the accounts key: the index of that component, or
// kNotOnPath.
LONG findAccountsKeyOnPath(std::int64_t start, const std::vector<Name>& path, std::size_t& index);

struct Account {
    Name name;
    std::string home;
};

// The accounts as the key shows them now: in the source's order, without names that are empty, too
// long for a value name, or repeated (ignoring case).
std::vector<Account> currentAccounts();

void useAccountSource(AccountSource source);

} // namespace vexor::registry::detail
