// What a transaction changes, as the difference between the keys it touched before it began and as it
// leaves them, and the order in which a backend applies that difference. Nothing here knows how keys
// are stored. The SQLite store writes the difference in one SQLite transaction, in the order
// applyInOrder gives, so that a sink that applies it step by step is safe to swap in.
// The Windows registry does not go through here: its calls must be visible to reads inside the
// transaction at once, and the registry has no transactions to stage them in, so it writes new and
// changed keys and values as they come and keeps only the deletions for the commit (win32/journal.h).
// That is the same crash-safe order, with no copy of the registry's state to take a difference from.
#pragma once

#include "platform/win32/types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vexor::registry {

struct ValueState {
    std::string name;
    std::string folded; // upper-cased: how the value is found
    DWORD type = 0;
    std::string data;
    std::int64_t seq = 0; // the creation order among the key's values
};

struct KeyState {
    std::int64_t id = 0;
    std::int64_t parent = 0; // 0 for a root
    std::string name;
    std::string folded;
    bool denyFull = false;
    std::int64_t written = 0; // last-write time, FILETIME count
    std::vector<ValueState> values; // in creation order
};

// One key whose state differs. `path` names it from its root key down (the root's own name first);
// its length orders the changes, parents before children.
struct KeyChange {
    enum class Kind { Create, Update, Delete };
    Kind kind = Kind::Update;
    std::int64_t id = 0;
    std::vector<std::string> path;
    KeyState key;                     // as it is to be stored; the state before for Delete
    std::vector<ValueState> set;      // new values and changed ones, to be stored as given
    std::vector<std::string> removed; // folded names of values that go
};

struct Difference {
    std::vector<KeyChange> keys;
    bool empty() const { return keys.empty(); }
};

// A key as the transaction found it (nullopt: it did not exist) and as it leaves it (nullptr: gone).
// Adds its change to `difference` when there is one. A key whose content (name, mark, values in their
// order) is the same is no change, however it got there: its time and value order are set back to the
// stored ones in `after`. Otherwise `after` gets the value order numbers the backend is to store:
// values that stay keep theirs when their order is unchanged, new ones follow, and a changed order
// numbers them all anew past the old ones, so no two values of a key ever share a number.
// `pathOf` is asked only for keys that changed.
template <typename PathOf>
void addDifference(std::optional<KeyState> before, KeyState* after, const PathOf& pathOf, Difference& difference);

// Where a backend writes one change. Each call returns ERROR_SUCCESS or the failure that stops the
// application.
class DifferenceSink {
  public:
    virtual ~DifferenceSink() = default;
    virtual LONG writeKey(const KeyChange& change) = 0; // Create, Update
    virtual LONG setValue(const KeyChange& change, const ValueState& value) = 0;
    virtual LONG removeValue(const KeyChange& change, const std::string& folded) = 0;
    virtual LONG deleteKey(const KeyChange& change) = 0; // its values with it
};

// The crash-safe order: new and changed keys, parents before their children, each followed by its new
// and changed values; then the values that go; then the keys that go, children before their parents.
// Stops at the first failure and returns it.
LONG applyInOrder(const Difference& difference, DifferenceSink& sink);

namespace detail {
// The non-template part of addDifference.
void addKeyDifference(std::optional<KeyState> before, KeyState* after, std::vector<std::string> path,
                      Difference& difference);
bool sameContent(const KeyState& before, const KeyState& after);
} // namespace detail

template <typename PathOf>
void addDifference(std::optional<KeyState> before, KeyState* after, const PathOf& pathOf, Difference& difference) {
    if (!before && !after)
        return;
    if (before && after && detail::sameContent(*before, *after)) {
        after->written = before->written;
        after->values = std::move(before->values);
        return;
    }
    std::vector<std::string> path = pathOf(after ? after->id : before->id);
    detail::addKeyDifference(std::move(before), after, std::move(path), difference);
}

} // namespace vexor::registry
