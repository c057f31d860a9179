// What a hostile or huge file, a link another user planted and a full disk can't do through vexor-reg.
// Cases that own files for another user or mount a small disk need root, as CI has.
#include "tests/tool/ToolTestFixture.h"

#include "tools/reg/Utf16.h"

#include "tests/registry/registry_test_support.h"

#include "platform/registry/store.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sys/mount.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

// Reading value by value, an export taken while imports ran mixed their states.
TEST_F(VexorRegTool, ExportAndQueryShowOneStateWhileImportsRun) {
    std::string strOld = "REGEDIT4\n\n[" + kPath + "]\n", strNew = strOld;
    for (int i = 0; i < 300; ++i) {
        strOld += "\"v" + std::to_string(i) + "\"=\"old\"\n";
        strNew += "\"v" + std::to_string(i) + "\"=\"new\"\n";
    }
    writeFile(Path("old.reg"), strOld);
    writeFile(Path("new.reg"), strNew);
    Ok({"import", Path("old.reg")});
    std::atomic<bool> bStop{false};
    std::thread writer([&] {
        for (int i = 0; !bStop; ++i)
            Run({"import", Path(i % 2 ? "old.reg" : "new.reg")});
    });
    const std::string oldData = ToUtf16Le(u"=\"old\""), newData = ToUtf16Le(u"=\"new\"");
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string exported = Exported(kKey), shown = Run({"query", kKey, "/s"}).strOut;
        EXPECT_TRUE(exported.find(oldData) == std::string::npos ||
                    exported.find(newData) == std::string::npos);
        EXPECT_TRUE(shown.find("REG_SZ    old") == std::string::npos ||
                    shown.find("REG_SZ    new") == std::string::npos);
    }
    bStop = true;
    writer.join();
}

TEST_F(VexorRegTool, KeysDeeperThan512LevelsAndHugeFilesAreRefused) {
    std::string strDeep = kKey;
    for (int level = 2; level <= 512; ++level)
        strDeep += "\\k";
    Ok({"add", strDeep});
    Fails({"add", strDeep + "\\k"},
          "the key lies 513 levels below its root; the registry allows at most 512");
    writeFile(Path("deep.reg"), "REGEDIT4\n\n[" + strDeep.replace(0, 4, "HKEY_CLASSES_ROOT") + "\\k]\n");
    Fails({"import", Path("deep.reg")}, "deep.reg: line 3: Invalid key name: the key lies 513 levels");

    writeFile(Path("blank.reg"), "REGEDIT4\n" + std::string(30 << 20, '\n'));
    const struct {
        std::string strFile;
        int nMegabytes;       // the memory the tool may take
        const char* pszError; // "": imports
    } cases[] = {{"/dev/zero", 512, "larger than 128 MiB, the limit for .reg files"},
                 {Path("blank.reg"), 512, ""},
                 {Path("blank.reg"), 40, "Not enough memory for this operation; nothing was changed."}};
    for (const auto& c : cases) {
        const CToolResult result =
            Run({"import", c.strFile}, m_strStore, {"prlimit", "--as=" + std::to_string(c.nMegabytes << 20)});
        EXPECT_EQ(result.nExitCode, *c.pszError ? 1 : 0) << c.strFile << " " << result.strErr;
        EXPECT_NE(result.strErr.find(c.pszError), std::string::npos) << result.strErr;
    }
}

TEST_F(VexorRegTool, ExportNeverWritesOverTheStoreOrThroughALinkAndIsPrivate) {
    Ok({"add", kKey, "/v", "Password", "/d", "secret"});
    for (const char* pszSuffix : {"", "-wal", "-shm"})
        Fails({"export", kKey, m_strStore + pszSuffix, "/y"}, "the registry store " + m_strStore + " itself");
    EXPECT_EQ(StoredData("VexorToolTest", "Password"), "secret\0"s);

    fs::create_symlink(Path("elsewhere.reg"), Path("link.reg")); // dangling: still something to replace
    Fails({"export", kKey, Path("link.reg")}, "exists and was not changed");
    Ok({"export", kKey, Path("link.reg"), "/y"});
    EXPECT_FALSE(fs::exists(Path("elsewhere.reg"))) << "the link is replaced, never written through";
    EXPECT_EQ(fs::symlink_status(Path("link.reg")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    if (geteuid() == 0) {
        fs::create_symlink(Path("planted-target"), Path("planted.reg"));
        ASSERT_EQ(lchown(Path("planted.reg").c_str(), 65534, 65534), 0);
        Fails({"export", kKey, Path("planted.reg"), "/y"}, "a symbolic link made by another user");
    }
}

// A full disk (a small tmpfs filled to the last byte): the export leaves the previous file whole, the
// import says what happened.
TEST_F(VexorRegTool, AFullDiskLosesNothingAndIsNamed) {
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small disk needs root";
    const std::string strDisk = Path("disk"), strStore = strDisk + "/registry.db",
                      strBackup = strDisk + "/backup.reg";
    fs::create_directory(strDisk);
    ASSERT_EQ(mount("tmpfs", strDisk.c_str(), "tmpfs", 0, "size=256k"), 0) << "tmpfs could not be mounted";
    EXPECT_EQ(Run({"add", kKey, "/v", "kept", "/d", "x"}, strStore).nExitCode, 0); // no ASSERT: unmount below
    Ok({"add", kKey, "/v", "Big", "/t", "REG_BINARY", "/d", std::string(100000, 'a')});
    writeFile(strBackup, "precious");
    writeFile(Path("big.reg"), Exported(kKey));
    {
        std::ofstream filler(strDisk + "/filler", std::ios::binary);
        for (const std::string block(4096, 'f'); filler.write(block.data(), block.size());)
            filler.flush();
    }
    const CToolResult exported = Run({"export", kKey, strBackup, "/y"});
    const CToolResult imported = Run({"import", Path("big.reg")}, strStore);
    const std::string shown = Run({"query", kKey}, strStore).strOut;
    umount2(strDisk.c_str(), MNT_DETACH);
    EXPECT_NE(exported.strErr.find("No space left on device. Whatever was there before is unchanged."),
              std::string::npos)
        << exported.strErr;
    EXPECT_NE(imported.strErr.find("Cannot import \"" + Path("big.reg") + "\": The registry store " +
                                   strStore + " could not be written: the disk is full"),
              std::string::npos)
        << imported.strErr;
    EXPECT_EQ(shown, "\n" + kPath + "\n    kept    REG_SZ    x\n\n");
}

TEST_F(VexorRegTool, LineBreaksInNamesAreRefusedWhereWrittenOtherControlsEscapedInQueriesAndKeptInExports) {
    writeFile(Path("cr.reg"), "REGEDIT4\n\n[" + kPath + "]\n\"a\rb\"=\"x\"\n");
    Fails({"import", Path("cr.reg")}, "cr.reg: line 4: The value name holds a line break");
    EXPECT_FALSE(fs::exists(m_strStore));
    // Written by another program, such a name still can't reach a file, and can still be deleted.
    writeString(HKEY_CLASSES_ROOT, "VexorToolTest", "two\nlines", "x");
    vexor::registry::closeStore();
    Fails({"export", kKey, Path("out.reg")}, "holds a line break, which a .reg file cannot carry");
    EXPECT_FALSE(fs::exists(Path("out.reg")));
    Ok({"delete", kKey, "/v", "two\nlines", "/f"});

    // Other control characters: query escapes them, export keeps them.
    const std::string data = "line\nfake\x1b]0;title\x07\xC2\x9B\xFF\x65nd";
    Ok({"add", kKey, "/v", "bell\a", "/d", data});
    EXPECT_EQ(Ok({"query", kKey}).strOut,
              "\n" + kPath +
                  "\n    bell\\x07    REG_SZ    line\\x0afake\\x1b]0;title\\x07\\xc2\\x9b\\xffend\n\n");
    writeFile(Path("copy.reg"), Exported(kKey));
    Ok({"delete", kKey, "/f"});
    Ok({"import", Path("copy.reg")});
    EXPECT_EQ(StoredData("VexorToolTest", "bell\a"), data + '\0');
}
