// The store as this process last read it, in memory: every key with its id, name, mark, last-write
// time, children and values. Reads are answered from it; a write changes it and records, for each key
// it touches, the key as it was before, so that the transaction's difference can be taken at commit.
// When and whether the image matches the file is the store's business (see store_state.h); the image
// itself knows nothing of files.
#pragma once

#include "platform/registry/detail/names.h"
#include "platform/registry/difference.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vexor::registry::detail {

constexpr std::int64_t kClassesRootId = 1;
constexpr std::int64_t kLocalMachineId = 2;

struct Node {
    KeyState key;
    // Deleted by the open transaction. The node stays, with its state as it was, until the commit:
    // a key created again at its place takes it back, id and all, so that a handle on it stays good.
    bool gone = false;
    std::map<std::string, std::int64_t> children; // folded name -> id: the order enumerations give
};

class Image {
  public:
    bool loaded() const { return m_loaded; }
    // Forgets everything, the journal included: the next read loads the image again.
    void unload();
    // An image of an empty store: the two roots.
    void loadEmpty();

    // Loading: keys first, then their values in any order, then finishLoad().
    void beginLoad();
    void addLoadedKey(KeyState key);
    // False when no key has that id.
    bool addLoadedValue(std::int64_t key, ValueState value);
    void finishLoad();

    // Keys deleted in the open transaction are not found.
    Node* find(std::int64_t id);
    Node* child(const Node& parent, const std::string& folded);
    // The index-th child in enumeration order; nullptr past the last one.
    Node* childAt(const Node& parent, std::size_t index);
    ValueState* value(Node& node, const std::string& folded);
    // The names from the root (its own name first) down to the key; a key deleted in the open
    // transaction is named as it was.
    std::vector<std::string> pathOf(std::int64_t id) const;
    bool anyDenied(std::int64_t id) const;

    // Changes, made inside a write. Setting a value to what it is already changes nothing.
    Node& createChild(Node& parent, const Name& name);
    void setValue(Node& node, const Name& name, DWORD type, std::string_view data);
    void removeValue(Node& node, const std::string& folded);
    void deleteTree(std::int64_t id);
    void mark(Node& node, bool denied);

    // Whether the open transaction changed anything.
    bool touched() const { return !m_before.empty() || !m_gone.empty(); }
    // What the open transaction changed, taken against the keys as they were when it began. The image
    // is left as the store will be once the difference is written; the journal is emptied.
    Difference takeDifference();

  private:
    void record(const Node& node);
    void reindex(const Node& node);
    void link(Node& node);
    Node* any(std::int64_t id);
    const Node* any(std::int64_t id) const;

    bool m_loaded = false;
    std::unordered_map<std::int64_t, Node> m_keys;
    // Folded value name -> index in key.values, for the keys with many values only.
    std::unordered_map<std::int64_t, std::unordered_map<std::string, std::size_t>> m_valueIndex;
    // The journal of the open transaction: each key it touched as it was (nullopt: it did not exist),
    // and the keys it deleted.
    std::unordered_map<std::int64_t, std::optional<KeyState>> m_before;
    std::vector<std::int64_t> m_gone;
    // The child found last below a key with many children: callers look up the same key again and
    // again (an account's key for each of its values).
    struct {
        std::int64_t parent = 0;
        std::uint64_t shape = 0;
        std::string folded;
        std::int64_t id = 0;
    } m_lastChild;
    std::uint64_t m_shape = 0; // counts every key added or removed
    // Where the last childAt() stood, valid while no key was added or removed.
    struct {
        std::int64_t parent = 0;
        std::uint64_t shape = 0;
        std::size_t index = 0;
        std::map<std::string, std::int64_t>::const_iterator at;
    } m_cursor;
};

// The current time as a FILETIME count (100 ns since 1601), as keys record their last change.
std::int64_t fileTimeNow();

} // namespace vexor::registry::detail
