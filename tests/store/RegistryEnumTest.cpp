#include "store/RegistryAccess.h"

#include "platform/cursor.h"

#include "tests/common/TempStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::string kStore = "CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}";

std::vector<std::string> AllSubKeys(const std::string& path) {
    std::vector<std::string> names;
    std::string out;
    while (EnumRegSubKey(HKEY_CLASSES_ROOT, path, out))
        names.push_back(out);
    return names;
}

std::vector<std::string> AllValueNames(HKEY root, const std::string& path) {
    std::vector<std::string> names;
    std::string out;
    while (EnumRegValueName(root, path, out))
        names.push_back(out);
    return names;
}

void Put(const std::string& path, const std::string& name) {
    WriteRegString(HKEY_CLASSES_ROOT, path, name, "", REG_SZ, __FILE__, __LINE__);
}

class RegistryEnum : public ::testing::Test {
  protected:
    void SetUp() override { g_regEnumIndex = 0; }
    TempStore store;
};

TEST_F(RegistryEnum, SubKeysComeSortedAndEndWithThePathValueNamesInCreationOrderAndEndUnchanged) {
    for (const char* name : {"carl", "Administrator", "Bob", "a_b", "aB"})
        Put(kStore + "\\" + name, "Group");
    EXPECT_EQ(AllSubKeys(kStore), (std::vector<std::string>{"aB", "Administrator", "a_b", "Bob", "carl"}));
    EXPECT_EQ(g_regEnumIndex, 0u);

    std::string out = "before";
    EXPECT_FALSE(EnumRegSubKey(HKEY_CLASSES_ROOT, kStore + "\\Bob", out));
    EXPECT_EQ(out, kStore + "\\Bob");
    EXPECT_FALSE(EnumRegSubKey(HKEY_CLASSES_ROOT, kStore + "\\Nobody", out));
    EXPECT_EQ(out, kStore + "\\Nobody");
    EXPECT_EQ(g_regEnumIndex, 0u);

    // Value names come in creation order, and the end keeps the output.
    for (const char* name : {"Zeta", "alpha", "100%", "a\\b", ""})
        Put(kStore, name);
    EXPECT_EQ(AllValueNames(HKEY_CLASSES_ROOT, kStore),
              (std::vector<std::string>{"Zeta", "alpha", "100%", "a\\b", ""}));

    out = "unchanged";
    EXPECT_FALSE(EnumRegValueName(HKEY_CLASSES_ROOT, kStore + "\\none", out));
    EXPECT_EQ(out, "unchanged");
    EXPECT_EQ(g_regEnumIndex, 0u);
}

TEST_F(RegistryEnum, AnAbandonedEnumerationLeavesTheSharedIndexWhereItStopped) {
    Put(kStore + "\\A", "x");
    Put(kStore + "\\B", "x");
    std::string out;
    ASSERT_TRUE(EnumRegSubKey(HKEY_CLASSES_ROOT, kStore, out));
    EXPECT_EQ(out, "A");
    EXPECT_EQ(g_regEnumIndex, 1u);
    ASSERT_TRUE(EnumRegSubKey(HKEY_CLASSES_ROOT, kStore, out));
    EXPECT_EQ(out, "B");
    EXPECT_FALSE(EnumRegSubKey(HKEY_CLASSES_ROOT, kStore, out));
    EXPECT_EQ(AllSubKeys(kStore), (std::vector<std::string>{"A", "B"}));
}

TEST_F(RegistryEnum, ANameThatDoesNotFitTheBufferEndsTheEnumeration) {
    Put(kStore, "first"); // created in the order of their names, the order Wine lists values in
    Put(kStore, std::string(999, 'n'));
    Put(kStore, std::string(1000, 'p'));
    Put(kStore, "then");
    const auto names = AllValueNames(HKEY_CLASSES_ROOT, kStore);
    EXPECT_EQ(names, (std::vector<std::string>{"first", std::string(999, 'n')}));
    EXPECT_EQ(g_regEnumIndex, 0u);
}

#ifndef _WIN32 // Linux's cursor calls; on Windows they are user32's
std::vector<int> g_cursors;
void RecordCursor(int id) { g_cursors.push_back(id); }

TEST_F(RegistryEnum, EveryStepShowsTheWaitCursorAndEndsWithTheArrow) {
    Put(kStore + "\\A", "x");
    vexor::cursor::setSink(&RecordCursor);
    g_cursors.clear();
    AllSubKeys(kStore);                                 // one name, then the end
    AllValueNames(HKEY_CLASSES_ROOT, kStore + "\\none"); // fails at once
    vexor::cursor::setSink(nullptr);
    EXPECT_EQ(g_cursors, (std::vector<int>{32514, 32512, 32514, 32512, 32514, 32512}));
}
#endif

} // namespace
