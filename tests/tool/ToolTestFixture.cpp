#include "tests/tool/ToolTestFixture.h"

#include "tests/registry/registry_test_support.h"

#include "platform/registry/store.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void Check(bool bOk, const char* pszWhat) {
    if (!bOk)
        throw std::runtime_error(std::string(pszWhat) + " failed, errno " + std::to_string(errno));
}

// Closes a descriptor when the run ends, however it ends.
struct CFd {
    int fd;
    ~CFd() { close(fd); }
};

// The tool writes to files rather than pipes, so it can never stall on a full pipe while the test waits
// for it to end.
CToolResult Spawn(std::vector<std::string> argv, int stdinFd) {
    std::unique_ptr<FILE, int (*)(FILE*)> out(std::tmpfile(), &fclose), err(std::tmpfile(), &fclose);
    Check(out && err, "tmpfile");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, stdinFd, 0);
    posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), 1);
    posix_spawn_file_actions_adddup2(&actions, fileno(err.get()), 2);
    std::vector<char*> words;
    for (std::string& word : argv)
        words.push_back(word.data());
    words.push_back(nullptr);
    pid_t pid = 0;
    const int spawnError = posix_spawnp(&pid, words[0], &actions, nullptr, words.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    Check(spawnError == 0, "posix_spawn");
    int status = 0;
    Check(waitpid(pid, &status, 0) == pid, "waitpid");
    auto written = [](FILE* file) { return fileBytes("/proc/self/fd/" + std::to_string(fileno(file))); };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), written(out.get()),
            written(err.get())};
}

CToolResult SpawnWithoutTerminal(std::vector<std::string> argv) {
    const CFd devNull{open("/dev/null", O_RDONLY | O_CLOEXEC)};
    Check(devNull.fd >= 0, "open /dev/null");
    return Spawn(std::move(argv), devNull.fd);
}

// `env` names the store to the tool, so that runs on other stores need no change to this process.
std::vector<std::string> Command(const std::vector<std::string>& args, const std::string& strStore,
                                 const std::vector<std::string>& wrapper) {
    std::vector<std::string> argv = {"env", "VEXOR_REGISTRY=" + strStore};
    argv.insert(argv.end(), wrapper.begin(), wrapper.end());
    argv.push_back(VEXOR_REG_PATH);
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

} // namespace

CToolResult VexorRegTool::Run(const std::vector<std::string>& args, const std::string& strStore,
                              const std::vector<std::string>& wrapper) const {
    return SpawnWithoutTerminal(Command(args, strStore.empty() ? m_strStore : strStore, wrapper));
}

CToolResult VexorRegTool::Shell(const std::string& strCommand) const {
    return SpawnWithoutTerminal({"sh", "-c", strCommand});
}

CToolResult VexorRegTool::OnTerminal(const std::vector<std::string>& args,
                                     const std::string& strTyped) const {
    const CFd master{posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)};
    Check(master.fd >= 0 && grantpt(master.fd) == 0 && unlockpt(master.fd) == 0, "posix_openpt");
    const CFd slave{open(ptsname(master.fd), O_RDWR | O_NOCTTY | O_CLOEXEC)};
    Check(slave.fd >= 0, "open pty");
    // Typed ahead: the terminal keeps the line until the tool reads it.
    Check(write(master.fd, strTyped.data(), strTyped.size()) == static_cast<ssize_t>(strTyped.size()),
          "write");
    return Spawn(Command(args, m_strStore, {}), slave.fd);
}

CToolResult VexorRegTool::Ok(const std::vector<std::string>& args) const {
    CToolResult result = Run(args);
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    EXPECT_EQ(result.strErr, "");
    return result;
}

CToolResult VexorRegTool::Fails(const std::vector<std::string>& args,
                                const std::string& strMessagePart) const {
    CToolResult result = Run(args);
    EXPECT_EQ(result.nExitCode, 1);
    EXPECT_EQ(result.strErr.rfind("ERROR: ", 0), 0u) << result.strErr;
    EXPECT_NE(result.strErr.find(strMessagePart), std::string::npos) << result.strErr;
    EXPECT_EQ(result.strOut.find("completed successfully"), std::string::npos);
    return result;
}

std::string VexorRegTool::Exported(const std::string& strKey) const {
    const CToolResult result = Run({"export", strKey, Path("snapshot.reg"), "/y"});
    return result.nExitCode == 0 ? fileBytes(Path("snapshot.reg")) : std::string();
}

std::string VexorRegTool::StoredData(const std::string& strSubKey, const std::string& strName) const {
    vexor::registry::closeStore(); // so that this process sees what the tool wrote since
    HKEY hKey = nullptr;
    LONG status = openStatus(HKEY_CLASSES_ROOT, strSubKey.c_str(), KEY_READ, &hKey);
    const std::string data =
        status == ERROR_SUCCESS ? readBytes(hKey, strName.c_str(), nullptr, &status) : "";
    RegCloseKey(hKey);
    vexor::registry::closeStore();
    return status == ERROR_SUCCESS ? data : "<no value>";
}
