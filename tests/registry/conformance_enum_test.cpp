// Enumeration by index: subkeys ordered by upper-cased name, values in creation order, the end, names
// that don't fit, and changes between the calls of one enumeration.
#include "tests/registry/conformance_fixture.h"

using namespace registry_test;

namespace {

// One step as the program takes it: open the key, fetch one index, close it again.
LONG subkeyAtIndex(HKEY parent, const char* path, DWORD index, std::string& name) {
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(parent, path, 0, KEY_ALL_ACCESS, &key);
    if (status != ERROR_SUCCESS)
        return status;
    char buffer[256];
    DWORD size = sizeof buffer;
    FILETIME written{};
    status = RegEnumKeyExA(key, index, buffer, &size, nullptr, nullptr, nullptr, &written);
    if (status == ERROR_SUCCESS)
        name.assign(buffer, size);
    RegCloseKey(key);
    return status;
}

} // namespace

TEST_F(Conformance, SubkeysComeInOrderOfTheirUpperCasedNames) {
    for (const char* name : {"b", "a_b", "_x", "C", "aB", "A"})
        RegCloseKey(createKey(scratch(), name));
    // Upper-cased, "AB" < "A_B" because 'B' (0x42) < '_' (0x5F); lower case would put "a_b" first.
    EXPECT_EQ(subkeyNames(scratch()), (std::vector<std::string>{"A", "aB", "a_b", "b", "C", "_x"}));
}

TEST_F(Conformance, ValuesComeInCreationOrder) {
    for (const char* name : {"zeta", "Alpha", "mid"})
        ASSERT_EQ(setString(scratch(), name, "x"), ERROR_SUCCESS);
    EXPECT_EQ(valueNames(scratch()), (std::vector<std::string>{"zeta", "Alpha", "mid"}));

    ASSERT_EQ(setString(scratch(), "ALPHA", "again"), ERROR_SUCCESS);
    EXPECT_EQ(valueNames(scratch()), (std::vector<std::string>{"zeta", "Alpha", "mid"}))
        << "setting keeps the place";

    ASSERT_EQ(RegDeleteValueA(scratch(), "zeta"), ERROR_SUCCESS);
    ASSERT_EQ(setString(scratch(), "zeta", "back"), ERROR_SUCCESS);
    EXPECT_EQ(valueNames(scratch()), (std::vector<std::string>{"Alpha", "mid", "zeta"}));
}

TEST_F(Conformance, PastTheEndIsNoMoreItems) {
    char name[32];
    DWORD size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(scratch(), 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    size = sizeof name;
    EXPECT_EQ(RegEnumValueA(scratch(), 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);

    RegCloseKey(createKey(scratch(), "Only"));
    ASSERT_EQ(setString(scratch(), "only", "x"), ERROR_SUCCESS);
    size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(scratch(), 1, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    size = sizeof name;
    EXPECT_EQ(RegEnumValueA(scratch(), 1, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(scratch(), 0xFFFFFFFF, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
}

TEST_F(Conformance, SubkeyNameMustFitWithItsNul) {
    RegCloseKey(createKey(scratch(), "Seven77"));
    char name[8];
    DWORD size = 7;
    EXPECT_EQ(RegEnumKeyExA(scratch(), 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    size = 8;
    ASSERT_EQ(RegEnumKeyExA(scratch(), 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(size, 7u);
    EXPECT_STREQ(name, "Seven77");
}

TEST_F(Conformance, ValueNameMustFitWithItsNul) {
    ASSERT_EQ(setString(scratch(), "Seven77", "data"), ERROR_SUCCESS);
    char name[8];
    DWORD size = 7;
    EXPECT_EQ(RegEnumValueA(scratch(), 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
    size = 8;
    ASSERT_EQ(RegEnumValueA(scratch(), 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(size, 7u);
    EXPECT_STREQ(name, "Seven77");
}

TEST_F(Conformance, ValueEnumerationDeliversTypeAndData) {
    ASSERT_EQ(setString(scratch(), "Test", "foobar"), ERROR_SUCCESS);
    char name[20];
    char data[20];
    DWORD nameSize = sizeof name;
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    ASSERT_EQ(RegEnumValueA(scratch(), 0, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data),
                            &dataSize),
              ERROR_SUCCESS);
    EXPECT_STREQ(name, "Test");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(dataSize, 7u);
    EXPECT_STREQ(data, "foobar");

    nameSize = sizeof name;
    dataSize = 2;
    EXPECT_EQ(RegEnumValueA(scratch(), 0, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data),
                            &dataSize),
              ERROR_MORE_DATA);
    EXPECT_EQ(dataSize, 7u) << "the size the data need";
}

TEST_F(Conformance, ValueEnumerationNeedsANameBuffer) {
    ASSERT_EQ(setString(scratch(), "Test", "x"), ERROR_SUCCESS);
    char name[20];
    DWORD size = sizeof name;
    EXPECT_EQ(RegEnumValueA(scratch(), 0, nullptr, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegEnumValueA(scratch(), 0, name, nullptr, nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(Conformance, EnumerationByIndexFollowsChangesBetweenCalls) {
    for (const char* name : {"b", "d", "f"})
        RegCloseKey(createKey(scratch(), name));
    std::string name;
    ASSERT_EQ(subkeyAtIndex(scratch(), "", 0, name), ERROR_SUCCESS);
    EXPECT_EQ(name, "b");
    ASSERT_EQ(subkeyAtIndex(scratch(), "", 1, name), ERROR_SUCCESS);
    EXPECT_EQ(name, "d");

    RegCloseKey(createKey(scratch(), "a")); // now a, b, d, f
    ASSERT_EQ(subkeyAtIndex(scratch(), "", 2, name), ERROR_SUCCESS);
    EXPECT_EQ(name, "d");

    ASSERT_EQ(SHDeleteKeyA(scratch(), "a"), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(SHDeleteKeyA(scratch(), "b"), static_cast<DWORD>(ERROR_SUCCESS)); // now d, f
    EXPECT_EQ(subkeyAtIndex(scratch(), "", 2, name), ERROR_NO_MORE_ITEMS);
    ASSERT_EQ(subkeyAtIndex(scratch(), "", 1, name), ERROR_SUCCESS);
    EXPECT_EQ(name, "f");
}

TEST_F(Conformance, EnumerationByIndexAnswersAnyOrderOfIndexes) {
    for (const char* name : {"k1", "k2", "k3", "k4", "k5"})
        RegCloseKey(createKey(scratch(), name));
    for (DWORD index : {3u, 1u, 1u, 2u, 0u, 4u, 2u, 3u}) {
        std::string name;
        ASSERT_EQ(subkeyAtIndex(scratch(), "", index, name), ERROR_SUCCESS);
        EXPECT_EQ(name, "k" + std::to_string(index + 1)) << "index " << index;
    }
}

TEST_F(Conformance, ValueEnumerationFollowsChangesBetweenCalls) {
    for (const char* name : {"v1", "v2", "v3"})
        ASSERT_EQ(setString(scratch(), name, "x"), ERROR_SUCCESS);
    char name[16];
    DWORD size = sizeof name;
    ASSERT_EQ(RegEnumValueA(scratch(), 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(name, "v1");
    ASSERT_EQ(RegDeleteValueA(scratch(), "v2"), ERROR_SUCCESS);
    size = sizeof name;
    ASSERT_EQ(RegEnumValueA(scratch(), 1, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_STREQ(name, "v3");
}
