// query, add and delete as a real process: what they show and store, what they ask and refuse.
#include "tests/tool/ToolTestFixture.h"

#include <filesystem>

// The help words themselves are the parser's; here: what each prints. Each refusal's message is the
// parser's, the data converter's or the file reader's (their own tests go through them all); here: that
// it reaches the user, with the way to the usage, and that neither the store nor a file comes into being.
TEST_F(VexorRegTool, UsageVersionStoreAndRefusalsReachTheUserAndCreateNothing) {
    EXPECT_NE(Ok({"/?"}).strOut.find("vexor-reg IMPORT FILE"), std::string::npos);
    EXPECT_NE(Ok({"add", "/?"}).strOut.find("REG_MULTI_SZ"), std::string::npos);
    EXPECT_EQ(Ok({"--version"}).strOut, "vexor-reg " VEXOR_VERSION "\n");
#ifdef _WIN32 // where the store is, and the system's words for a missing file and for a folder
    const std::string rule = "(the system registry)", missing = "File not found", folder = "cannot open";
#else
    const std::string rule = "(named by $VEXOR_REGISTRY)", missing = "No such file or directory", folder = "cannot read";
#endif
    EXPECT_EQ(Ok({"--store"}).strOut, m_strStore + "\n" + rule + "\n");
    writeFile(Path("empty.reg"), "");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "Type \"vexor-reg /?\" for usage."},
        {{"query"}, "Type \"vexor-reg QUERY /?\" for usage."},
        {{"query", "HKCR\\a\\\\b"}, "empty part"},
        {{"add", kKey, "/v", "D", "/t", "REG_DWORD", "/d", "4294967296"}, "REG_DWORD data"},
        {{"add", kKey, "/v", "two\nlines", "/d", "x"}, "The value name holds a line break"},
        {{"add", kKey + "\\a\rb"}, "The key name holds a line break"},
        {{"export", kKey, Path("out.reg")}, "unable to find"},
        {{"import", Path("absent.reg")}, "cannot open \"" + Path("absent.reg") + "\": " + missing},
        {{"import", m_strDir}, folder},
        {{"import", Path("empty.reg")}, "line 1: not a registry file"},
    };
    for (const auto& [command, message] : cases)
        Fails(command, message);
    EXPECT_FALSE(std::filesystem::exists(m_strStore));
    Ok({"add", kKey});
    Fails({"export", kKey, Path("missing-directory/out.reg")}, "cannot create");
    EXPECT_FALSE(std::filesystem::exists(Path("out.reg")));
}

// Names of any characters pass the command line, the store and the query unchanged; how each type's
// data is read and shown is the data converter's and the query layout's (their own tests). The names
// are created in the order of their names, the order Wine lists values in.
TEST_F(VexorRegTool, AddsEachTypeAndQueryShowsIt) {
    const struct {
        std::string name; // "": the unnamed value (/ve)
        std::vector<std::string> typeAndData;
        const char* pszShown;
        std::string stored;
    } cases[] = {
        {"", {"/d", "Standard"}, "REG_SZ    Standard", "Standard\0"s},
        {" spaced ", {"/t", "REG_NONE"}, "REG_NONE    00", "\0"s},
        {"\"quoted\"", {"/t", "REG_DWORD", "/d", "31"}, "REG_DWORD    0x1f", "\x1f\0\0\0"s},
        {"100% %s %n", {"/d", "Gr\xC3\xBC\xC3\x9F\x65"}, "REG_SZ    Gr\xC3\xBC\xC3\x9F\x65", "Gr\xC3\xBC\xC3\x9F\x65\0"s},
        {"a=b", {"/t", "reg_multi_sz", "/d", "a\\0b\\0"}, "REG_MULTI_SZ    a\\0b", "a\0b\0\0"s},
        {"back\\slash", {"/t", "REG_EXPAND_SZ", "/d", "%PATH%"}, "REG_EXPAND_SZ    %PATH%", "%PATH%\0"s},
        {"M\xC3\xBCller \xE2\x82\xAC", {"/T", "REG_BINARY", "/D", "0a0BfF"}, "REG_BINARY    0A0BFF", "\x0a\x0b\xff"s},
    };
    std::string listing = "\n" + kPath + "\n";
    for (const auto& c : cases) {
        std::vector<std::string> add = {"add", kKey, "/v", c.name};
        if (c.name.empty())
            add = {"add", kKey, "/ve"};
        add.insert(add.end(), c.typeAndData.begin(), c.typeAndData.end());
        Ok(add);
        EXPECT_EQ(StoredData("VexorToolTest", c.name), c.stored) << c.name;
        listing += "    " + (c.name.empty() ? "(Default)" : c.name) + "    " + c.pszShown + "\n";
    }
    EXPECT_EQ(Ok({"query", kKey}).strOut, listing + "\n");
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
    const std::string top = "\n" + kPath + "\n    Wine    REG_SZ    First\n\n";
    const std::string deep = kPath + "\\a\\deep\n    Wine    REG_SZ    Second\n\n";
    EXPECT_EQ(Ok({"query", kKey, "/s"}).strOut,
              top + kPath + "\\a\n\n" + deep + kPath + "\\b\n    Other    REG_DWORD    0x2\n\n");
    EXPECT_EQ(Ok({"query", kKey, "/v", "Wine", "/s"}).strOut,
              top + deep + "End of search: 2 match(es) found.\n");
    EXPECT_EQ(Fails({"query", kKey, "/ve", "/s"}, "unable to find").strOut,
              "\nEnd of search: 0 match(es) found.\n");
}

// Adding without a value only creates the key; delete takes one value, all values or a key, never a root.
TEST_F(VexorRegTool, AddWithoutAValueOnlyCreatesTheKeyAndDeleteTakesOneValueAllValuesOrAKeyButNeverARoot) {
    Ok({"add", kKey, "/ve", "/t", "REG_DWORD", "/d", "1"});
    Ok({"add", kKey});
    Ok({"add", kKey + "\\Sub\\Deeper\\"});
    EXPECT_EQ(StoredData("VexorToolTest", ""), "\1\0\0\0"s);
    EXPECT_EQ(Ok({"query", kKey + "\\Sub"}).strOut, "\n" + kPath + "\\Sub\\Deeper\n");
    Ok({"add", kKey + "\\Other", "/d", "unnamed", "/f"}); // /d alone sets the unnamed value
    EXPECT_EQ(StoredData("VexorToolTest\\Other", ""), "unnamed\0"s);
    Ok({"delete", kKey, "/f"});
    Ok({"add", kKey, "/ve", "/d", "unnamed"});
    Ok({"add", kKey, "/v", "One", "/d", "1"});
    Ok({"add", kKey, "/v", "Two", "/d", "2"});
    Ok({"add", kKey + "\\Sub", "/v", "Below", "/d", "3"});
    EXPECT_EQ(Ok({"delete", kKey, "/v", "one", "/f"}).strOut, "The operation completed successfully.\n");
    EXPECT_EQ(StoredData("VexorToolTest", "One"), "<no value>");
    EXPECT_EQ(StoredData("VexorToolTest", "Two"), "2\0"s);
    Fails({"delete", kKey, "/v", "One", "/f"}, "unable to find");
    Ok({"delete", kKey, "/ve", "/f"});
    EXPECT_EQ(StoredData("VexorToolTest", ""), "<no value>");
    Fails({"delete", kKey, "/ve", "/f"}, "unable to find");
    Ok({"delete", kKey, "/va", "/f"});
    EXPECT_EQ(Ok({"query", kKey}).strOut, "\n" + kPath + "\\Sub\n");
    EXPECT_EQ(StoredData("VexorToolTest\\Sub", "Below"), "3\0"s);
    for (const char* pszRoot : {"HKCR", "HKEY_LOCAL_MACHINE"})
        Fails({"delete", pszRoot, "/f"}, "root key can't be deleted");
    Ok({"delete", kKey + "\\", "/f"});
    Fails({"query", kKey + "\\Sub"}, "unable to find");
    Fails({"delete", kKey, "/f"}, "unable to find");
}
