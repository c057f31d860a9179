#include "tools/reg/ValueData.h"

#include "platform/registry/registry.h"

#include <gtest/gtest.h>

namespace {

std::string Data(DWORD dwType, const std::string* pText) {
    std::string bytes, strError;
    EXPECT_TRUE(MakeValueData(dwType, pText, bytes, strError)) << strError;
    return bytes;
}

std::string Data(DWORD dwType, const std::string& text) {
    return Data(dwType, &text);
}

// The message names the type, or what is wrong.
void ExpectRefused(DWORD dwType, const std::string* pText, const std::string& strMessagePart) {
    std::string bytes, strError;
    EXPECT_FALSE(MakeValueData(dwType, pText, bytes, strError)) << (pText ? *pText : "no data");
    EXPECT_NE(strError.find(strMessagePart), std::string::npos) << strError;
}

void ExpectRefused(DWORD dwType, const std::string& text, const std::string& strMessagePart) {
    ExpectRefused(dwType, &text, strMessagePart);
}

TEST(RegToolValueData, TextTypesEndWithNul) {
    EXPECT_EQ(Data(REG_SZ, "abc"), std::string("abc\0", 4));
    EXPECT_EQ(Data(REG_SZ, nullptr), std::string("\0", 1));
    EXPECT_EQ(Data(REG_EXPAND_SZ, "%PATH%\\0"), std::string("%PATH%\\0\0", 9)); // \0 is only special in lists
    EXPECT_EQ(Data(REG_NONE, "deadbeef"), std::string("deadbeef\0", 9));
}

TEST(RegToolValueData, DwordsAreDecimalOrHexAndRangeChecked) {
    EXPECT_EQ(Data(REG_DWORD, "31"), std::string("\x1f\0\0\0", 4));
    EXPECT_EQ(Data(REG_DWORD, "0x1f"), std::string("\x1f\0\0\0", 4));
    EXPECT_EQ(Data(REG_DWORD, "0XdeadBEEF"), "\xef\xbe\xad\xde");
    EXPECT_EQ(Data(REG_DWORD, "0123"), std::string("\x7b\0\0\0", 4));
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
    EXPECT_EQ(Data(REG_MULTI_SZ, "three\\0little\\0strings"), std::string("three\0little\0strings\0\0", 22));
    EXPECT_EQ(Data(REG_MULTI_SZ, "a\\0"), std::string("a\0\0", 3));
    EXPECT_EQ(Data(REG_MULTI_SZ, "\\0"), std::string("\0\0", 2));
    EXPECT_EQ(Data(REG_MULTI_SZ, ""), std::string("\0", 1));
    EXPECT_EQ(Data(REG_MULTI_SZ, nullptr), std::string("\0", 1));
    ExpectRefused(REG_MULTI_SZ, "\\0a", "empty string");
    ExpectRefused(REG_MULTI_SZ, "two\\0\\0strings", "empty string");
}

TEST(RegToolValueData, KnowsTheSixTypeNamesInAnyCase) {
    DWORD dwType = 0;
    EXPECT_TRUE(ParseTypeName("reg_expand_sz", dwType));
    EXPECT_EQ(dwType, DWORD(REG_EXPAND_SZ));
    EXPECT_TRUE(ParseTypeName("REG_NONE", dwType));
    EXPECT_EQ(dwType, DWORD(REG_NONE));
    EXPECT_FALSE(ParseTypeName("REG_QWORD", dwType));
    EXPECT_FALSE(ParseTypeName("SZ", dwType));
}

} // namespace
