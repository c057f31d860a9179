#include "tests/tool/ToolTestFixture.h"

#include "platform/registry/registry.h"
#include "platform/registry/store.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

void VexorRegTool::SetUp() {
    std::string strTemplate = (std::filesystem::temp_directory_path() / "vexor-reg-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(strTemplate.data()), nullptr);
    m_strDir = strTemplate;
    m_strStore = Path("registry.db");
}

void VexorRegTool::TearDown() {
    vexor::registry::closeStore();
    std::error_code error;
    std::filesystem::remove_all(m_strDir, error);
}

CToolResult VexorRegTool::Ok(const std::vector<std::string>& args) const {
    CToolResult result = Tool(args);
    EXPECT_EQ(result.nExitCode, 0) << result.strErr;
    EXPECT_EQ(result.strErr, "");
    return result;
}

CToolResult VexorRegTool::Fails(const std::vector<std::string>& args,
                                const std::string& strMessagePart) const {
    CToolResult result = Tool(args);
    EXPECT_EQ(result.nExitCode, 1);
    EXPECT_EQ(result.strErr.rfind("ERROR: ", 0), 0u) << result.strErr;
    EXPECT_NE(result.strErr.find(strMessagePart), std::string::npos) << result.strErr;
    EXPECT_EQ(result.strOut.find("completed successfully"), std::string::npos);
    return result;
}

std::string VexorRegTool::ReadFile(const std::string& strPath) {
    std::ifstream file(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void VexorRegTool::WriteFile(const std::string& strPath, const std::string& bytes) {
    std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
    file << bytes;
}

std::string VexorRegTool::Exported(const std::string& strKey) const {
    const std::string strFile = Path("snapshot.reg");
    const CToolResult result = Tool({"export", strKey, strFile, "/y"});
    return result.nExitCode == 0 ? ReadFile(strFile) : std::string();
}

bool VexorRegTool::StoredValue(const std::string& strStore, const std::string& strSubKey,
                               const std::string& strName, DWORD& dwType, std::string& data) {
    setenv("VEXOR_REGISTRY", strStore.c_str(), 1);
    vexor::registry::closeStore();
    HKEY hKey = nullptr;
    bool bFound = RegOpenKeyExA(HKEY_CLASSES_ROOT, strSubKey.c_str(), 0, KEY_READ, &hKey) == ERROR_SUCCESS;
    DWORD cbData = 0;
    bFound = bFound &&
             RegQueryValueExA(hKey, strName.c_str(), nullptr, &dwType, nullptr, &cbData) == ERROR_SUCCESS;
    data.assign(cbData, '\0');
    bFound = bFound && RegQueryValueExA(hKey, strName.c_str(), nullptr, &dwType,
                                        reinterpret_cast<LPBYTE>(data.data()), &cbData) == ERROR_SUCCESS;
    if (hKey)
        RegCloseKey(hKey);
    vexor::registry::closeStore();
    return bFound;
}

std::string VexorRegTool::StoredData(const std::string& strSubKey, const std::string& strName) const {
    DWORD dwType = 0;
    std::string data;
    EXPECT_TRUE(StoredValue(m_strStore, strSubKey, strName, dwType, data)) << strSubKey << " " << strName;
    return data;
}
