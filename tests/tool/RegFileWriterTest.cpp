#include "tools/reg/RegFileWriter.h"

#include "tools/reg/Utf16.h"

#include "platform/registry/registry.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

#include <algorithm>

// The file's text as UTF-8, after checking the byte-order mark and the UTF-16LE form.
static std::string WrittenText(const CRegFile& file) {
    std::string bytes, strError;
    EXPECT_TRUE(WriteRegFile(file, bytes, strError)) << strError;
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    std::u16string text;
    EXPECT_TRUE(FromUtf16Le(bytes.substr(2), text));
    return Utf16ToUtf8(text);
}

// Just the value's line(s), without header and key.
static std::string ValueText(const std::string& strName, DWORD dwType, const std::string& data) {
    const std::string text =
        WrittenText({{{"HKEY_CLASSES_ROOT\\T", false, {{strName, false, dwType, data, 0}}, 0}}});
    const std::string start = "[HKEY_CLASSES_ROOT\\T]\r\n";
    const std::size_t begin = text.find(start) + start.size();
    return text.substr(begin, text.size() - begin - 4);
}

TEST(RegFileWriter, WritesTheHeaderBlankLinesAndDeletionsAsRegExe) {
    const CRegFile file = {{{"HKEY_CLASSES_ROOT\\A", false, {{"s", false, REG_SZ, "x\0"s, 0}}, 0},
                            {"HKEY_CLASSES_ROOT\\A\\B", false, {}, 0},
                            {"HKEY_CLASSES_ROOT\\Gone", true, {}, 0},
                            {"HKEY_CLASSES_ROOT\\Kept", false, {{"old", true, 0, "", 0}}, 0}}};
    EXPECT_EQ(WrittenText(file), "Windows Registry Editor Version 5.00\r\n\r\n"
                                 "[HKEY_CLASSES_ROOT\\A]\r\n\"s\"=\"x\"\r\n\r\n"
                                 "[HKEY_CLASSES_ROOT\\A\\B]\r\n\r\n"
                                 "[-HKEY_CLASSES_ROOT\\Gone]\r\n\r\n"
                                 "[HKEY_CLASSES_ROOT\\Kept]\r\n\"old\"=-\r\n\r\n");
    EXPECT_EQ(WrittenText({}), "Windows Registry Editor Version 5.00\r\n\r\n");
}

// The form of each type, as reg.exe writes it. Escapes in quoted names and texts, and texts that quotes
// cannot carry, are the end-to-end round trip's: there is one way to write each that reads back.
TEST(RegFileWriter, WritesEachType) {
    EXPECT_EQ(ValueText("d", REG_DWORD, "\x1f\0\0\0"s), "\"d\"=dword:0000001f");
    EXPECT_EQ(ValueText("d", REG_DWORD, "\x78\x56\x34\x12"s), "\"d\"=dword:12345678");
    EXPECT_EQ(ValueText("d", REG_DWORD, "\x01\x02\x03"), "\"d\"=hex(4):01,02,03");
    EXPECT_EQ(ValueText("d", REG_DWORD, ""), "\"d\"=hex(4):");
    EXPECT_EQ(ValueText("b", REG_BINARY, "\x11\x22\xAB"), "\"b\"=hex:11,22,ab");
    EXPECT_EQ(ValueText("n", REG_NONE, "Value\0"s), "\"n\"=hex(0):56,61,6c,75,65,00");
    EXPECT_EQ(ValueText("u", 0xabcd, "V\0"s), "\"u\"=hex(abcd):56,00");
    EXPECT_EQ(ValueText("e", REG_EXPAND_SZ, "%P%\0"s), "\"e\"=hex(2):25,00,50,00,25,00,00,00");
    EXPECT_EQ(ValueText("m", REG_MULTI_SZ, "a\0\xC3\xBC\0\0"s), "\"m\"=hex(7):61,00,00,00,fc,00,00,00,00,00");
}

// The first two are what reg.exe itself writes for these values.
TEST(RegFileWriter, WrapsHexLinesWhereRegExeDoesWithinEightyColumns) {
    EXPECT_EQ(ValueText("Multiple strings", REG_MULTI_SZ, "Line1\0Line2\0Line3\0\0"s),
              "\"Multiple strings\"=hex(7):4c,00,69,00,6e,00,65,00,31,00,00,00,4c,00,69,00,6e,\\\r\n"
              "  00,65,00,32,00,00,00,4c,00,69,00,6e,00,65,00,33,00,00,00,00,00");
    EXPECT_EQ(ValueText("String expansion", REG_EXPAND_SZ, "%HOME%\\%PATH%\0"s),
              "\"String expansion\"=hex(2):25,00,48,00,4f,00,4d,00,45,00,25,00,5c,00,25,00,50,\\\r\n"
              "  00,41,00,54,00,48,00,25,00,00,00");
    // "abc"=hex: and 23 bytes with their commas fill the line up to exactly 80 columns.
    EXPECT_EQ(ValueText("abc", REG_BINARY, std::string(30, '\x01')).find("\r\n"), 80u);
    const std::string text = ValueText("x", REG_BINARY, std::string(300, '\x5a'));
    std::size_t start = 0, lines = 0;
    for (; start < text.size(); ++lines) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        EXPECT_LE(end - start, 80u);
        EXPECT_EQ(text.substr(start, 2), lines == 0 ? "\"x" : "  ");
        start = end + 2;
    }
    EXPECT_EQ(lines, 13u); // 23 bytes on the first line, 25 on each further one
}

TEST(RegFileWriter, RefusesKeyNamesWithLineBreaks) {
    std::string bytes, strError; // value names: the end-to-end export of one
    EXPECT_FALSE(WriteRegFile({{{"HKEY_CLASSES_ROOT\\a\rb", false, {}, 0}}}, bytes, strError));
    EXPECT_NE(strError.find("HKEY_CLASSES_ROOT"), std::string::npos);
}
