#include "tests/tool/ToolTestFixture.h"

#include "tests/registry/registry_test_support.h"

#include "platform/registry/store.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// `env` names the store to the tool, so that runs on other stores need no change to this process. On
// Windows the store is the registry.
std::vector<std::string> Command(const std::vector<std::string>& args, [[maybe_unused]] const std::string& strStore,
                                 [[maybe_unused]] const std::vector<std::string>& wrapper) {
#ifdef _WIN32
    std::vector<std::string> argv = {ToolPath()};
#else
    std::vector<std::string> argv = {"env", "VEXOR_REGISTRY=" + strStore};
    argv.insert(argv.end(), wrapper.begin(), wrapper.end());
    argv.push_back(ToolPath());
#endif
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

} // namespace

CToolResult VexorRegTool::Run(const std::vector<std::string>& args, const std::string& strStore,
                              const std::vector<std::string>& wrapper) const {
    return RunProcess(Command(args, strStore.empty() ? m_strStore : strStore, wrapper));
}

#ifndef _WIN32
// Typed ahead: the terminal keeps the line until the tool reads it.
CToolResult VexorRegTool::OnTerminal(const std::vector<std::string>& args, const std::string& strTyped) const {
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    const int slave = master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0
                          ? open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC)
                          : -1;
    CToolResult result;
    if (slave >= 0 && write(master, strTyped.data(), strTyped.size()) == static_cast<ssize_t>(strTyped.size()))
        result = RunProcess(Command(args, m_strStore, {}), ptsname(master));
    else
        ADD_FAILURE() << "no pseudo-terminal";
    close(slave);
    close(master);
    return result;
}
#endif

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
