#include "tests/tool/ToolProcess.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

class CFd {
  public:
    explicit CFd(int fd = -1) : m_fd(fd) {}
    ~CFd() { Reset(); }
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    int Get() const { return m_fd; }
    void Reset(int fd = -1) {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = fd;
    }

  private:
    int m_fd;
};

void Check(bool bOk, const char* pszWhat) {
    if (!bOk)
        throw std::runtime_error(std::string(pszWhat) + " failed, errno " + std::to_string(errno));
}

void MakePipe(CFd& readEnd, CFd& writeEnd) {
    int fds[2];
    Check(pipe2(fds, O_CLOEXEC) == 0, "pipe2");
    readEnd.Reset(fds[0]);
    writeEnd.Reset(fds[1]);
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

// Reads both pipes to their end at once, so that neither can fill up and stall the tool.
void Drain(int outFd, int errFd, CToolResult& result) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* targets[2] = {&result.strOut, &result.strErr};
    int open = 2;
    while (open > 0) {
        Check(poll(fds, 2, -1) >= 0 || errno == EINTR, "poll");
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t count = read(fds[i].fd, buffer, sizeof(buffer));
            if (count > 0) {
                targets[i]->append(buffer, static_cast<std::size_t>(count));
            } else {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

CToolResult Run(const std::vector<std::string>& args, const std::string& strStore, int stdinFd) {
    CFd outRead, outWrite, errRead, errWrite;
    MakePipe(outRead, outWrite);
    MakePipe(errRead, errWrite);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, stdinFd, 0);
    posix_spawn_file_actions_adddup2(&actions, outWrite.Get(), 1);
    posix_spawn_file_actions_adddup2(&actions, errWrite.Get(), 2);
    std::vector<std::string> argv = {VEXOR_REG_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> env = Environment(strStore);
    pid_t pid = 0;
    const int spawnError =
        posix_spawn(&pid, VEXOR_REG_PATH, &actions, nullptr, Pointers(argv).data(), Pointers(env).data());
    posix_spawn_file_actions_destroy(&actions);
    Check(spawnError == 0, "posix_spawn");
    outWrite.Reset();
    errWrite.Reset();
    CToolResult result;
    Drain(outRead.Get(), errRead.Get(), result);
    int status = 0;
    Check(waitpid(pid, &status, 0) == pid, "waitpid");
    result.nExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

} // namespace

CToolResult RunTool(const std::vector<std::string>& args, const std::string& strStore) {
    CFd devNull(open("/dev/null", O_RDONLY | O_CLOEXEC));
    Check(devNull.Get() >= 0, "open /dev/null");
    return Run(args, strStore, devNull.Get());
}

CToolResult RunToolOnTerminal(const std::vector<std::string>& args, const std::string& strStore,
                              const std::string& strTyped) {
    CFd master(posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    Check(master.Get() >= 0 && grantpt(master.Get()) == 0 && unlockpt(master.Get()) == 0, "posix_openpt");
    CFd slave(open(ptsname(master.Get()), O_RDWR | O_NOCTTY | O_CLOEXEC));
    Check(slave.Get() >= 0, "open pty");
    // Typed ahead: the terminal keeps the line until the tool reads it.
    Check(write(master.Get(), strTyped.data(), strTyped.size()) == static_cast<ssize_t>(strTyped.size()),
          "write");
    return Run(args, strStore, slave.Get());
}
