// Runs build/bin/vexor-reg as a real process on a given store file and collects what it says.
#pragma once

#include <string>
#include <vector>

struct CToolResult {
    int nExitCode = -1;
    std::string strOut;
    std::string strErr;
};

// Without strTyped the tool's stdin is /dev/null (no terminal: scripts and CI). With it, stdin is a
// pseudo-terminal on which strTyped has already been typed, as a person answering a question would.
// `wrapper` runs the tool, as another user (setpriv) or with less memory (prlimit).
CToolResult RunTool(const std::vector<std::string>& args, const std::string& strStore,
                    const std::vector<std::string>& wrapper = {});
CToolResult RunToolOnTerminal(const std::vector<std::string>& args, const std::string& strStore,
                              const std::string& strTyped);
