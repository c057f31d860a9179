// A temporary folder and store per test, vexor-reg run on it as a real process, and direct looks into
// the store through the registry calls (to see the exact bytes the tool left there). On Windows the
// store is the registry itself.
#pragma once

#include "tests/common/FileBytes.h"
#include "tests/common/TempStore.h"
#include "tests/support/tool_process.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

inline const std::string kKey = "HKCR\\VexorToolTest";
inline const std::string kPath = "HKEY_CLASSES_ROOT\\VexorToolTest";

class VexorRegTool : public ::testing::Test {
  protected:
    // The tool on strStore (this test's store when empty; Linux only) without a terminal, as in scripts
    // and CI. `wrapper` runs it with less memory (prlimit).
    CToolResult Run(const std::vector<std::string>& args, const std::string& strStore = "",
                    const std::vector<std::string>& wrapper = {}) const;
#ifndef _WIN32
    // With a pseudo-terminal as stdin on which strTyped has already been typed, as a person answering a
    // question would.
    CToolResult OnTerminal(const std::vector<std::string>& args, const std::string& strTyped) const;
#endif
    // These also check the exit status and the message.
    CToolResult Ok(const std::vector<std::string>& args) const;
    CToolResult Fails(const std::vector<std::string>& args, const std::string& strMessagePart) const;

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    // What export writes for strKey, or "" when the export fails.
    std::string Exported(const std::string& strKey) const;
    // A value's bytes read straight from this test's store; "<no value>" when it isn't there.
    std::string StoredData(const std::string& strSubKey, const std::string& strName) const;

    TempStore m_temp; // this test's folder and store; this process's registry calls go to it too
    const std::string m_strDir = m_temp.dir().string();
    const std::string m_strStore = m_temp.path();
};
