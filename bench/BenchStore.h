// A store file of its own in a fresh temporary folder for one benchmark: the process's registry calls
// go to it while the object lives, and the folder is gone afterwards.
#pragma once

#include <filesystem>
#include <string>

class CBenchStore {
  public:
    CBenchStore();
    ~CBenchStore();
    CBenchStore(const CBenchStore&) = delete;
    CBenchStore& operator=(const CBenchStore&) = delete;

    const std::string& Path() const { return m_strPath; }

  private:
    std::filesystem::path m_folder;
    std::string m_strPath;
};
