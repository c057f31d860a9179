#include "platform/registry/detail/replaced_keys.h"

#include <map>
#include <utility>

namespace vexor::registry::detail {

namespace {
std::map<std::pair<std::int64_t, std::string>, std::int64_t>& replaced() {
    static std::map<std::pair<std::int64_t, std::string>, std::int64_t> keys;
    return keys;
}
} // namespace

void rememberReplaced(std::int64_t parent, const std::string& folded, std::int64_t id) {
    replaced().emplace(std::make_pair(parent, folded), id);
}

bool takeReplaced(std::int64_t parent, const std::string& folded, std::int64_t& id) {
    const auto found = replaced().find({parent, folded});
    if (found == replaced().end())
        return false;
    id = found->second;
    replaced().erase(found);
    return true;
}

void forgetReplaced() { replaced().clear(); }

} // namespace vexor::registry::detail
