// Keys deleted inside the open transaction, by place (parent id and folded name). A key created again
// at the same place before the commit takes its old id back: from outside, where the transaction is
// one atomic change, the key was changed but never gone, so a handle another program holds on it (the
// IDE on the account store while the manager saves) stays good.
#pragma once

#include <cstdint>
#include <string>

namespace vexor::registry::detail {

void rememberReplaced(std::int64_t parent, const std::string& folded, std::int64_t id);
// The id of a key deleted at this place in the open transaction; false when there was none.
bool takeReplaced(std::int64_t parent, const std::string& folded, std::int64_t& id);
void forgetReplaced();

} // namespace vexor::registry::detail
