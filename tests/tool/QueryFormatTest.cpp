#include "tools/reg/QueryFormat.h"

#include "platform/registry/registry.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

static const std::string kKey = "HKEY_CLASSES_ROOT\\Base";

static CRegFileValue Sz(const std::string& strName, const std::string& text) {
    return {strName, false, REG_SZ, text + '\0', 0};
}

static CRegFileValue Dword(const std::string& strName, DWORD dwValue) {
    std::string data;
    for (int i = 0; i < 4; ++i)
        data.push_back(static_cast<char>((dwValue >> (8 * i)) & 0xFF));
    return {strName, false, REG_DWORD, data, 0};
}

// Layouts as reg.exe prints them (with LF where reg.exe writes CRLF): a key's values, then its subkeys;
// a tree, every key below the top. A key with values only, or with subkeys only, a top with values, and
// the unnamed value's name: query, query /s and /ve end to end.
TEST(RegToolQueryFormat, ListsValuesThenSubkeysAndATreeBelowItsTop) {
    const CRegFileKey key{kKey, false, {Sz("Test1", "Hello, World"), Dword("Test2", 0x123)}, 0};
    EXPECT_EQ(FormatQueryKey(key, {"subkey"}), "\n" + kKey +
                                                   "\n    Test1    REG_SZ    Hello, World\n"
                                                   "    Test2    REG_DWORD    0x123\n\n" +
                                                   kKey + "\\subkey\n");
    const std::vector<CRegFileKey> keys = {{kKey, false, {}, 0},
                                           {kKey + "\\a", false, {}, 0},
                                           {kKey + "\\a\\b", false, {Dword("Test4", 0xabc)}, 0}};
    EXPECT_EQ(FormatQueryTree(keys),
              "\n" + kKey + "\\a\n\n" + kKey + "\\a\\b\n    Test4    REG_DWORD    0xabc\n\n");
}

// A search's layout, with its count or without (query /v), and the unset default are seen end to end.
TEST(RegToolQueryFormat, ShowsDataAndTypeNamesByType) {
    EXPECT_EQ(FormatQueryData(REG_SZ, "abc\0junk"s), "abc");
    EXPECT_EQ(FormatQueryData(REG_SZ, "no nul"), "no nul");
    EXPECT_EQ(FormatQueryData(REG_EXPAND_SZ, "%PATH%\0"s), "%PATH%");
    EXPECT_EQ(FormatQueryData(REG_MULTI_SZ, "a\0b\0\0"s), "a\\0b");
    EXPECT_EQ(FormatQueryData(REG_MULTI_SZ, "a\0\0b\0\0"s), "a\\0\\0b");
    EXPECT_EQ(FormatQueryData(REG_DWORD, "\xef\xbe\xad\xde"s), "0xdeadbeef");
    EXPECT_EQ(FormatQueryData(REG_DWORD, "\0\0\0\0"s), "0x0");
    EXPECT_EQ(FormatQueryData(REG_DWORD, "\x01\x02"), "0102");
    EXPECT_EQ(FormatQueryData(11, "\x01\0\0\0\x02\0\0\0"s), "0x200000001");
    EXPECT_EQ(FormatQueryData(REG_BINARY, "\x0a\xbc"), "0ABC");
    EXPECT_EQ(FormatQueryData(REG_NONE, ""), "");
    EXPECT_EQ(RegTypeName(REG_SZ), "REG_SZ");
    EXPECT_EQ(RegTypeName(REG_MULTI_SZ), "REG_MULTI_SZ");
    EXPECT_EQ(RegTypeName(11), "REG_QWORD");
    EXPECT_EQ(RegTypeName(0x100), "0x100");
}
