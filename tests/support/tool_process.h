// A program, vexor-reg above all, run as a real process the way a script runs it: standard input from
// the null device (no terminal, as in scripts and CI) unless another file is given, its output and errors caught in
// temporary files rather than pipes, so that it can never stall on a full pipe while the test waits.
#pragma once

#include <string>
#include <vector>

struct CToolResult {
    int nExitCode = -1;
    std::string strOut;
    std::string strErr;
};

// The vexor-reg of this build; on Windows the one beside the running test program.
std::string ToolPath();

// Runs argv[0] (looked up in PATH on Linux) with the rest as its arguments (UTF-8) and waits for it.
// Its standard input is the file stdinPath (a pseudo-terminal, say), or the null device when that is "".
CToolResult RunProcess(const std::vector<std::string>& argv, const std::string& stdinPath = "");
