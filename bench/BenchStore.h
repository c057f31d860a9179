// A store of its own for one benchmark, empty at the start: the process's registry calls go to it
// while the object lives, and it is gone afterwards. On Linux that is a store file in a fresh
// temporary folder; on Windows a scratch key that stands in for HKEY_CLASSES_ROOT, so that a
// benchmark never touches the accounts the machine keeps.
#pragma once

#include <filesystem>
#include <string>

class CBenchStore {
  public:
    CBenchStore();
    ~CBenchStore();
    CBenchStore(const CBenchStore&) = delete;
    CBenchStore& operator=(const CBenchStore&) = delete;

    // The store file; on Windows the scratch key below HKEY_CURRENT_USER.
    const std::string& Path() const { return m_strPath; }

  private:
    std::filesystem::path m_folder;
    std::string m_strPath;
};
