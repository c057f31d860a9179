#include "platform/registry/detail/accounts.h"

#include "platform/registry/detail/passwd_accounts.h"

#include <pwd.h>
#include <unordered_set>

namespace vexor::registry::detail {

namespace {

AccountSource& source() {
    static AccountSource current;
    return current;
}

std::string homeOf(const std::string& name) {
    const passwd* entry = getpwnam(name.c_str());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

} // namespace

void useAccountSource(AccountSource replacement) {
    source() = std::move(replacement);
}

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

} // namespace vexor::registry::detail
