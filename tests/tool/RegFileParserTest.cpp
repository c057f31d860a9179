#include "tools/reg/RegFileParser.h"

#include "tools/reg/Utf16.h"

#include "platform/registry/registry.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

static const std::string kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";

static std::string Utf16File(const std::string& text) {
    return "\xFF\xFE" + ToUtf16Le(Utf8ToUtf16(text));
}

static CRegFile Parsed(const std::string& bytes) {
    CRegFile file;
    CRegParseError error;
    EXPECT_TRUE(ParseRegFile(bytes, file, error)) << "line " << error.nLine << ": " << error.strMessage;
    return file;
}

// The line a faulty file is refused at; the output file must stay as it was.
static int FailingLine(const std::string& bytes, const std::string& strMessagePart = "") {
    CRegFile file;
    file.keys.push_back({"HKEY_CLASSES_ROOT\\untouched", false, {}, 0});
    CRegParseError error;
    EXPECT_FALSE(ParseRegFile(bytes, file, error));
    EXPECT_EQ(file.keys.size(), 1u);
    EXPECT_NE(error.strMessage.find(strMessagePart), std::string::npos) << error.strMessage;
    return error.nLine;
}

static const CRegFileValue& OnlyValue(const CRegFile& file) {
    EXPECT_EQ(file.keys.size(), 1u);
    EXPECT_EQ(file.keys.at(0).values.size(), 1u);
    return file.keys.at(0).values.at(0);
}

static CRegFileValue ValueFrom(const std::string& line) {
    return OnlyValue(Parsed(kHeader + "[HKEY_CLASSES_ROOT\\T]\r\n" + line + "\r\n"));
}

TEST(RegFileParser, ReadsEveryEncodingAndLineEnd) {
    const std::string text = "[HKEY_CLASSES_ROOT\\K\xC3\xBC]\n\"N\xC3\xA4me\"=\"W\xC3\xA9rt\"\n";
    for (const std::string& bytes :
         {Utf16File(kHeader + text), "\xEF\xBB\xBF" + kHeader + text, kHeader + text,
          std::string("Windows Registry Editor Version 5.00\n\n") + text}) {
        const CRegFile file = Parsed(bytes);
        ASSERT_EQ(file.keys.size(), 1u);
        EXPECT_EQ(file.keys[0].strPath, "HKEY_CLASSES_ROOT\\K\xC3\xBC");
        EXPECT_EQ(file.keys[0].values.at(0).strName, "N\xC3\xA4me");
        EXPECT_EQ(file.keys[0].values.at(0).data, "W\xC3\xA9rt\0"s);
    }
}

// A quoted @ is a name, a quoted semicolon no comment. Escapes in names and data, and text in hex data:
// the tool's fixture file, imported end to end.
TEST(RegFileParser, ReadsEachKindOfValue) {
    const CRegFileValue text = ValueFrom("\"a\"=\"x\"");
    EXPECT_EQ(text.dwType, DWORD(REG_SZ));
    EXPECT_EQ(text.data, "x\0"s);
    EXPECT_EQ(ValueFrom("\"a\"=dword:0000001f").data, "\x1f\0\0\0"s);
    EXPECT_EQ(ValueFrom("\"a\"=DWORD:1F").data, "\x1f\0\0\0"s);
    EXPECT_EQ(ValueFrom("\"a\"=dword:ffffffff").data, "\xff\xff\xff\xff"s);
    const CRegFileValue binary = ValueFrom("\"a\"=hex:de,AD, be ,ef");
    EXPECT_EQ(binary.dwType, DWORD(REG_BINARY));
    EXPECT_EQ(binary.data, "\xde\xad\xbe\xef"s);
    const CRegFileValue none = ValueFrom("\"a\"=hex(0):");
    EXPECT_EQ(none.dwType, DWORD(REG_NONE));
    EXPECT_TRUE(none.data.empty());
    EXPECT_EQ(ValueFrom("\"a\"=hex(b):01,02,03,04,05,06,07,08").dwType, 11u);
    EXPECT_EQ(ValueFrom("\"a\"=hex(abcd):00").dwType, 0xabcdu);
    EXPECT_TRUE(ValueFrom("\"a\"=-").bDelete);
    EXPECT_TRUE(ValueFrom("@=\"x\"").strName.empty());
    EXPECT_TRUE(ValueFrom("\"\"=\"x\"").strName.empty());
    EXPECT_EQ(ValueFrom("\"@\"=\"\"").strName, "@");
    EXPECT_EQ(ValueFrom("\"a\"=\"; not a comment # either\"").data, "; not a comment # either\0"s);
}

TEST(RegFileParser, FollowsContinuationsAndSkipsComments) {
    const CRegFile file = Parsed(kHeader + "; a comment\r\n"
                                           "# another\r\n"
                                           "[HKEY_CLASSES_ROOT\\T] ; trailing comment\r\n"
                                           "\"a\"=hex:01,02,\\\r\n"
                                           "  03,04, \\ ; why\r\n"
                                           "; between the lines\r\n"
                                           "  05\r\n"
                                           "\"b\"=dword:00000001 ;comment\r\n"
                                           "  \"c\" = \"x\"\r\n");
    ASSERT_EQ(file.keys.at(0).values.size(), 3u);
    EXPECT_EQ(file.keys[0].values[0].data, "\1\2\3\4\5"s);
    EXPECT_EQ(file.keys[0].values[1].nLine, 10);
    EXPECT_EQ(file.keys[0].values[2].strName, "c");
}

TEST(RegFileParser, ReadsKeyDeletionsAndRootSpellings) {
    const CRegFile file =
        Parsed(kHeader + "[-HKEY_LOCAL_MACHINE\\A\\B]\r\n[hkcr\\C]\r\n[HKEY_CLASSES_ROOT\\a]b]\r\n");
    ASSERT_EQ(file.keys.size(), 3u);
    EXPECT_TRUE(file.keys[0].bDelete);
    EXPECT_EQ(file.keys[0].strPath, "HKEY_LOCAL_MACHINE\\A\\B");
    EXPECT_EQ(file.keys[1].strPath, "HKEY_CLASSES_ROOT\\C");
    EXPECT_EQ(file.keys[2].strPath, "HKEY_CLASSES_ROOT\\a]b");
    EXPECT_EQ(file.keys[2].nLine, 5);
}

TEST(RegFileParser, RefusesFilesWithoutAKnownHeader) {
    EXPECT_EQ(FailingLine("REGEDIT\r\n", "not a registry file"), 1); // an empty file: end to end
    EXPECT_EQ(FailingLine("regedit4\r\n"), 1);
    EXPECT_EQ(FailingLine("\r\nREGEDIT4\r\n"), 1);
    EXPECT_EQ(FailingLine("\xFE\xFF" + "\0R"s, "big-endian"), 1);
    EXPECT_EQ(Parsed("  REGEDIT4  \r\n").keys.size(), 0u);
}

TEST(RegFileParser, NamesTheLineOfEachFault) {
    const std::string key = "[HKEY_CLASSES_ROOT\\T]\r\n";
    EXPECT_EQ(FailingLine(kHeader + "\"a\"=\"x\"\r\n", "before any [key]"), 3);
    EXPECT_EQ(FailingLine(kHeader + "[-HKEY_CLASSES_ROOT\\T]\r\n\"a\"=\"x\"\r\n", "deletion"), 4);
    EXPECT_EQ(FailingLine(kHeader + "[-HKEY_CLASSES_ROOT]\r\n", "root"), 3);
    EXPECT_EQ(FailingLine(kHeader + "[HKEY_CURRENT_USER\\T]\r\n", "not kept"), 3);
    EXPECT_EQ(FailingLine(kHeader + "[HKEY_CLASSES_ROOT\\T\r\n", "\"]\""), 3);
    EXPECT_EQ(FailingLine(kHeader + "[HKEY_CLASSES_ROOT\\a\\\\b]\r\n", "empty part"), 3);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=\"x\r\n", "closing quote"), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=\"C:\\temp\"\r\n", "unknown escape"), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=\"x\" y\r\n", "after the closing quote"), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\" \"x\"\r\n", "\"=\""), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=dword:123456789\r\n", "1 to 8"), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=dword:\r\n", "1 to 8"), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=dword:12g\r\n"), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=hex(xyz):00\r\n", "hex digits"), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=hex:123\r\n", "commas"), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=hex:01,,02\r\n", "hex byte"), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=str:\"x\"\r\n", "unrecognised data"), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "a=\"x\"\r\n", "expected a [key] line"), 4);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=hex(1):61\r\n", "even number"), 4);
    EXPECT_EQ(FailingLine(kHeader + "[HKEY_CLASSES_ROOT\\M\xFCller]\r\n", "not valid UTF-8"), 3);
    EXPECT_EQ(FailingLine(kHeader + key + "\"a\"=\"x" + std::string(1, '\0') + "\"\r\n", "NUL"), 4);
    EXPECT_EQ(FailingLine(Utf16File(kHeader + key) + "A", "middle of a UTF-16"), 4);
    // In continued lines, the line that is wrong.
    const std::string value = kHeader + "[HKEY_CLASSES_ROOT\\T]\r\n\"a\"=hex(7):61,00,\\\r\n  62,00,\\\r\n";
    EXPECT_EQ(FailingLine(value + "  6z,00\r\n", "hex byte"), 6);
    EXPECT_EQ(FailingLine(value, "file ends"), 4);
    EXPECT_EQ(FailingLine(value + "  00,00 \\ x\r\n", "after the \"\\\""), 6);
}
