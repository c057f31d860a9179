#include "tools/reg/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

std::string Reason(const std::string& strPath, const char* pszWhat) {
    return std::string("cannot ") + pszWhat + " \"" + strPath + "\": " + std::strerror(errno) + ".";
}

} // namespace

bool ReadWholeFile(const std::string& strPath, std::string& bytes, std::string& strError) {
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (!pFile) {
        strError = Reason(strPath, "open");
        return false;
    }
    bytes.clear();
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof(buffer), pFile)) > 0)
        bytes.append(buffer, count);
    const bool bOk = !std::ferror(pFile);
    if (!bOk)
        strError = Reason(strPath, "read");
    std::fclose(pFile);
    return bOk;
}

bool WriteWholeFile(const std::string& strPath, const std::string& bytes, std::string& strError) {
    std::FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (!pFile) {
        strError = Reason(strPath, "create");
        return false;
    }
    const bool bWritten = std::fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size();
    const bool bClosed = std::fclose(pFile) == 0;
    if (bWritten && bClosed)
        return true;
    strError = Reason(strPath, "write") + " The file is incomplete.";
    return false;
}

bool FileExists(const std::string& strPath) {
    std::error_code error;
    return std::filesystem::exists(strPath, error);
}
