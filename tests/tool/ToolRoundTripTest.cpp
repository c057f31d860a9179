#include "tests/tool/ToolTestFixture.h"

#include "platform/registry/registry.h"

namespace {

const std::string kKey = "HKCR\\VexorToolTest";

// Each of these values is one the .reg format can only carry with care.
const std::vector<std::string> kAwkwardValues = {
    "NoNul",       "InnerNul",   "LineBreak",
    "NotUtf8",     "EmptyText",  "Multi",
    "Expand",      "DwordShort", "Umlaute \xC3\xA4\xC3\xB6\xC3\xBC \xE2\x82\xAC",
    "EmptyBinary", "Custom",     "Qword"};

TEST_F(VexorRegTool, TheFixtureLandsAsItsBytesSayAndExportImportExportIsByteIdentical) {
    Ok({"import", std::string(VEXOR_TOOL_FIXTURES) + "/every-type.reg"});
    const std::string first = Exported(kKey);
    ASSERT_FALSE(first.empty());
    WriteFile(Path("first.reg"), first);

    const std::string strSecondStore = Path("second.db");
    ASSERT_EQ(RunTool({"import", Path("first.reg")}, strSecondStore).nExitCode, 0);
    ASSERT_EQ(RunTool({"export", kKey, Path("second.reg")}, strSecondStore).nExitCode, 0);
    EXPECT_EQ(ReadFile(Path("second.reg")), first);

    for (const std::string& strName : kAwkwardValues) {
        DWORD dwFirstType = 0, dwSecondType = 0;
        std::string firstData, secondData;
        ASSERT_TRUE(StoredValue(m_strStore, "VexorToolTest", strName, dwFirstType, firstData)) << strName;
        ASSERT_TRUE(StoredValue(strSecondStore, "VexorToolTest", strName, dwSecondType, secondData))
            << strName;
        EXPECT_EQ(dwSecondType, dwFirstType) << strName;
        EXPECT_EQ(secondData, firstData) << strName;
    }
    // What the fixture's lines say, byte for byte.
    EXPECT_EQ(StoredData("VexorToolTest", "NoNul"), "ab");
    EXPECT_EQ(StoredData("VexorToolTest", "InnerNul"), std::string("a\0b\0", 4));
    EXPECT_EQ(StoredData("VexorToolTest", "LineBreak"), std::string("a\r\nb\0", 5));
    EXPECT_EQ(StoredData("VexorToolTest", "NotUtf8"), std::string("A\xFF\xFE\0", 4));
    EXPECT_EQ(StoredData("VexorToolTest", "EmptyText"), "");
    EXPECT_EQ(StoredData("VexorToolTest", "Multi"), std::string("a\0\xC3\xBC\0\0", 6));
    EXPECT_EQ(StoredData("VexorToolTest", "DwordShort"), "\x01\x02\x03");
    EXPECT_EQ(StoredData("VexorToolTest", "Back\\slash \"quote\" 100% %s = sure"),
              std::string("C:\\Program Files\\Vexor\\%s \"x\"\0", 30));
    EXPECT_EQ(StoredData("VexorToolTest\\Deep\\Deeper\\Deepest\\\xC3\x9Cn\xC3\xAF"
                         "c\xC3\xB6"
                         "d\xC3\xA9",
                         "Level"),
              std::string("\x04\0\0\0", 4));
}

TEST_F(VexorRegTool, NamesAndDataThatAreNotUtf8SurviveTheFile) {
    const std::string strKey = kKey + "\\bad\xFF";
    Ok({"add", strKey, "/v", "name\xFE", "/d", "data\xFD", "/f"});
    const std::string first = Exported(kKey);
    Ok({"delete", kKey, "/f"});
    WriteFile(Path("bytes.reg"), first);
    Ok({"import", Path("bytes.reg")});
    EXPECT_EQ(StoredData("VexorToolTest\\bad\xFF", "name\xFE"), std::string("data\xFD\0", 6));
    EXPECT_EQ(Exported(kKey), first);
}

TEST_F(VexorRegTool, ADamagedStoreIsReportedAndLeftAlone) {
    const std::string damage = "this is not a registry store, and must stay exactly as it is";
    WriteFile(m_strStore, damage);
    WriteFile(Path("in.reg"), "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\VexorToolTest]\n\"a\"=\"b\"\n");
    const std::vector<std::vector<std::string>> commands = {{"query", kKey},
                                                            {"add", kKey, "/v", "a", "/d", "b", "/f"},
                                                            {"delete", kKey, "/f"},
                                                            {"export", kKey, Path("out.reg"), "/y"},
                                                            {"import", Path("in.reg")}};
    for (const std::vector<std::string>& command : commands) {
        Fails(command, m_strStore);
        EXPECT_EQ(ReadFile(m_strStore), damage) << command[0];
    }
}

} // namespace
