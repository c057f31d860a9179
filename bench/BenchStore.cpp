#include "bench/BenchStore.h"

#include "platform/registry/store.h"

#include <cstdlib>
#include <stdexcept>

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
