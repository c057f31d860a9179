// The installation as the IDE meets it: the store prepared by the package's own script, the library
// installed with cmake --install into a temporary prefix, and the example built against it with
// pkg-config, reading as another user the accounts the program's access layer saved.
#include "platform/registry/store.h"
#include "store/RegistryAccess.h"
#include "store/StoreKeys.h"
#include "tests/common/TempStore.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome {
    int status;
    std::string output; // stdout and stderr
};

Outcome Shell(const std::string& command) {
    Outcome outcome{-1, ""};
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    char buffer[4096];
    for (std::size_t got; pipe && (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        outcome.output.append(buffer, got);
    const int status = pipe ? pclose(pipe) : -1;
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

void SaveAccount(const std::string& name, DWORD enableLogin, const char* group, const char* password,
                 const char* offset) {
    const std::string key = std::string(AccountStoreKey) + "\\" + name;
    WriteRegDword(HKEY_CLASSES_ROOT, key, "Enable Login", enableLogin, REG_DWORD, __FILE__, __LINE__);
    WriteRegString(HKEY_CLASSES_ROOT, key, "Group", group, REG_SZ, __FILE__, __LINE__);
    WriteRegString(HKEY_CLASSES_ROOT, key, "Password", password, REG_SZ, __FILE__, __LINE__);
    WriteRegString(HKEY_CLASSES_ROOT, key, "Offset", offset, REG_SZ, __FILE__, __LINE__);
}

} // namespace

TEST(Installation, AnotherUserReadsTheMachineStoreThroughTheInstalledLibraryButCannotWriteIt) {
    if (geteuid() != 0)
        GTEST_SKIP() << "a root-owned machine store, read as another user, needs root";
    TempStore temp; // the prefix, and the root the package's script works in
    const std::string dir = temp.dir().string(), prefix = dir + "/usr",
                      libdir = prefix + "/" VEXOR_INSTALL_LIBDIR;
    chmod(dir.c_str(), 0755);
    const Outcome install = Shell("cmake --install " VEXOR_BUILD_DIR " --prefix " + prefix);
    ASSERT_EQ(install.status, 0) << install.output;
    const std::string library = libdir + "/libvexor-registry.so";
    EXPECT_EQ(
        Shell("objdump -p " + library + " | awk '/SONAME/ {print $2}'; nm -D --defined-only " + library +
              " | awk '{print $3}' | sed 's/@@VEXOR_REGISTRY_1//' | sort | tr '\\n' ' '")
            .output,
        "libvexor-registry.so.1\nRegCloseKey RegCreateKeyExA RegDeleteValueA RegEnumKeyExA RegEnumValueA "
        "RegOpenKeyExA RegQueryValueExA RegSetValueExA SHDeleteKeyA VEXOR_REGISTRY_1 ");
    const Outcome build = Shell("cc -Wall -Werror " VEXOR_SOURCE_DIR "/lib/example/read_accounts.c -o " +
                                dir + "/example $(PKG_CONFIG_PATH=" + libdir +
                                "/pkgconfig pkg-config --cflags --libs vexor-registry)");
    ASSERT_EQ(build.status, 0) << build.output;
    const Outcome prepare = Shell("mkdir -p " + dir + "/var/lib && DPKG_ROOT=" + dir + " PATH=" + prefix +
                                  "/bin:$PATH sh " VEXOR_SOURCE_DIR "/packaging/postinst configure");
    ASSERT_EQ(prepare.status, 0) << prepare.output;

    setenv("VEXOR_REGISTRY", (dir + "/var/lib/vexor/registry.db").c_str(), 1);
    vexor::registry::closeStore();
    SaveAccount(AdministratorName, 1, "Administratoren", "geheim", "0");
    SaveAccount("anna", 0, "Entwickler", "", "12");
    vexor::registry::closeStore();
    const std::string asNobody =
        "LD_LIBRARY_PATH=" + libdir + " setpriv --reuid=65534 --regid=65534 --clear-groups ";
    const Outcome read = Shell(asNobody + dir + "/example");
    EXPECT_EQ(read.output, "Administrator: Enable Login=1 Group=Administratoren Password=geheim Offset=0\n"
                           "anna: Enable Login=0 Group=Entwickler Password= Offset=12\n");
    EXPECT_EQ(read.status, 0);
    const std::string tool = asNobody + prefix + "/bin/vexor-reg ";
    EXPECT_NE(
        Shell(tool + "query 'HKCR\\" + AccountStoreKey + "\\anna' /v Offset").output.find("REG_SZ    12"),
        std::string::npos);
    EXPECT_NE(Shell(tool + "add 'HKCR\\CLSID' /v x /f").output.find("can't be written by this user"),
              std::string::npos);
    // Root's, readable by all; the reader used the log files root's writes left and made none.
    EXPECT_EQ(Shell("cd " + dir + "/var/lib && stat -c '%a %U %n' vexor vexor/*").output,
              "755 root vexor\n644 root vexor/registry.db\n644 root vexor/registry.db-shm\n"
              "644 root vexor/registry.db-wal\n");
}
