#include "tests/tool/ToolProcess.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

void Check(bool bOk, const char* pszWhat) {
    if (!bOk)
        throw std::runtime_error(std::string(pszWhat) + " failed, errno " + std::to_string(errno));
}

// Closes a descriptor when the run ends, however it ends.
struct CFd {
    int fd;
    ~CFd() {
        if (fd >= 0)
            close(fd);
    }
};

using CTempFile = std::unique_ptr<FILE, int (*)(FILE*)>;

// Everything the tool wrote into one of its output files. The tool writes to files rather than
// pipes, so it can never stall on a full pipe while the test waits for it to end.
std::string Contents(FILE* file) {
    std::string text;
    rewind(file);
    char buffer[4096];
    for (std::size_t count; (count = fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, count);
    return text;
}

// The environment with VEXOR_REGISTRY naming this test's store.
std::vector<std::string> Environment(const std::string& strStore) {
    std::vector<std::string> env;
    for (char** p = environ; *p; ++p) {
        if (std::string(*p).rfind("VEXOR_REGISTRY=", 0) != 0)
            env.emplace_back(*p);
    }
    env.push_back("VEXOR_REGISTRY=" + strStore);
    return env;
}

std::vector<char*> Pointers(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

CToolResult Run(const std::vector<std::string>& args, const std::string& strStore, int stdinFd,
                const std::vector<std::string>& wrapper = {}) {
    CTempFile out(std::tmpfile(), &fclose), err(std::tmpfile(), &fclose);
    Check(out && err, "tmpfile");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, stdinFd, 0);
    posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), 1);
    posix_spawn_file_actions_adddup2(&actions, fileno(err.get()), 2);
    std::vector<std::string> argv = wrapper;
    argv.push_back(VEXOR_REG_PATH);
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> env = Environment(strStore);
    pid_t pid = 0;
    const int spawnError =
        posix_spawnp(&pid, argv[0].c_str(), &actions, nullptr, Pointers(argv).data(), Pointers(env).data());
    posix_spawn_file_actions_destroy(&actions);
    Check(spawnError == 0, "posix_spawn");
    int status = 0;
    Check(waitpid(pid, &status, 0) == pid, "waitpid");
    CToolResult result;
    result.nExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.strOut = Contents(out.get());
    result.strErr = Contents(err.get());
    return result;
}

} // namespace

CToolResult RunTool(const std::vector<std::string>& args, const std::string& strStore,
                    const std::vector<std::string>& wrapper) {
    CFd devNull{open("/dev/null", O_RDONLY | O_CLOEXEC)};
    Check(devNull.fd >= 0, "open /dev/null");
    return Run(args, strStore, devNull.fd, wrapper);
}

CToolResult RunToolOnTerminal(const std::vector<std::string>& args, const std::string& strStore,
                              const std::string& strTyped) {
    CFd master{posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC)};
    Check(master.fd >= 0 && grantpt(master.fd) == 0 && unlockpt(master.fd) == 0, "posix_openpt");
    CFd slave{open(ptsname(master.fd), O_RDWR | O_NOCTTY | O_CLOEXEC)};
    Check(slave.fd >= 0, "open pty");
    // Typed ahead: the terminal keeps the line until the tool reads it.
    Check(write(master.fd, strTyped.data(), strTyped.size()) == static_cast<ssize_t>(strTyped.size()),
          "write");
    return Run(args, strStore, slave.fd);
}
