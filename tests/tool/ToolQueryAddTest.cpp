#include "tests/tool/ToolTestFixture.h"

#include "platform/registry/registry.h"

#include <filesystem>

namespace {

const std::string kKey = "HKCR\\VexorToolTest";
const std::string kPath = "HKEY_CLASSES_ROOT\\VexorToolTest";

TEST_F(VexorRegTool, PrintsUsageOnRequest) {
    for (const char* pszHelp : {"--help", "/?", "-?", "/H"}) {
        const CToolResult result = Ok({pszHelp});
        EXPECT_NE(result.strOut.find("vexor-reg QUERY"), std::string::npos);
        EXPECT_NE(result.strOut.find("vexor-reg IMPORT FILE"), std::string::npos);
    }
    EXPECT_NE(Ok({"add", "/?"}).strOut.find("REG_MULTI_SZ"), std::string::npos);
    EXPECT_NE(Ok({"EXPORT", "--help"}).strOut.find("EXPORT KEY FILE [/y]"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_strStore));
}

// Each refusal's message is the parser's or the data converter's (their own tests go through them
// all); here: that it reaches the user, with the way to the usage, and that the store stays untouched.
TEST_F(VexorRegTool, RefusesBadArgumentsAndDataWithoutTouchingTheStore) {
    EXPECT_NE(Fails({}, "Invalid syntax").strErr.find("Type \"vexor-reg /?\" for usage."), std::string::npos);
    EXPECT_NE(Fails({"query"}, "needs a key").strErr.find("Type \"vexor-reg QUERY /?\""), std::string::npos);
    Fails({"query", "HKCR\\a\\\\b"}, "empty part");
    EXPECT_FALSE(std::filesystem::exists(m_strStore));
    Fails({"add", kKey, "/v", "D", "/t", "REG_DWORD", "/d", "4294967296"}, "REG_DWORD data");
    Fails({"add", kKey, "/v", "D", "/t", "REG_DWORD"}, "REG_DWORD data");
    Fails({"query", kKey}, "unable to find");
}

TEST_F(VexorRegTool, AddsEachTypeAndQueryShowsIt) {
    Ok({"add", kKey, "/ve", "/d", "Standard"});
    Ok({"add", kKey, "/v", "Text", "/d",
        "Gr\xC3\xBC\xC3\x9F"
        "e"});
    Ok({"add", kKey, "/v", "Expand", "/t", "REG_EXPAND_SZ", "/d", "%PATH%"});
    Ok({"add", kKey, "/v", "Multi", "/t", "reg_multi_sz", "/d", "a\\0b\\0"});
    Ok({"add", kKey, "/v", "Decimal", "/t", "REG_DWORD", "/d", "31"});
    Ok({"add", kKey, "/v", "Hex", "/T", "REG_DWORD", "/D", "0x01020304"});
    Ok({"add", kKey, "/v", "Binary", "/t", "REG_BINARY", "/d", "0a0BfF"});
    Ok({"add", kKey, "/v", "None", "/t", "REG_NONE"});
    Ok({"add", kKey, "/v", "Empty", "/t", "REG_BINARY"});
    EXPECT_EQ(Ok({"query", kKey}).strOut, "\n" + kPath +
                                              "\n"
                                              "    (Default)    REG_SZ    Standard\n"
                                              "    Text    REG_SZ    Gr\xC3\xBC\xC3\x9F"
                                              "e\n"
                                              "    Expand    REG_EXPAND_SZ    %PATH%\n"
                                              "    Multi    REG_MULTI_SZ    a\\0b\n"
                                              "    Decimal    REG_DWORD    0x1f\n"
                                              "    Hex    REG_DWORD    0x1020304\n"
                                              "    Binary    REG_BINARY    0A0BFF\n"
                                              "    None    REG_NONE    00\n"
                                              "    Empty    REG_BINARY    \n\n");
    EXPECT_EQ(StoredData("VexorToolTest", "Text"), std::string("Gr\xC3\xBC\xC3\x9F"
                                                               "e\0",
                                                               8));
    EXPECT_EQ(StoredData("VexorToolTest", "Multi"), std::string("a\0b\0\0", 5));
    EXPECT_EQ(StoredData("VexorToolTest", "Hex"), "\x04\x03\x02\x01");
    EXPECT_EQ(StoredData("VexorToolTest", "Binary"), "\x0a\x0b\xff");
    EXPECT_EQ(StoredData("VexorToolTest", "Empty"), "");
}

TEST_F(VexorRegTool, AddKeepsAnExistingValueUnlessForcedOrAnswered) {
    Ok({"add", kKey, "/v", "Name", "/d", "old"});
    Fails({"add", kKey, "/v", "Name", "/d", "new"}, "give /f");
    EXPECT_EQ(StoredData("VexorToolTest", "Name"), std::string("old\0", 4));

    CToolResult result = RunToolOnTerminal({"add", kKey, "/v", "Name", "/d", "new"}, m_strStore, "no\n");
    EXPECT_EQ(result.nExitCode, 1);
    EXPECT_NE(result.strErr.find("Overwrite it (Yes/No)?"), std::string::npos);
    EXPECT_NE(result.strErr.find("ERROR: Cancelled."), std::string::npos);
    EXPECT_EQ(StoredData("VexorToolTest", "Name"), std::string("old\0", 4));

    result = RunToolOnTerminal({"add", kKey, "/v", "Name", "/d", "new"}, m_strStore, "maybe\nY\n");
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    EXPECT_EQ(StoredData("VexorToolTest", "Name"), std::string("new\0", 4));

    Ok({"add", kKey, "/v", "Name", "/d", "forced", "/f"});
    EXPECT_EQ(StoredData("VexorToolTest", "Name"), std::string("forced\0", 7));
}

TEST_F(VexorRegTool, AddWithoutAValueOnlyCreatesTheKey) {
    Ok({"add", kKey, "/ve", "/t", "REG_DWORD", "/d", "1"});
    Ok({"add", kKey});
    Ok({"add", kKey + "\\Sub\\Deeper\\"});
    EXPECT_EQ(StoredData("VexorToolTest", ""), std::string("\1\0\0\0", 4));
    EXPECT_EQ(Ok({"query", kKey + "\\Sub"}).strOut, "\n" + kPath + "\\Sub\\Deeper\n");
    Ok({"add", kKey + "\\Other", "/d", "unnamed", "/f"}); // /d alone sets the unnamed value
    EXPECT_EQ(StoredData("VexorToolTest\\Other", ""), std::string("unnamed\0", 8));
}

TEST_F(VexorRegTool, QueryReportsMissingKeysAndValuesAndSearchesTheTree) {
    EXPECT_EQ(Fails({"query", kKey}, "unable to find the specified registry key").strOut, "");
    Ok({"add", kKey, "/v", "Wine", "/d", "First"});
    EXPECT_EQ(Fails({"query", kKey, "/v", "Missing"}, "unable to find").strOut, "");
    EXPECT_EQ(Ok({"query", kKey, "/ve"}).strOut,
              "\n" + kPath + "\n    (Default)    REG_SZ    (value not set)\n\n");
    EXPECT_EQ(Ok({"query", kKey, "/v", "WINE"}).strOut, "\n" + kPath + "\n    WINE    REG_SZ    First\n\n");
    Ok({"add", kKey + "\\b", "/v", "Other", "/t", "REG_DWORD", "/d", "2"});
    Ok({"add", kKey + "\\a\\deep", "/v", "Wine", "/d", "Second"});
    EXPECT_EQ(Ok({"query", kKey, "/s"}).strOut, "\n" + kPath + "\n    Wine    REG_SZ    First\n\n" + kPath +
                                                    "\\a\n\n" + kPath +
                                                    "\\a\\deep\n    Wine    REG_SZ    Second\n\n" + kPath +
                                                    "\\b\n    Other    REG_DWORD    0x2\n\n");
    EXPECT_EQ(Ok({"query", kKey, "/v", "Wine", "/s"}).strOut,
              "\n" + kPath + "\n    Wine    REG_SZ    First\n\n" + kPath +
                  "\\a\\deep\n    Wine    REG_SZ    Second\n\nEnd of search: 2 match(es) found.\n");
    EXPECT_EQ(Fails({"query", kKey, "/ve", "/s"}, "unable to find").strOut,
              "\nEnd of search: 0 match(es) found.\n");
}

TEST_F(VexorRegTool, KeepsNamesOfAnyCharacters) {
    const std::vector<std::string> names = {
        "100% %s %n", "back\\slash", "a=b", "\"quoted\"", "M\xC3\xBCller \xE2\x82\xAC", "@", " spaced "};
    for (const std::string& strName : names)
        Ok({"add", kKey, "/v", strName, "/d", strName});
    for (const std::string& strName : names) {
        EXPECT_EQ(Ok({"query", kKey, "/v", strName}).strOut,
                  "\n" + kPath + "\n    " + strName + "    REG_SZ    " + strName + "\n\n");
        EXPECT_EQ(StoredData("VexorToolTest", strName), strName + '\0');
    }
    Ok({"add", "hkey_classes_root\\VexorToolTest\\M\xC3\xBCller", "/ve", "/d", ""});
    EXPECT_EQ(StoredData("VexorToolTest\\M\xC3\xBCller", ""), std::string("\0", 1));
}

TEST_F(VexorRegTool, ReportsAStoreThatCannotBeCreated) {
    WriteFile(Path("not-a-directory"), "x");
    const CToolResult result =
        RunTool({"add", kKey, "/v", "a", "/d", "b"}, Path("not-a-directory/registry.db"));
    EXPECT_EQ(result.nExitCode, 1);
    EXPECT_NE(result.strErr.find(Path("not-a-directory/registry.db")), std::string::npos) << result.strErr;
    EXPECT_EQ(ReadFile(Path("not-a-directory")), "x");
}

} // namespace
