// A second process on the same store, driven step by step through pipes (no sleeping, no timing):
// the child runs a function with a channel to talk to the parent, then ends with _exit.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

class ChildProcess {
  public:
    struct Channel {
        int in;
        int out;
        void tell() const { [[maybe_unused]] auto written = write(out, "", 1); }
        // False when the other side went away.
        bool wait() const {
            char byte = 0;
            return read(in, &byte, 1) == 1;
        }
    };

    // The parent must not have the store open: the child opens its own connection.
    explicit ChildProcess(const std::function<int(const Channel&)>& body) {
        int toChild[2];
        int toParent[2];
        EXPECT_EQ(pipe(toChild), 0);
        EXPECT_EQ(pipe(toParent), 0);
        m_pid = fork();
        if (m_pid == 0) {
            close(toChild[1]); // so that each side sees the other one go away
            close(toParent[0]);
            _exit(body(Channel{toChild[0], toParent[1]}));
        }
        close(toChild[0]);
        close(toParent[1]);
        m_channel = Channel{toParent[0], toChild[1]};
    }
    ~ChildProcess() {
        if (!m_reaped && m_pid > 0) { // never kill(-1): that would reach every process of the user
            kill(m_pid, SIGKILL);
            join();
        }
        close(m_channel.in);
        close(m_channel.out);
    }

    const Channel& channel() const { return m_channel; }

    // The child's exit code, or -signal when a signal ended it.
    int join() {
        int status = -1; // no child (fork failed): neither an exit code nor a success
        if (m_pid > 0)
            waitpid(m_pid, &status, 0);
        m_reaped = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    }

  private:
    pid_t m_pid = -1;
    bool m_reaped = false;
    Channel m_channel{-1, -1};
};
