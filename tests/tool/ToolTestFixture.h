// A temporary store file per test, the tool run on it as a real process, and direct looks into the
// store through the registry calls (to see the exact bytes the tool left there).
#pragma once

#include "tests/tool/ToolProcess.h"

#include "platform/win32/types.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class VexorRegTool : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The tool on this test's store; Ok and Fails also check the exit status and the message.
    CToolResult Tool(const std::vector<std::string>& args) const { return RunTool(args, m_strStore); }
    CToolResult Ok(const std::vector<std::string>& args) const;
    CToolResult Fails(const std::vector<std::string>& args, const std::string& strMessagePart) const;

    std::string Path(const std::string& strName) const { return m_strDir + "/" + strName; }
    static std::string ReadFile(const std::string& strPath);
    static void WriteFile(const std::string& strPath, const std::string& bytes);

    // What export writes for strKey, or "" when the export fails.
    std::string Exported(const std::string& strKey) const;

    // A value's type and bytes read straight from a store file; false when it isn't there.
    static bool StoredValue(const std::string& strStore, const std::string& strSubKey,
                            const std::string& strName, DWORD& dwType, std::string& data);
    std::string StoredData(const std::string& strSubKey, const std::string& strName) const;

    std::string m_strDir;
    std::string m_strStore;
};
