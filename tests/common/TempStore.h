// A fresh temporary folder and an empty store for one test; the process's registry calls go to that
// store while the object lives. On Linux the store is a new file in the folder. On Windows it is the
// system's registry (under Wine the build's own prefix), so the keys the program and the tests write
// are removed before and after each test instead.
#pragma once

#include "platform/registry/registry.h"
#include "platform/registry/store.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

class TempStore {
  public:
    TempStore() {
        std::random_device random;
        do
            m_dir = std::filesystem::temp_directory_path() / ("vexor-test-" + std::to_string(random()));
        while (!std::filesystem::create_directory(m_dir));
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all); // a store holds passwords
#ifdef _WIN32
        m_path = vexor::registry::storePath();
        clearRegistry();
#else
        m_path = (m_dir / "registry.db").string();
        setenv("VEXOR_REGISTRY", m_path.c_str(), 1);
#endif
        vexor::registry::closeStore();
    }
    ~TempStore() {
        vexor::registry::closeStore();
#ifdef _WIN32
        clearRegistry();
#endif
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    TempStore(const TempStore&) = delete;
    TempStore& operator=(const TempStore&) = delete;

    const std::string& path() const { return m_path; }
    const std::filesystem::path& dir() const { return m_dir; }

  private:
#ifdef _WIN32
    static void clearRegistry() {
        for (const char* path : {"CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}", "CLSID\\{C27D5E90-1B4A-4F36-8E2D-63A9F07B84D1}",
                                 "CLSID\\{00000000-1111-2222-3333-444444444444}", "Software\\Vexor", "VexorToolTest"})
            SHDeleteKeyA(HKEY_CLASSES_ROOT, path);
        for (const char* path :
             {"SOFTWARE\\VexorToolTest", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DocFolderPaths"})
            SHDeleteKeyA(HKEY_LOCAL_MACHINE, path);
    }
#endif

    std::filesystem::path m_dir;
    std::string m_path;
};
