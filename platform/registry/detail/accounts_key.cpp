#include "platform/registry/detail/accounts.h"

#include "platform/registry/detail/keys.h"
#include "platform/registry/detail/schema.h"

#include <algorithm>
#include <array>

namespace vexor::registry::detail {

namespace {

const std::array<std::string, 6> kAccountsPath = {"SOFTWARE",       "MICROSOFT", "WINDOWS",
                                                  "CURRENTVERSION", "EXPLORER",  "DOCFOLDERPATHS"};

bool mentionsAccountsKey(const std::vector<Name>& path) {
    return std::any_of(path.begin(), path.end(),
                       [](const Name& n) { return n.folded == kAccountsPath.back(); });
}

// The upper-cased names from HKEY_LOCAL_MACHINE to `start`; false when `start` is not below it.
LONG pathFromLocalMachine(std::int64_t start, std::vector<std::string>& prefix, bool& below) {
    below = start == kLocalMachineId;
    prefix.clear();
    if (below || start == kClassesRootId || start == kAccountsKeyId)
        return ERROR_SUCCESS;
    std::int64_t root = 0;
    const LONG status = foldedPathOf(start, prefix, root);
    below = status == ERROR_SUCCESS && root == kLocalMachineId;
    return status;
}

} // namespace

LONG findAccountsKeyOnPath(std::int64_t start, const std::vector<Name>& path, std::size_t& index) {
    index = kNotOnPath;
    if (!mentionsAccountsKey(path))
        return ERROR_SUCCESS;
    std::vector<std::string> prefix;
    bool below = false;
    if (const LONG status = pathFromLocalMachine(start, prefix, below))
        return status;
    if (!below || prefix.size() >= kAccountsPath.size())
        return ERROR_SUCCESS;
    if (!std::equal(prefix.begin(), prefix.end(), kAccountsPath.begin()))
        return ERROR_SUCCESS;
    const std::size_t needed = kAccountsPath.size() - prefix.size();
    if (path.size() < needed)
        return ERROR_SUCCESS;
    for (std::size_t i = 0; i < needed; ++i) {
        if (path[i].folded != kAccountsPath[prefix.size() + i])
            return ERROR_SUCCESS;
    }
    index = needed - 1;
    return ERROR_SUCCESS;
}

} // namespace vexor::registry::detail
