#include "platform/registry/difference.h"

#include <algorithm>
#include <unordered_map>

namespace vexor::registry {

namespace detail {

namespace {

bool sameValue(const ValueState& a, const ValueState& b) {
    return a.folded == b.folded && a.name == b.name && a.type == b.type && a.data == b.data;
}

std::int64_t lastSeq(const std::vector<ValueState>& values) {
    std::int64_t last = 0;
    for (const ValueState& value : values)
        last = std::max(last, value.seq);
    return last;
}

// Numbers `after`'s values as they are to be stored, and lists what is to be written and removed.
void diffValues(const std::vector<ValueState>& before, std::vector<ValueState>& after, KeyChange& change) {
    std::unordered_map<std::string, const ValueState*> old;
    for (const ValueState& value : before)
        old.emplace(value.folded, &value);
    // The values that stay must come first and in their old order, or the order is stored anew.
    std::int64_t previous = 0;
    bool keepsOrder = true;
    bool newSeen = false;
    for (const ValueState& value : after) {
        const auto found = old.find(value.folded);
        if (found == old.end()) {
            newSeen = true;
            continue;
        }
        keepsOrder = keepsOrder && !newSeen && found->second->seq > previous;
        previous = found->second->seq;
    }
    std::int64_t next = lastSeq(before);
    for (ValueState& value : after) {
        const auto found = old.find(value.folded);
        value.seq = keepsOrder && found != old.end() ? found->second->seq : ++next;
        if (found == old.end() || !sameValue(*found->second, value) || found->second->seq != value.seq)
            change.set.push_back(value);
    }
    std::unordered_map<std::string, bool> stays;
    for (const ValueState& value : after)
        stays.emplace(value.folded, true);
    for (const ValueState& value : before) {
        if (!stays.count(value.folded))
            change.removed.push_back(value.folded);
    }
}

} // namespace

bool sameContent(const KeyState& before, const KeyState& after) {
    return before.name == after.name && before.parent == after.parent && before.denyFull == after.denyFull &&
           std::equal(before.values.begin(), before.values.end(), after.values.begin(), after.values.end(),
                      sameValue);
}

void addKeyDifference(std::optional<KeyState> before, KeyState* after, std::vector<std::string> path,
                      Difference& difference) {
    KeyChange change;
    change.path = std::move(path);
    if (!after) {
        change.kind = KeyChange::Kind::Delete;
        change.id = before->id;
        change.key = std::move(*before);
    } else if (!before) {
        change.kind = KeyChange::Kind::Create;
        change.id = after->id;
        diffValues({}, after->values, change);
        change.key = *after;
        change.key.values.clear();
    } else {
        change.kind = KeyChange::Kind::Update;
        change.id = after->id;
        diffValues(before->values, after->values, change);
        change.key = *after;
        change.key.values.clear();
    }
    difference.keys.push_back(std::move(change));
}

} // namespace detail

// Keys are ordered by depth (their path's length): a parent is always shallower than its children.
LONG applyInOrder(const Difference& difference, DifferenceSink& sink) {
    std::vector<const KeyChange*> order;
    for (const KeyChange& change : difference.keys)
        order.push_back(&change);
    std::stable_sort(order.begin(), order.end(),
                     [](const KeyChange* a, const KeyChange* b) { return a->path.size() < b->path.size(); });
    for (const KeyChange* change : order) {
        if (change->kind == KeyChange::Kind::Delete)
            continue;
        if (const LONG status = sink.writeKey(*change))
            return status;
        for (const ValueState& value : change->set) {
            if (const LONG status = sink.setValue(*change, value))
                return status;
        }
    }
    for (const KeyChange* change : order) {
        for (const std::string& folded : change->removed) {
            if (const LONG status = sink.removeValue(*change, folded))
                return status;
        }
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if ((*it)->kind != KeyChange::Kind::Delete)
            continue;
        if (const LONG status = sink.deleteKey(**it))
            return status;
    }
    return ERROR_SUCCESS;
}

} // namespace vexor::registry
