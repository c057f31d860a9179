#include "tests/program/ProgramFixture.h"

#include "platform/registry/registry.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using vexor::test::DialogDriver;

const char* const kStore = "CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}";
constexpr int kUsers = 20;

// A busy store is tried again, as the IDE would; any other failure is one.
template <typename Call> LONG Retrying(Call call) {
    LONG status = call();
    for (int attempt = 0; status == ERROR_BUSY && attempt < 100; ++attempt)
        status = call();
    return status;
}

// One pass of the IDE over the store: every account key with its four values. Returns "" when the
// pass saw a whole store, else what was wrong.
std::string ReadLikeTheIde() {
    HKEY store = nullptr;
    if (LONG status = Retrying([&] { return RegOpenKeyExA(HKEY_CLASSES_ROOT, kStore, 0, KEY_READ, &store); }))
        return "store key: status " + std::to_string(status);
    bool sawAdministrator = false;
    std::string problem;
    for (DWORD index = 0; problem.empty(); ++index) {
        char name[256];
        DWORD cch = sizeof name;
        const LONG status = Retrying([&] {
            cch = sizeof name;
            return RegEnumKeyExA(store, index, name, &cch, nullptr, nullptr, nullptr, nullptr);
        });
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS) {
            problem = "enumeration: status " + std::to_string(status);
            break;
        }
        sawAdministrator |= std::string(name) == "Administrator";
        HKEY account = nullptr;
        if (LONG s = Retrying([&] { return RegOpenKeyExA(store, name, 0, KEY_READ, &account); })) {
            problem = std::string(name) + ": status " + std::to_string(s);
            break;
        }
        for (const char* value : {"Enable Login", "Group", "Password", "Offset"}) {
            DWORD size = 0;
            if (Retrying([&] { return RegQueryValueExA(account, value, nullptr, nullptr, nullptr, &size); }) !=
                ERROR_SUCCESS)
                problem = std::string(name) + " lacks " + value;
        }
        RegCloseKey(account);
    }
    RegCloseKey(store);
    if (problem.empty() && !sawAdministrator)
        problem = "no administrator";
    return problem;
}

// The reader runs in its own process until told to stop; it exits 0 after whole passes only. It says
// when its first pass is done, so that the saves start while it reads.
[[noreturn]] void RunReader(int stopPipe, int readyPipe, int reportPipe) {
    char stop = 0;
    bool ready = false;
    do {
        const std::string problem = ReadLikeTheIde();
        if (!problem.empty()) {
            (void)!write(reportPipe, problem.data(), problem.size());
            _exit(1);
        }
        if (!ready)
            ready = write(readyPipe, "r", 1) == 1;
    } while (read(stopPipe, &stop, 1) != 1);
    _exit(0);
}

class ConcurrentReader : public ProgramTest {};

TEST_F(ConcurrentReader, TheIdeNeverSeesAHalfSavedStore) {
    std::string accounts = kAdminReg;
    for (int i = 0; i < kUsers; ++i)
        accounts += AccountReg("user" + std::to_string(i), i % 2, "Gast", "pw" + std::to_string(i));
    Import(accounts);

    int stopPipe[2], readyPipe[2], reportPipe[2];
    ASSERT_EQ(pipe(stopPipe), 0);
    ASSERT_EQ(pipe(readyPipe), 0);
    ASSERT_EQ(pipe(reportPipe), 0);
    fcntl(stopPipe[0], F_SETFL, O_NONBLOCK);
    // Nothing of the store is open here yet (the import ran in another process), so the reader
    // starts with a connection of its own.
    const pid_t reader = fork();
    ASSERT_GE(reader, 0);
    if (reader == 0)
        RunReader(stopPipe[0], readyPipe[1], reportPipe[1]);
    close(reportPipe[1]);
    close(readyPipe[1]);
    char ready = 0;
    (void)!read(readyPipe[0], &ready, 1); // returns early, with nothing, when the reader failed

    CTestAccessManagerDlg dlg;
    m_script.expectDialog(CAccessManagerDlg::IDD, [&](DialogDriver& d) {
        for (int save = 0; save < 60; ++save) {
            dlg.UserList().SetItemText(save % kUsers, 3, ("neu" + std::to_string(save)).c_str());
            dlg.UserList().SaveUsers();
            dlg.UserList().LoadUsers();
        }
        d.escape();
    });
    dlg.DoModal();

    (void)!write(stopPipe[1], "x", 1);
    int status = 0;
    waitpid(reader, &status, 0);
    char report[256] = {};
    (void)!read(reportPipe[0], report, sizeof report - 1);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "reader: " << report;
    for (int fd : {stopPipe[0], stopPipe[1], readyPipe[0], reportPipe[0]})
        close(fd);
}

} // namespace
