#include "platform/registry/detail/image.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <sys/random.h>
#include <unistd.h>

namespace vexor::registry::detail {

namespace {

// Keys with more values than this find them through an index; fewer are found faster by looking.
constexpr std::size_t kIndexedValues = 16;

// Ids come from a random place in the 63-bit range, one after the other: a process draws where its
// run of ids starts and counts up from there. An id freed by a deletion or a rollback, or taken by
// another process, is then for all practical purposes never given to a second key (two processes'
// runs would have to meet), so a stale handle can't come to name another key. And the keys one save
// creates get neighbouring ids, so their rows and values lie together in the file. 0 to 15 stay free
// for the roots and for ids the store reserves.
constexpr std::int64_t kIdRunLength = std::int64_t(1) << 32;

// From the system, not from SQLite's generator: a forked child has a copy of that one's state and
// would draw what its parent draws.
std::int64_t randomRunStart() {
    std::int64_t start = 0;
    while (start < 16 || start > std::numeric_limits<std::int64_t>::max() - kIdRunLength) {
        if (getrandom(&start, sizeof start, 0) != static_cast<ssize_t>(sizeof start))
            sqlite3_randomness(sizeof start, &start);
        start &= std::numeric_limits<std::int64_t>::max();
    }
    return start;
}

// A forked child starts a run of its own: its copy of the counter would give out the ids its parent
// goes on to use.
std::int64_t newKeyId() {
    static std::int64_t next = 0;
    static std::int64_t runEnd = 0;
    static pid_t owner = 0;
    if (next >= runEnd || owner != getpid()) {
        next = randomRunStart();
        runEnd = next + kIdRunLength;
        owner = getpid();
    }
    return next++;
}

bool bySeq(const ValueState& a, const ValueState& b) {
    return a.seq < b.seq;
}

} // namespace

std::int64_t fileTimeNow() {
    using namespace std::chrono;
    constexpr std::int64_t kUnixEpochAsFileTime = 116444736000000000;
    const auto since1970 = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
    return kUnixEpochAsFileTime + since1970 / 100;
}

void Image::reindex(const Node& node) {
    if (node.key.values.size() <= kIndexedValues) {
        m_valueIndex.erase(node.key.id);
        return;
    }
    auto& index = m_valueIndex[node.key.id];
    index.clear();
    for (std::size_t i = 0; i < node.key.values.size(); ++i)
        index.emplace(node.key.values[i].folded, i);
}

void Image::unload() {
    m_loaded = false;
    m_keys.clear();
    m_valueIndex.clear();
    m_before.clear();
    m_gone.clear();
    ++m_shape;
}

void Image::loadEmpty() {
    beginLoad();
    addLoadedKey({kClassesRootId, 0, "HKEY_CLASSES_ROOT", "HKEY_CLASSES_ROOT", false, 0, {}});
    addLoadedKey({kLocalMachineId, 0, "HKEY_LOCAL_MACHINE", "HKEY_LOCAL_MACHINE", false, 0, {}});
    finishLoad();
}

void Image::beginLoad() {
    unload();
}

void Image::addLoadedKey(KeyState key) {
    const std::int64_t id = key.id;
    m_keys[id].key = std::move(key);
}

bool Image::addLoadedValue(std::int64_t key, ValueState value) {
    const auto found = m_keys.find(key);
    if (found == m_keys.end())
        return false;
    // Most keys hold a few values: room for four at once spares the steps of growing one by one.
    std::vector<ValueState>& values = found->second.key.values;
    if (values.empty())
        values.reserve(4);
    values.push_back(std::move(value));
    return true;
}

void Image::finishLoad() {
    for (auto& [id, node] : m_keys) {
        link(node);
        std::vector<ValueState>& values = node.key.values;
        if (!std::is_sorted(values.begin(), values.end(), bySeq))
            std::sort(values.begin(), values.end(), bySeq);
        reindex(node);
    }
    m_loaded = true;
    ++m_shape;
}

void Image::link(Node& node) {
    if (node.key.parent == 0)
        return;
    if (Node* parent = find(node.key.parent))
        parent->children[node.key.folded] = node.key.id;
}

Node* Image::any(std::int64_t id) {
    const auto found = m_keys.find(id);
    return found == m_keys.end() ? nullptr : &found->second;
}

const Node* Image::any(std::int64_t id) const {
    const auto found = m_keys.find(id);
    return found == m_keys.end() ? nullptr : &found->second;
}

Node* Image::find(std::int64_t id) {
    Node* node = any(id);
    return node && !node->gone ? node : nullptr;
}

// Keys with few children are found faster in their map than through the remembered one.
Node* Image::child(const Node& parent, const std::string& folded) {
    constexpr std::size_t kManyChildren = 32;
    const bool many = parent.children.size() > kManyChildren;
    if (many && m_lastChild.parent == parent.key.id && m_lastChild.shape == m_shape && m_lastChild.folded == folded)
        return find(m_lastChild.id);
    const auto found = parent.children.find(folded);
    if (found == parent.children.end())
        return nullptr;
    if (many)
        m_lastChild = {parent.key.id, m_shape, folded, found->second};
    return find(found->second);
}

// Callers enumerate index after index: the next one is a step from the last, not a walk from the start.
// Keys deleted in the open transaction are stepped over.
Node* Image::childAt(const Node& parent, std::size_t index) {
    auto& cursor = m_cursor;
    const auto end = parent.children.end();
    const auto skipGone = [&] {
        while (cursor.at != end && any(cursor.at->second)->gone)
            ++cursor.at;
    };
    if (cursor.parent != parent.key.id || cursor.shape != m_shape || cursor.index > index) {
        cursor = {parent.key.id, m_shape, 0, parent.children.begin()};
        skipGone();
    }
    while (cursor.index < index && cursor.at != end) {
        ++cursor.at;
        skipGone();
        ++cursor.index;
    }
    return cursor.at == end ? nullptr : any(cursor.at->second);
}

ValueState* Image::value(Node& node, const std::string& folded) {
    std::vector<ValueState>& values = node.key.values;
    if (values.size() > kIndexedValues) {
        auto index = m_valueIndex.find(node.key.id);
        if (index == m_valueIndex.end() || index->second.size() != values.size()) {
            reindex(node);
            index = m_valueIndex.find(node.key.id);
        }
        const auto found = index->second.find(folded);
        return found == index->second.end() ? nullptr : &values[found->second];
    }
    for (ValueState& value : values) {
        if (value.folded == folded)
            return &value;
    }
    return nullptr;
}

std::vector<std::string> Image::pathOf(std::int64_t id) const {
    std::vector<std::string> path;
    while (id != 0) {
        const Node* node = any(id);
        if (!node)
            break;
        path.push_back(node->key.name);
        id = node->key.parent;
    }
    std::reverse(path.begin(), path.end());
    return path;
}

// Without recursion: a store another program wrote may nest keys deeper than the stack would allow.
bool Image::anyDenied(std::int64_t id) const {
    std::vector<std::int64_t> pending{id};
    while (!pending.empty()) {
        const Node* node = any(pending.back());
        pending.pop_back();
        if (!node || node->gone)
            continue;
        if (node->key.denyFull)
            return true;
        for (const auto& [folded, childId] : node->children)
            pending.push_back(childId);
    }
    return false;
}

void Image::record(const Node& node) {
    m_before.try_emplace(node.key.id, node.key);
}

// A key deleted at the place in the open transaction comes back with its id; its state before the
// transaction is kept for the difference.
Node& Image::createChild(Node& parent, const Name& name) {
    ++m_shape;
    const auto place = parent.children.find(name.folded);
    if (place != parent.children.end()) {
        Node& node = *any(place->second);
        m_before.try_emplace(place->second, std::move(node.key));
        const std::size_t room = node.key.values.capacity();
        node.key = {place->second, parent.key.id, name.text, name.folded, false, fileTimeNow(), {}};
        node.key.values.reserve(std::max<std::size_t>(room, 4));
        m_valueIndex.erase(place->second); // the old values' places are not the new ones'
        node.gone = false;
        return node;
    }
    const std::int64_t id = newKeyId();
    m_before.try_emplace(id, std::nullopt);
    Node& node = m_keys[id];
    node.key = {id, parent.key.id, name.text, name.folded, false, fileTimeNow(), {}};
    parent.children.emplace(name.folded, id);
    return node;
}

// An existing value keeps its place in the order and the case of its name.
void Image::setValue(Node& node, const Name& name, DWORD type, std::string_view data) {
    ValueState* existing = value(node, name.folded);
    if (existing && existing->type == type && existing->data == data)
        return;
    record(node);
    if (existing) {
        existing->type = type;
        existing->data.assign(data);
    } else {
        std::vector<ValueState>& values = node.key.values;
        const std::int64_t seq = values.empty() ? 1 : values.back().seq + 1;
        values.push_back({name.text, name.folded, type, std::string(data), seq});
        if (const auto index = m_valueIndex.find(node.key.id); index != m_valueIndex.end())
            index->second.emplace(name.folded, values.size() - 1);
    }
    node.key.written = fileTimeNow();
}

void Image::removeValue(Node& node, const std::string& folded) {
    record(node);
    std::vector<ValueState>& values = node.key.values;
    values.erase(std::remove_if(values.begin(), values.end(),
                                [&folded](const ValueState& value) { return value.folded == folded; }),
                 values.end());
    m_valueIndex.erase(node.key.id);
    node.key.written = fileTimeNow();
}

// The keys stay as they are, marked gone, until the commit (see Node::gone).
void Image::deleteTree(std::int64_t id) {
    std::vector<std::int64_t> pending{id};
    while (!pending.empty()) {
        Node* node = find(pending.back());
        pending.pop_back();
        if (!node)
            continue;
        for (const auto& [folded, childId] : node->children)
            pending.push_back(childId);
        node->gone = true;
        m_gone.push_back(node->key.id);
    }
    ++m_shape;
}

void Image::mark(Node& node, bool denied) {
    record(node);
    node.key.denyFull = denied;
}

// Keys that stay deleted are named before any of them is taken apart, then leave the image.
Difference Image::takeDifference() {
    std::unordered_map<std::int64_t, std::vector<std::string>> gonePaths;
    for (const std::int64_t id : m_gone) {
        if (any(id)->gone)
            gonePaths.emplace(id, pathOf(id));
    }
    const auto pathOfKey = [&](std::int64_t id) {
        const auto gone = gonePaths.find(id);
        return gone != gonePaths.end() ? std::move(gone->second) : pathOf(id);
    };
    Difference difference;
    for (auto& [id, before] : m_before) {
        Node* after = find(id);
        addDifference(std::move(before), after ? &after->key : nullptr, pathOfKey, difference);
        if (after)
            reindex(*after);
    }
    for (const std::int64_t id : m_gone) {
        Node* node = any(id);
        if (!node || !node->gone)
            continue;
        if (Node* parent = any(node->key.parent))
            parent->children.erase(node->key.folded);
        if (!m_before.count(id))
            addDifference(std::move(node->key), nullptr, pathOfKey, difference);
        m_valueIndex.erase(id);
        m_keys.erase(id);
    }
    m_before.clear();
    m_gone.clear();
    ++m_shape;
    return difference;
}

} // namespace vexor::registry::detail
