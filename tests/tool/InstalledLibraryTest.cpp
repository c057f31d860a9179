// The installation as the IDE meets it: the store prepared by the package's own script, the library
// installed with cmake --install into a temporary prefix, and the example built against it with
// pkg-config, reading as another user the accounts the program's access layer saved.
#include "tests/tool/ToolTestFixture.h"

#include "platform/registry/store.h"
#include "store/RegistryAccess.h"
#include "store/StoreKeys.h"

#include <sys/stat.h>
#include <unistd.h>

// Any command, through sh -c, as the tool is run (builds and runs against the installed copy).
static CToolResult Shell(const std::string& strCommand) {
    return RunProcess({"sh", "-c", strCommand});
}

TEST_F(VexorRegTool, AnotherUserReadsTheMachineStoreThroughTheInstalledLibraryButCannotWriteIt) {
    if (geteuid() != 0)
        GTEST_SKIP() << "a root-owned machine store, read as another user, needs root";
    const std::string prefix = Path("usr"), libdir = prefix + "/" VEXOR_INSTALL_LIBDIR;
    chmod(m_strDir.c_str(), 0755);
    const CToolResult install = Shell("cmake --install " VEXOR_BUILD_DIR " --prefix " + prefix);
    ASSERT_EQ(install.nExitCode, 0) << install.strErr;
    const std::string library = libdir + "/libvexor-registry.so";
    EXPECT_EQ(
        Shell("objdump -p " + library + " | awk '/SONAME/ {print $2}'; nm -D --defined-only " + library +
              " | awk '{print $3}' | sed 's/@@VEXOR_REGISTRY_1//' | sort | tr '\\n' ' '")
            .strOut,
        "libvexor-registry.so.1\nRegCloseKey RegCreateKeyExA RegDeleteValueA RegEnumKeyExA RegEnumValueA "
        "RegOpenKeyExA RegQueryValueExA RegSetValueExA SHDeleteKeyA VEXOR_REGISTRY_1 ");
    const CToolResult build =
        Shell("cc -Wall -Werror " VEXOR_SOURCE_DIR "/lib/example/read_accounts.c -o " + Path("example") +
              " $(PKG_CONFIG_PATH=" + libdir + "/pkgconfig pkg-config --cflags --libs vexor-registry)");
    ASSERT_EQ(build.nExitCode, 0) << build.strErr;
    const std::string configure = "DPKG_ROOT=" + m_strDir + " PATH=" + prefix +
                                  "/bin:$PATH sh " VEXOR_SOURCE_DIR "/packaging/postinst configure";
    const CToolResult prepare = Shell("mkdir -p " + Path("var/lib") + " && " + configure);
    ASSERT_EQ(prepare.nExitCode, 0) << prepare.strErr;

    setenv("VEXOR_REGISTRY", Path("var/lib/vexor/registry.db").c_str(), 1);
    vexor::registry::closeStore();
    const struct {
        std::string name, group, password, offset;
        DWORD enableLogin;
    } accounts[] = {{AdministratorName, "Administratoren", "geheim", "0", 1},
                    {"anna", "Entwickler", "", "12", 0}};
    for (const auto& a : accounts) { // as the program's account list saves them
        const std::string key = std::string(AccountStoreKey) + "\\" + a.name;
        WriteRegDword(HKEY_CLASSES_ROOT, key, "Enable Login", a.enableLogin, REG_DWORD, __FILE__, __LINE__);
        WriteRegString(HKEY_CLASSES_ROOT, key, "Group", a.group, REG_SZ, __FILE__, __LINE__);
        WriteRegString(HKEY_CLASSES_ROOT, key, "Password", a.password, REG_SZ, __FILE__, __LINE__);
        WriteRegString(HKEY_CLASSES_ROOT, key, "Offset", a.offset, REG_SZ, __FILE__, __LINE__);
    }
    vexor::registry::closeStore();
    const std::string asNobody =
        "LD_LIBRARY_PATH=" + libdir + " setpriv --reuid=65534 --regid=65534 --clear-groups ";
    const CToolResult read = Shell(asNobody + Path("example"));
    EXPECT_EQ(read.strOut, "Administrator: Enable Login=1 Group=Administratoren Password=geheim Offset=0\n"
                           "anna: Enable Login=0 Group=Entwickler Password= Offset=12\n");
    EXPECT_EQ(read.nExitCode, 0) << read.strErr;
    const std::string tool = asNobody + prefix + "/bin/vexor-reg ";
    EXPECT_NE(
        Shell(tool + "query 'HKCR\\" + AccountStoreKey + "\\anna' /v Offset").strOut.find("REG_SZ    12"),
        std::string::npos);
    EXPECT_NE(Shell(tool + "add 'HKCR\\CLSID' /v x /f").strErr.find("can't be written by this user"),
              std::string::npos);
    // Root's, readable by all; the reader used the log files root's writes left and made none. An
    // owner-only store is repaired by configuring the package again, and one that root's programs make
    // anew in the machine folder (here a folder of that name in a mount namespace of its own) is shared.
    const std::string modes = "cd " + Path("var/lib") + " && stat -c '%a %U %n' vexor vexor/*";
    const std::string shared = "755 root vexor\n644 root vexor/registry.db\n644 root vexor/registry.db-shm\n"
                               "644 root vexor/registry.db-wal\n";
    EXPECT_EQ(Shell(modes).strOut, shared);
    EXPECT_EQ(Shell("chmod 600 " + Path("var/lib/vexor/") + "* && " + configure + " && " + modes).strOut,
              shared);
    EXPECT_EQ(Shell("unshare -m sh -c 'mount -t tmpfs tmpfs /var/lib && mkdir -m 755 /var/lib/vexor && "
                    "env -u VEXOR_REGISTRY " VEXOR_BUILD_DIR "/bin/vexor-reg add \"HKCR\\CLSID\" /f >/dev/null && "
                    "cd /var/lib && stat -c \"%a %U %n\" vexor vexor/registry.db*'").strOut,
              shared);
}
