#include "tools/reg/ValueData.h"

#include "platform/registry/registry.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

// pszText nullptr: no /d at all.
static std::string Data(DWORD dwType, const char* pszText) {
    std::string text = pszText ? pszText : "", bytes, strError;
    EXPECT_TRUE(MakeValueData(dwType, pszText ? &text : nullptr, bytes, strError)) << strError;
    return bytes;
}

// The message names the type, or what is wrong.
static void ExpectRefused(DWORD dwType, const char* pszText, const std::string& strMessagePart) {
    std::string text = pszText ? pszText : "", bytes, strError;
    EXPECT_FALSE(MakeValueData(dwType, pszText ? &text : nullptr, bytes, strError)) << text;
    EXPECT_NE(strError.find(strMessagePart), std::string::npos) << strError;
}

TEST(RegToolValueData, TextTypesEndWithNul) {
    EXPECT_EQ(Data(REG_SZ, "abc"), "abc\0"s);
    EXPECT_EQ(Data(REG_SZ, nullptr), "\0"s);
    EXPECT_EQ(Data(REG_EXPAND_SZ, "%PATH%\\0"), "%PATH%\\0\0"s); // \0 is only special in lists
    EXPECT_EQ(Data(REG_NONE, "deadbeef"), "deadbeef\0"s);
}

TEST(RegToolValueData, DwordsAreDecimalOrHexAndRangeChecked) {
    EXPECT_EQ(Data(REG_DWORD, "31"), "\x1f\0\0\0"s);
    EXPECT_EQ(Data(REG_DWORD, "0x1f"), "\x1f\0\0\0"s);
    EXPECT_EQ(Data(REG_DWORD, "0XdeadBEEF"), "\xef\xbe\xad\xde");
    EXPECT_EQ(Data(REG_DWORD, "0123"), "\x7b\0\0\0"s);
    EXPECT_EQ(Data(REG_DWORD, "4294967295"), "\xff\xff\xff\xff");
    for (const char* pszBad : {"4294967296", "0x100000000", "-1", "+1", "00x1", "0x", "1 ", "abc", "", "1e3"})
        ExpectRefused(REG_DWORD, pszBad, "REG_DWORD data");
    ExpectRefused(REG_DWORD, nullptr, "REG_DWORD data");
}

TEST(RegToolValueData, BinaryIsHexDigits) {
    EXPECT_EQ(Data(REG_BINARY, "deadBEEF"), "\xde\xad\xbe\xef");
    EXPECT_EQ(Data(REG_BINARY, "DeAdBeEf0DD"), "\x0d\xea\xdb\xee\xf0\xdd");
    EXPECT_EQ(Data(REG_BINARY, ""), "");
    EXPECT_EQ(Data(REG_BINARY, nullptr), "");
    for (const char* pszBad : {"0x12", "12 34", "x01"})
        ExpectRefused(REG_BINARY, pszBad, "REG_BINARY data");
}

TEST(RegToolValueData, MultiStringsAreSeparatedByBackslashZero) {
    EXPECT_EQ(Data(REG_MULTI_SZ, "three\\0little\\0strings"), "three\0little\0strings\0\0"s);
    EXPECT_EQ(Data(REG_MULTI_SZ, "a\\0"), "a\0\0"s);
    EXPECT_EQ(Data(REG_MULTI_SZ, "\\0"), "\0\0"s);
    EXPECT_EQ(Data(REG_MULTI_SZ, ""), "\0"s);
    EXPECT_EQ(Data(REG_MULTI_SZ, nullptr), "\0"s);
    ExpectRefused(REG_MULTI_SZ, "\\0a", "empty string");
    ExpectRefused(REG_MULTI_SZ, "two\\0\\0strings", "empty string");
}
