// export and import as a real process: what import applies, and that the round trip through file and
// store keeps every byte (the file's layout is the writer's, tested on its own).
#include "tests/tool/ToolTestFixture.h"

// REGEDIT4 with CRLF here; the round trip imports the UTF-16 form.
TEST_F(VexorRegTool, ImportAppliesKeysValuesAndDeletions) {
    Ok({"add", kKey + "\\Gone\\Below", "/v", "x", "/d", "y"});
    Ok({"add", kKey, "/v", "Drop", "/d", "z"});
    writeFile(Path("in.reg"), "REGEDIT4\r\n\r\n[-" + kPath + "\\Gone]\r\n[-" + kPath +
                                  "\\NeverWasThere]\r\n\r\n[" + kPath +
                                  "]\r\n\"Drop\"=-\r\n\"NotThereEither\"=-\r\n@=dword:00000001\r\n"
                                  "\"New\"=\"value\"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\VexorToolTest]\r\n"
                                  "\"Path\"=hex(2):25,50,25,00\r\n");
    EXPECT_EQ(Ok({"import", Path("in.reg")}).strOut, "The operation completed successfully.\n");
    EXPECT_EQ(Ok({"query", kKey}).strOut,
              "\n" + kPath + "\n    (Default)    REG_DWORD    0x1\n    New    REG_SZ    value\n\n");
    EXPECT_EQ(Ok({"query", "HKLM\\SOFTWARE\\VexorToolTest"}).strOut,
              "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\VexorToolTest\n    Path    REG_EXPAND_SZ    %P%\n\n");
}

// A fault the parser finds, and one only the registry finds, after a deletion and a key were
// already taken from the file: either way the store stays as it was.
TEST_F(VexorRegTool, ImportThatFailsAnywhereChangesNothing) {
    Ok({"add", kKey, "/v", "Keep", "/d", "me"});
    const std::string before = Exported(kKey);
    const std::string start = "REGEDIT4\n\n[-" + kPath + "]\n[" + kPath + "\\New]\n\"a\"=\"b\"\n";
    writeFile(Path("bad.reg"), start + "\"c\"=hex:01,02,\\\n  03,zz\n");
    EXPECT_NE(Fails({"import", Path("bad.reg")}, "bad.reg: line 7: expected a hex byte")
                  .strErr.find("Nothing was imported"),
              std::string::npos);
    writeFile(Path("long.reg"), start + "[" + kPath + "\\" + std::string(300, 'k') + "]\n");
    Fails({"import", Path("long.reg")}, "long.reg: line 6: cannot create the key");
    EXPECT_EQ(Exported(kKey), before);
}

// The fixture holds every type and the awkward names and data; with them, bytes of a name and of data
// that are not UTF-8. Imported again from its own export, the store exports the very same file.
TEST_F(VexorRegTool, TheFixtureLandsAsItsBytesSayAndExportImportExportIsByteIdentical) {
    Ok({"import", std::string(VEXOR_TOOL_FIXTURES) + "/every-type.reg"});
    Ok({"add", kKey + "\\bad\xFF", "/v", "name\xFE", "/d", "data\xFD"});
    Ok({"add", kKey + "\\bad\xFF", "/v", "expand", "/t", "REG_EXPAND_SZ", "/d", "\xFE"});
    writeFile(Path("first.reg"), Exported(kKey));
    ASSERT_NE(fileBytes(Path("first.reg")), "");
    Ok({"delete", kKey, "/f"});
    Ok({"import", Path("first.reg")});
    EXPECT_EQ(Exported(kKey), fileBytes(Path("first.reg")));
    const std::pair<std::string, std::string> values[] = {
        {"NoNul", "ab"},
        {"InnerNul", "a\0b\0"s},
        {"LineBreak", "a\r\nb\0"s},
        {"NotUtf8", "A\xFF\xFE\0"s},
        {"EmptyText", ""},
        {"Multi", "a\0\xC3\xBC\0\0"s},
        {"Expand", "%PATH%\\Vexor\0"s},
        {"DwordShort", "\x01\x02\x03"},
        {"Back\\slash \"quote\" 100% %s = sure", "C:\\Program Files\\Vexor\\%s \"x\"\0"s},
    };
    for (const auto& [name, data] : values)
        EXPECT_EQ(StoredData("VexorToolTest", name), data) << name;
    EXPECT_EQ(StoredData("VexorToolTest\\Deep\\Deeper\\Deepest\\\xC3\x9Cn\xC3\xAF\x63\xC3\xB6\x64\xC3\xA9",
                         "Level"),
              "\x04\0\0\0"s);
    EXPECT_EQ(StoredData("VexorToolTest\\bad\xFF", "name\xFE"), "data\xFD\0"s);
    EXPECT_EQ(StoredData("VexorToolTest\\bad\xFF", "expand"), "\xFE\0"s);
}

// Whatever the command, a damaged store, or one that can't be reached, is named and left as it is.
TEST_F(VexorRegTool, AStoreThatIsDamagedOrCannotBeReachedIsReportedAndLeftAlone) {
    const std::string damage = "this is not a registry store, and must stay exactly as it is";
    writeFile(m_strStore, damage);
    writeFile(Path("in.reg"), "REGEDIT4\n\n[" + kPath + "]\n\"a\"=\"b\"\n");
    const std::vector<std::vector<std::string>> commands = {{"query", kKey},
                                                            {"add", kKey, "/v", "a", "/d", "b", "/f"},
                                                            {"delete", kKey, "/f"},
                                                            {"export", kKey, Path("out.reg"), "/y"},
                                                            {"import", Path("in.reg")}};
    for (const std::vector<std::string>& command : commands) {
        SCOPED_TRACE(command[0]);
        for (const std::string& strStore : {m_strStore, m_strStore + "/registry.db"}) {
            const CToolResult result = Run(command, strStore);
            EXPECT_EQ(result.nExitCode, 1);
            EXPECT_EQ(result.strErr.rfind("ERROR: ", 0), 0u) << result.strErr;
            EXPECT_NE(result.strErr.find(strStore), std::string::npos) << result.strErr;
            EXPECT_EQ(fileBytes(m_strStore), damage);
        }
    }
}
