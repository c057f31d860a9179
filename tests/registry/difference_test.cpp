// The difference a transaction writes, and the order a backend applies it in: without any store.
#include "platform/registry/difference.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vexor::registry;

namespace {

ValueState value(const char* name, const char* data, std::int64_t seq) {
    return {name, name, 1, data, seq};
}

KeyState key(std::int64_t id, std::int64_t parent, std::vector<ValueState> values, std::int64_t written = 5) {
    return {id, parent, "k" + std::to_string(id), "K" + std::to_string(id), false, written, std::move(values)};
}

std::vector<std::string> pathOf(std::int64_t id) {
    return std::vector<std::string>(static_cast<std::size_t>(id % 10), "x");
}

// "A4 B5 ": each value's name and order number.
std::string names(const std::vector<ValueState>& values) {
    std::string text;
    for (const ValueState& v : values)
        text += v.name + std::to_string(v.seq) + " ";
    return text;
}

// Records what a backend is asked to do, in order.
class Recorder : public DifferenceSink {
  public:
    LONG writeKey(const KeyChange& c) override { return note("write " + c.key.name); }
    LONG setValue(const KeyChange& c, const ValueState& v) override { return note("set " + c.key.name + "." + v.name); }
    LONG removeValue(const KeyChange& c, const std::string& f) override { return note("remove " + c.key.name + "." + f); }
    LONG deleteKey(const KeyChange& c) override { return note("delete " + c.key.name); }

    std::string log;
    int failAt = -1;

  private:
    LONG note(const std::string& step) {
        if (failAt-- == 0)
            return ERROR_WRITE_FAULT;
        log += step + "; ";
        return ERROR_SUCCESS;
    }
};

} // namespace

// A key written again as it was is no change, however it got there; otherwise only what differs is
// written, and the stored order numbers stay unique.
TEST(Difference, OnlyWhatDiffersIsWrittenAndTheOrderIsKept) {
    const std::vector<ValueState> stored{value("A", "1", 4), value("B", "2", 5), value("C", "3", 6)};
    const struct {
        const char* what;
        std::vector<ValueState> after;
        const char* set;     // names and order numbers written
        const char* removed; // folded names removed
        const char* stored;  // the values as they are then stored
    } cases[] = {
        {"written again, numbered anew", {value("A", "1", 1), value("B", "2", 2), value("C", "3", 3)}, "", "",
         "A4 B5 C6 "},
        {"one value changed", {value("A", "1", 1), value("B", "new", 2), value("C", "3", 3)}, "B5 ", "",
         "A4 B5 C6 "},
        {"one value gone", {value("A", "1", 4), value("C", "3", 6)}, "", "B ", "A4 C6 "},
        {"one value added", {value("A", "1", 4), value("B", "2", 5), value("C", "3", 6), value("D", "4", 7)},
         "D7 ", "", "A4 B5 C6 D7 "},
        {"order changed", {value("B", "2", 1), value("A", "1", 2), value("C", "3", 3)}, "B7 A8 C9 ", "",
         "B7 A8 C9 "},
        {"new value ahead of old ones", {value("D", "4", 1), value("A", "1", 2)}, "D7 A8 ", "B C ", "D7 A8 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        KeyState after = key(3, 1, c.after, 9);
        Difference difference;
        addDifference(key(3, 1, stored), &after, pathOf, difference);
        EXPECT_EQ(names(after.values), c.stored);
        if (*c.set == '\0' && *c.removed == '\0') {
            EXPECT_TRUE(difference.empty());
            EXPECT_EQ(after.written, 5) << "the stored time stays";
            continue;
        }
        ASSERT_EQ(difference.keys.size(), 1u);
        const KeyChange& change = difference.keys[0];
        EXPECT_EQ(change.kind, KeyChange::Kind::Update);
        EXPECT_EQ(change.key.written, 9);
        EXPECT_EQ(change.path.size(), 3u);
        EXPECT_EQ(names(change.set), c.set);
        std::string removed;
        for (const std::string& folded : change.removed)
            removed += folded + " ";
        EXPECT_EQ(removed, c.removed);
    }
}

// New and changed keys come parents first, each with its values; then the values that go; then the
// keys that go, children first. A crash part-way never removes what both states hold.
TEST(Difference, IsAppliedInACrashSafeOrderAndStopsAtTheFirstFailure) {
    Difference difference;
    KeyState child = key(12, 11, {value("v", "1", 1)});
    KeyState parent = key(11, 1, {});
    KeyState kept = key(23, 1, {value("w", "2", 1)});
    addDifference(std::nullopt, &child, pathOf, difference);
    addDifference(key(22, 21, {}), nullptr, pathOf, difference);
    addDifference(key(23, 1, {value("x", "3", 1)}), &kept, pathOf, difference);
    addDifference(std::nullopt, &parent, pathOf, difference);
    addDifference(key(21, 1, {}), nullptr, pathOf, difference);
    Recorder all;
    EXPECT_EQ(applyInOrder(difference, all), ERROR_SUCCESS);
    EXPECT_EQ(all.log, "write k11; write k12; set k12.v; write k23; set k23.w; remove k23.x; delete k22; delete k21; ");
    Recorder failing;
    failing.failAt = 2;
    EXPECT_EQ(applyInOrder(difference, failing), ERROR_WRITE_FAULT);
    EXPECT_EQ(failing.log, "write k11; write k12; ");
}
