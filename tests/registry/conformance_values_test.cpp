// Values: raw bytes with a type, sizes and ERROR_MORE_DATA, names of every kind.
#include "tests/registry/conformance_fixture.h"

#include <cstring>

using namespace registry_test;

namespace {
constexpr LONG kErrorNoAccess = 998; // what Windows answers for data that isn't there
}

TEST_F(Conformance, QueryWithoutBufferTellsTypeAndSize) {
    ASSERT_EQ(setString(scratch(), "Name", "Vexor"), ERROR_SUCCESS);
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExA(scratch(), "Name", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 6u);
    // Neither type nor size asked for: only whether it is there.
    EXPECT_EQ(RegQueryValueExA(scratch(), "Name", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
}

TEST_F(Conformance, TooSmallBufferGivesMoreDataAndTheSizeNeeded) {
    ASSERT_EQ(setString(scratch(), "Name", "Vexor"), ERROR_SUCCESS);
    char buffer[5];
    DWORD size = sizeof buffer;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(scratch(), "Name", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    char exact[6];
    size = sizeof exact;
    ASSERT_EQ(RegQueryValueExA(scratch(), "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(exact), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::string(exact, size), std::string("Vexor", 6));
}

TEST_F(Conformance, BufferWithoutSizeIsRefused) {
    ASSERT_EQ(setString(scratch(), "Name", "Vexor"), ERROR_SUCCESS);
    char buffer[16];
    EXPECT_EQ(RegQueryValueExA(scratch(), "Name", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(Conformance, MissingValueIsFileNotFound) {
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(scratch(), "Missing", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExA(scratch(), "", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExA(scratch(), nullptr, nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
}

TEST_F(Conformance, StringStoredWithoutNulComesBackWithoutOne) {
    const char source[] = "abcX"; // the byte after the data is not NUL, so nothing may add one
    ASSERT_EQ(RegSetValueExA(scratch(), "NoNul", 0, REG_SZ, reinterpret_cast<const BYTE*>(source), 3),
              ERROR_SUCCESS);
    char buffer[3];
    DWORD size = sizeof buffer;
    ASSERT_EQ(RegQueryValueExA(scratch(), "NoNul", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::string(buffer, size), "abc");
}

TEST_F(Conformance, EmptyStringIsOneZeroByteAndNoDataIsNone) {
    ASSERT_EQ(setString(scratch(), "Empty", ""), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(scratch(), "Empty"), std::string(1, '\0'));
    ASSERT_EQ(RegSetValueExA(scratch(), "Nothing", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    LONG status = 0;
    EXPECT_EQ(readBytes(scratch(), "Nothing", nullptr, &status), "");
    EXPECT_EQ(status, ERROR_SUCCESS);
}

TEST_F(Conformance, MissingDataWithASizeIsRefused) {
    EXPECT_EQ(RegSetValueExA(scratch(), "Bad", 0, REG_BINARY, nullptr, 4), kErrorNoAccess);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(scratch(), "Bad", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
}

TEST_F(Conformance, DataAreTheBytesGivenWithTheTypeGiven) {
    const std::string binary("\x00\x01\x00\xFF\x7F", 5);
    ASSERT_EQ(setBytes(scratch(), "Bin", REG_BINARY, binary), ERROR_SUCCESS);
    const DWORD number = 0x12345678;
    ASSERT_EQ(RegSetValueExA(scratch(), "Num", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4),
              ERROR_SUCCESS);
    ASSERT_EQ(setBytes(scratch(), "Odd", 0x4711, "xyz"), ERROR_SUCCESS);

    DWORD type = 0;
    EXPECT_EQ(readBytes(scratch(), "Bin", &type), binary);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(readBytes(scratch(), "Num", &type), std::string("\x78\x56\x34\x12", 4));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(readBytes(scratch(), "Odd", &type), "xyz");
    EXPECT_EQ(type, 0x4711u);
}

TEST_F(Conformance, SettingAgainReplacesDataAndType) {
    ASSERT_EQ(setString(scratch(), "V", "first"), ERROR_SUCCESS);
    ASSERT_EQ(setBytes(scratch(), "v", REG_BINARY, "2"), ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(readBytes(scratch(), "V", &type), "2");
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(valueNames(scratch()), std::vector<std::string>{"V"}) << "one value, its first name kept";
}

TEST_F(Conformance, ValueNamesMayHoldAnyCharacter) {
    const char* const names[] = {"", "%s%n%d", "100%", "back\\slash", "\\", "with space", "tab\there"};
    for (const char* name : names)
        ASSERT_EQ(setString(scratch(), name, std::string("data of ") + name), ERROR_SUCCESS) << name;
    for (const char* name : names) {
        const std::string expected = std::string("data of ") + name;
        EXPECT_EQ(readBytes(scratch(), name), std::string(expected.c_str(), expected.size() + 1)) << name;
    }
    EXPECT_EQ(valueNames(scratch()).size(), std::size(names));
    EXPECT_TRUE(subkeyNames(scratch()).empty()) << "a backslash in a value name makes no key";
}

TEST_F(Conformance, NullValueNameIsTheUnnamedValue) {
    ASSERT_EQ(setString(scratch(), nullptr, "default"), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(scratch(), ""), std::string("default", 8));
    EXPECT_EQ(RegDeleteValueA(scratch(), nullptr), ERROR_SUCCESS);
    LONG status = 0;
    readBytes(scratch(), "", nullptr, &status);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
}

TEST_F(Conformance, ValueNameOf16383CharactersIsTheLongestAllowed) {
    const std::string longest(16383, 'v');
    ASSERT_EQ(setString(scratch(), longest.c_str(), "x"), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(scratch(), longest.c_str()), std::string("x", 2));

    const std::string tooLong(16384, 'v');
    EXPECT_EQ(setString(scratch(), tooLong.c_str(), "x"), ERROR_INVALID_PARAMETER);
    LONG status = 0;
    readBytes(scratch(), tooLong.c_str(), nullptr, &status);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteValueA(scratch(), tooLong.c_str()), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(valueNames(scratch()), std::vector<std::string>{longest});
}

TEST_F(Conformance, DeletingAValueRemovesOnlyIt) {
    ASSERT_EQ(setString(scratch(), "Keep", "1"), ERROR_SUCCESS);
    ASSERT_EQ(setString(scratch(), "Drop", "2"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(scratch(), "DROP"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(scratch(), "Drop"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(valueNames(scratch()), std::vector<std::string>{"Keep"});
}
