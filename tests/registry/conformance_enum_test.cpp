// Enumeration by index: subkeys ordered by upper-cased name, values in creation order, names that don't
// fit, and changes between the calls of one enumeration (the end: every listing of names checks it).
#include "tests/registry/conformance_fixture.h"

namespace {

// One step as the program takes it: open the key, fetch one index, close it again.
std::string subkeyAt(HKEY parent, DWORD index) {
    const Key key = openKey(parent, "");
    std::string name;
    const LONG status = enumKey(key, index, &name);
    return status == ERROR_SUCCESS ? name : "<status " + std::to_string(status) + ">";
}

const std::string kNoMoreItems = "<status 259>";

} // namespace

TEST_F(Conformance, SubkeysComeInOrderOfTheirUpperCasedNames) {
    for (const char* name : {"b", "a_b", "_x", "C", "aB", "A"})
        createKey(scratch(), name);
    // Upper-cased, "AB" < "A_B" because 'B' (0x42) < '_' (0x5F); lower case would put "a_b" first.
    EXPECT_EQ(subkeyNames(scratch()), (std::vector<std::string>{"A", "aB", "a_b", "b", "C", "_x"}));
}

// A value deleted and set again comes last: the store's test of a key's values through a commit.
TEST_F(Conformance, ValuesComeInCreationOrder) {
    for (const char* name : {"zeta", "Alpha", "mid"})
        ASSERT_EQ(setString(scratch(), name, "x"), ERROR_SUCCESS);
    EXPECT_EQ(valueNames(scratch()), (std::vector<std::string>{"zeta", "Alpha", "mid"}));
    ASSERT_EQ(setString(scratch(), "ALPHA", "again"), ERROR_SUCCESS);
    EXPECT_EQ(valueNames(scratch()), (std::vector<std::string>{"zeta", "Alpha", "mid"}))
        << "setting keeps the place";
}

TEST_F(Conformance, EnumeratedNamesMustFitWithTheirNul) {
    createKey(scratch(), "Seven77");
    ASSERT_EQ(setString(scratch(), "Seven77", "data"), ERROR_SUCCESS);
    for (bool values : {false, true}) {
        std::string name;
        EXPECT_EQ(enumName(values, scratch(), 0, &name, 7), ERROR_MORE_DATA);
        ASSERT_EQ(enumName(values, scratch(), 0, &name, 8), ERROR_SUCCESS);
        EXPECT_EQ(name, "Seven77");
    }
}

TEST_F(Conformance, ValueEnumerationDeliversTypeAndDataAndNeedsANameBuffer) {
    ASSERT_EQ(setString(scratch(), "Test", "foobar"), ERROR_SUCCESS);
    char name[20];
    char data[20];
    DWORD nameSize = sizeof name;
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    auto enumerate = [&] {
        return RegEnumValueA(scratch(), 0, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data),
                             &dataSize);
    };
    ASSERT_EQ(enumerate(), ERROR_SUCCESS);
    EXPECT_STREQ(name, "Test");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(dataSize, 7u);
    EXPECT_STREQ(data, "foobar");
    nameSize = sizeof name;
    dataSize = 2;
    EXPECT_EQ(enumerate(), ERROR_MORE_DATA);
    EXPECT_EQ(dataSize, 7u) << "the size the data need";

    EXPECT_EQ(RegEnumValueA(scratch(), 0, nullptr, &nameSize, nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegEnumValueA(scratch(), 0, name, nullptr, nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(Conformance, EnumerationByIndexFollowsChangesBetweenCalls) {
    for (const char* name : {"b", "d", "f"})
        createKey(scratch(), name);
    EXPECT_EQ(subkeyAt(scratch(), 1), "d"); // indexes in any order
    EXPECT_EQ(subkeyAt(scratch(), 0), "b");
    createKey(scratch(), "a"); // now a, b, d, f
    EXPECT_EQ(subkeyAt(scratch(), 2), "d");
    ASSERT_EQ(deleteTree(scratch(), "a"), ERROR_SUCCESS);
    ASSERT_EQ(deleteTree(scratch(), "b"), ERROR_SUCCESS); // now d, f
    EXPECT_EQ(subkeyAt(scratch(), 2), kNoMoreItems);
    EXPECT_EQ(subkeyAt(scratch(), 0xFFFFFFFF), kNoMoreItems);
    EXPECT_EQ(subkeyAt(scratch(), 1), "f");

    for (const char* name : {"v1", "v2", "v3"})
        ASSERT_EQ(setString(scratch(), name, "x"), ERROR_SUCCESS);
    std::string name;
    ASSERT_EQ(enumValue(scratch(), 0, &name), ERROR_SUCCESS);
    EXPECT_EQ(name, "v1");
    ASSERT_EQ(RegDeleteValueA(scratch(), "v2"), ERROR_SUCCESS);
    ASSERT_EQ(enumValue(scratch(), 1, &name), ERROR_SUCCESS);
    EXPECT_EQ(name, "v3");
}
