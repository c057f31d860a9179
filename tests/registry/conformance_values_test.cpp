// Values: raw bytes with a type, sizes and ERROR_MORE_DATA, names of every kind.
#include "tests/registry/conformance_fixture.h"

namespace {
constexpr LONG kErrorNoAccess = 998; // what Windows answers for data that isn't there
}

TEST_F(Conformance, QueryTellsTypeAndSizeAndNeedsRoomForTheData) {
    ASSERT_EQ(setString(scratch(), "Name", "Vexor"), ERROR_SUCCESS);
    char buffer[6];
    DWORD type = 0;
    DWORD size = 0;
    auto query = [&](BYTE* data, DWORD* room) {
        return RegQueryValueExA(scratch(), "Name", nullptr, &type, data, room);
    };
    ASSERT_EQ(query(nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(RegQueryValueExA(scratch(), "Name", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS)
        << "neither type nor size asked for: only whether it is there";

    size = 5;
    type = 0;
    EXPECT_EQ(query(reinterpret_cast<BYTE*>(buffer), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    ASSERT_EQ(query(reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
    EXPECT_EQ(std::string(buffer, size), withNul("Vexor"));
    EXPECT_EQ(query(reinterpret_cast<BYTE*>(buffer), nullptr), ERROR_INVALID_PARAMETER)
        << "a buffer without a size";

    for (const char* missing : {"Missing", "", static_cast<const char*>(nullptr)})
        EXPECT_EQ(queryStatus(scratch(), missing), ERROR_FILE_NOT_FOUND);
}

TEST_F(Conformance, DataAreTheBytesGivenWithTheTypeGiven) {
    const struct {
        const char* name;
        DWORD type;
        const char* data;
        DWORD size;
    } cases[] = {
        {"Bin", REG_BINARY, "\x00\x01\x00\xFF\x7F", 5},
        {"Num", REG_DWORD, "\x78\x56\x34\x12", 4},
        {"Odd", 0x4711, "xyz", 3},
        {"NoNul", REG_SZ, "abcX", 3}, // the byte after the data is not NUL, so nothing may add one
        {"Empty", REG_SZ, "", 1},     // the empty string is one zero byte
        {"Nothing", REG_BINARY, nullptr, 0},
    };
    for (const auto& c : cases)
        ASSERT_EQ(RegSetValueExA(scratch(), c.name, 0, c.type, reinterpret_cast<const BYTE*>(c.data), c.size),
                  ERROR_SUCCESS)
            << c.name;
    for (const auto& c : cases) {
        DWORD type = 0;
        LONG status = -1;
        EXPECT_EQ(readBytes(scratch(), c.name, &type, &status), std::string(c.data ? c.data : "", c.size))
            << c.name;
        EXPECT_EQ(type, c.type) << c.name;
        EXPECT_EQ(status, ERROR_SUCCESS) << c.name;
    }
    EXPECT_EQ(RegSetValueExA(scratch(), "Bad", 0, REG_BINARY, nullptr, 4), kErrorNoAccess)
        << "no data, a size";
    EXPECT_EQ(queryStatus(scratch(), "Bad"), ERROR_FILE_NOT_FOUND);
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
    for (const char* name : names)
        EXPECT_EQ(readBytes(scratch(), name), withNul(std::string("data of ") + name)) << name;
    EXPECT_EQ(valueNames(scratch()).size(), std::size(names));
    EXPECT_TRUE(subkeyNames(scratch()).empty()) << "a backslash in a value name makes no key";
}

TEST_F(Conformance, NullValueNameIsTheUnnamedValue) {
    ASSERT_EQ(setString(scratch(), nullptr, "default"), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(scratch(), ""), withNul("default"));
    EXPECT_EQ(RegDeleteValueA(scratch(), nullptr), ERROR_SUCCESS);
    EXPECT_EQ(queryStatus(scratch(), ""), ERROR_FILE_NOT_FOUND);
}

TEST_F(Conformance, ValueNameOf16383CharactersIsTheLongestAllowed) {
    const std::string longest(16383, 'v');
    ASSERT_EQ(setString(scratch(), longest.c_str(), "x"), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(scratch(), longest.c_str()), withNul("x"));
    const std::string tooLong(16384, 'v');
    EXPECT_EQ(setString(scratch(), tooLong.c_str(), "x"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(queryStatus(scratch(), tooLong.c_str()), ERROR_FILE_NOT_FOUND);
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
