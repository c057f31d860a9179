#include "bench/BenchStore.h"

#include "platform/registry/store.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>

#include <shlwapi.h>

CBenchStore::CBenchStore() : m_strPath("Software\\Vexor Benchmark " + std::to_string(GetCurrentProcessId())) {
    SHDeleteKeyA(HKEY_CURRENT_USER, m_strPath.c_str()); // left over by a run that was killed
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, m_strPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("no scratch key for the benchmark store");
    const LONG status = RegOverridePredefKey(HKEY_CLASSES_ROOT, hKey);
    RegCloseKey(hKey);
    if (status != ERROR_SUCCESS) {
        SHDeleteKeyA(HKEY_CURRENT_USER, m_strPath.c_str());
        throw std::runtime_error("HKEY_CLASSES_ROOT can't be redirected to the benchmark store");
    }
    vexor::registry::closeStore();
}

CBenchStore::~CBenchStore() {
    vexor::registry::closeStore();
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    SHDeleteKeyA(HKEY_CURRENT_USER, m_strPath.c_str());
}
#else
#include <cstdlib>

CBenchStore::CBenchStore() {
    std::string strPattern = (std::filesystem::temp_directory_path() / "vexor-bench-XXXXXX").string();
    if (!mkdtemp(strPattern.data()))
        throw std::runtime_error("no temporary folder for the benchmark store");
    m_folder = strPattern;
    m_strPath = (m_folder / "registry.db").string();
    setenv("VEXOR_REGISTRY", m_strPath.c_str(), 1);
    vexor::registry::closeStore();
}

CBenchStore::~CBenchStore() {
    vexor::registry::closeStore();
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
}
#endif
