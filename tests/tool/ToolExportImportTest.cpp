#include "tests/tool/ToolTestFixture.h"

#include "tools/reg/Utf16.h"

#include <filesystem>

namespace {

const std::string kKey = "HKCR\\VexorToolTest";

std::string Utf16File(const std::string& text) {
    return "\xFF\xFE" + ToUtf16Le(Utf8ToUtf16(text));
}

TEST_F(VexorRegTool, ExportWritesWhatRegExeWrites) {
    Ok({"add", kKey, "/v", "DWORD", "/t", "REG_DWORD", "/d", "256"});
    Ok({"add", kKey, "/v", "String", "/d", "Your text here..."});
    Ok({"add", kKey + "\\Subkey2"});
    Ok({"add", kKey + "\\subkey1", "/ve", "/t", "REG_BINARY", "/d", "11223344"});
    EXPECT_EQ(Ok({"export", kKey, Path("out.reg")}).strOut, "The operation completed successfully.\n");
    EXPECT_EQ(ReadFile(Path("out.reg")), Utf16File("Windows Registry Editor Version 5.00\r\n\r\n"
                                                   "[HKEY_CLASSES_ROOT\\VexorToolTest]\r\n"
                                                   "\"DWORD\"=dword:00000100\r\n"
                                                   "\"String\"=\"Your text here...\"\r\n\r\n"
                                                   "[HKEY_CLASSES_ROOT\\VexorToolTest\\subkey1]\r\n"
                                                   "@=hex:11,22,33,44\r\n\r\n"
                                                   "[HKEY_CLASSES_ROOT\\VexorToolTest\\Subkey2]\r\n\r\n"));
}

TEST_F(VexorRegTool, ExportKeepsAnExistingFileUnlessAllowed) {
    Ok({"add", kKey, "/v", "a", "/d", "b"});
    WriteFile(Path("old.reg"), "precious");
    Fails({"export", kKey, Path("old.reg")}, "give /y");
    EXPECT_EQ(ReadFile(Path("old.reg")), "precious");

    CToolResult result = RunToolOnTerminal({"export", kKey, Path("old.reg")}, m_strStore, "no\n");
    EXPECT_EQ(result.nExitCode, 1);
    EXPECT_EQ(ReadFile(Path("old.reg")), "precious");

    result = RunToolOnTerminal({"export", kKey, Path("old.reg")}, m_strStore, "yes\n");
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    EXPECT_EQ(ReadFile(Path("old.reg")), Exported(kKey));

    WriteFile(Path("old.reg"), "precious");
    Ok({"export", kKey, Path("old.reg"), "/Y"});
    EXPECT_EQ(ReadFile(Path("old.reg")), Exported(kKey));
}

TEST_F(VexorRegTool, ExportOfAMissingKeyWritesNoFile) {
    Fails({"export", kKey, Path("out.reg")}, "unable to find");
    Fails({"export", kKey, Path("missing-directory/out.reg")}, "unable to find");
    Ok({"add", kKey});
    Fails({"export", kKey, Path("missing-directory/out.reg")}, "cannot create");
    EXPECT_FALSE(std::filesystem::exists(Path("out.reg")));
}

// REGEDIT4 with CRLF here; the round trip imports the UTF-16 form.
TEST_F(VexorRegTool, ImportAppliesKeysValuesAndDeletions) {
    Ok({"add", kKey + "\\Gone\\Below", "/v", "x", "/d", "y"});
    Ok({"add", kKey, "/v", "Drop", "/d", "z"});
    WriteFile(Path("in.reg"), "REGEDIT4\r\n\r\n"
                              "[-HKEY_CLASSES_ROOT\\VexorToolTest\\Gone]\r\n"
                              "[-HKEY_CLASSES_ROOT\\VexorToolTest\\NeverWasThere]\r\n\r\n"
                              "[HKEY_CLASSES_ROOT\\VexorToolTest]\r\n"
                              "\"Drop\"=-\r\n"
                              "\"NotThereEither\"=-\r\n"
                              "\"New\"=\"value\"\r\n"
                              "@=dword:00000001\r\n"
                              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\VexorToolTest]\r\n"
                              "\"Path\"=hex(2):25,50,25,00\r\n");
    EXPECT_EQ(Ok({"import", Path("in.reg")}).strOut, "The operation completed successfully.\n");
    EXPECT_EQ(Ok({"query", kKey}).strOut, "\nHKEY_CLASSES_ROOT\\VexorToolTest\n"
                                          "    New    REG_SZ    value\n"
                                          "    (Default)    REG_DWORD    0x1\n\n");
    EXPECT_EQ(Ok({"query", "HKLM\\SOFTWARE\\VexorToolTest"}).strOut,
              "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\VexorToolTest\n    Path    REG_EXPAND_SZ    %P%\n\n");
}

// A fault the parser finds, and one only the registry finds, after a deletion and a key were
// already taken from the file: either way the store stays as it was.
TEST_F(VexorRegTool, ImportThatFailsAnywhereChangesNothing) {
    Ok({"add", kKey, "/v", "Keep", "/d", "me"});
    const std::string before = Exported(kKey);
    const std::string start = "REGEDIT4\n\n[-HKEY_CLASSES_ROOT\\VexorToolTest]\n"
                              "[HKEY_CLASSES_ROOT\\VexorToolTest\\New]\n\"a\"=\"b\"\n";
    WriteFile(Path("bad.reg"), start + "\"c\"=hex:01,02,\\\n  03,zz\n");
    EXPECT_NE(Fails({"import", Path("bad.reg")}, "bad.reg: line 7: expected a hex byte")
                  .strErr.find("Nothing was imported"),
              std::string::npos);
    WriteFile(Path("long.reg"),
              start + "[HKEY_CLASSES_ROOT\\VexorToolTest\\" + std::string(300, 'k') + "]\n");
    Fails({"import", Path("long.reg")}, "long.reg: line 6: cannot create the key");
    EXPECT_EQ(Exported(kKey), before);
}

TEST_F(VexorRegTool, ImportOfAFileThatCannotBeReadSaysWhy) {
    Fails({"import", Path("absent.reg")},
          "cannot open \"" + Path("absent.reg") + "\": No such file or directory");
    Fails({"import", m_strDir}, "cannot read");
    WriteFile(Path("empty.reg"), "");
    Fails({"import", Path("empty.reg")}, "line 1: not a registry file");
    EXPECT_FALSE(std::filesystem::exists(m_strStore));
}

} // namespace
