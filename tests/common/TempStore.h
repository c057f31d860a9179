// A fresh, empty store file in a temporary folder for one test; the process's registry calls go to it
// while the object lives.
#pragma once

#include "platform/registry/store.h"

#include <cstdlib>
#include <filesystem>
#include <string>

class TempStore {
  public:
    TempStore() {
        char pattern[] = "/tmp/vexor-test-XXXXXX";
        m_dir = mkdtemp(pattern);
        m_path = (m_dir / "registry.db").string();
        setenv("VEXOR_REGISTRY", m_path.c_str(), 1);
        vexor::registry::closeStore();
    }
    ~TempStore() {
        vexor::registry::closeStore();
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    TempStore(const TempStore&) = delete;
    TempStore& operator=(const TempStore&) = delete;

    const std::string& path() const { return m_path; }
    const std::filesystem::path& dir() const { return m_dir; }

  private:
    std::filesystem::path m_dir;
    std::string m_path;
};
