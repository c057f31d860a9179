#include "platform/registry/detail/accounts.h"

#include "platform/registry/detail/passwd_accounts.h"
#include "platform/registry/registry.h"

#include <algorithm>
#include <array>
#include <pwd.h>
#include <unordered_set>

namespace vexor::registry::detail {

namespace {

const std::array<std::string, 7> kAccountsPath = {
    "HKEY_LOCAL_MACHINE", "SOFTWARE", "MICROSOFT", "WINDOWS", "CURRENTVERSION", "EXPLORER", "DOCFOLDERPATHS"};

struct Account {
    Name name;
    std::string home;
};

AccountSource& source() {
    static AccountSource current;
    return current;
}

std::vector<Account>& listed() {
    static std::vector<Account> accounts;
    return accounts;
}

std::string homeOf(const std::string& name) {
    const passwd* entry = getpwnam(name.c_str());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

// The accounts as the key shows them now: in the source's order, without names that are empty, too
// long for a value name, or repeated (ignoring case).
std::vector<Account> currentAccounts() {
    const std::vector<std::string> names = source() ? source()() : passwordDatabaseAccounts();
    std::vector<Account> accounts;
    std::unordered_set<std::string> seen;
    for (const std::string& text : names) {
        Name name = makeName(text);
        if (name.text.empty() || name.text.find('\0') != std::string::npos || isValueNameTooLong(name))
            continue;
        if (!seen.insert(name.folded).second)
            continue;
        accounts.push_back({std::move(name), homeOf(text)});
    }
    return accounts;
}

ValueState valueOf(const Account& account, std::size_t index) {
    return {account.name.text, account.name.folded, REG_SZ, account.home + '\0', static_cast<std::int64_t>(index)};
}

} // namespace

std::size_t accountsKeyOnPath(const Image& image, std::int64_t start, const std::vector<Name>& path) {
    if (std::none_of(path.begin(), path.end(), [](const Name& n) { return n.folded == kAccountsPath.back(); }))
        return kNotOnPath;
    if (start == kAccountsKeyId)
        return kNotOnPath;
    std::vector<std::string> prefix = image.pathOf(start);
    if (prefix.empty() || prefix.size() >= kAccountsPath.size())
        return kNotOnPath;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (foldName(prefix[i]) != kAccountsPath[i])
            return kNotOnPath;
    }
    const std::size_t needed = kAccountsPath.size() - prefix.size();
    if (path.size() < needed)
        return kNotOnPath;
    for (std::size_t i = 0; i < needed; ++i) {
        if (path[i].folded != kAccountsPath[prefix.size() + i])
            return kNotOnPath;
    }
    return needed - 1;
}

LONG readAccount(const Name& name, ValueState& value) {
    const std::vector<Account> accounts = currentAccounts();
    for (std::size_t i = 0; i < accounts.size(); ++i) {
        if (accounts[i].name.folded == name.folded) {
            value = valueOf(accounts[i], i);
            return ERROR_SUCCESS;
        }
    }
    return ERROR_FILE_NOT_FOUND;
}

LONG accountAt(std::size_t index, ValueState& value) {
    if (index == 0 || listed().empty())
        listed() = currentAccounts();
    if (index >= listed().size())
        return ERROR_NO_MORE_ITEMS;
    value = valueOf(listed()[index], index);
    return ERROR_SUCCESS;
}

void useAccountSource(AccountSource replacement) {
    source() = std::move(replacement);
    listed().clear();
}

} // namespace vexor::registry::detail
