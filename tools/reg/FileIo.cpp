#include "tools/reg/FileIo.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(const std::string& strPath, const char* pszWhat, int error) {
    return std::string("cannot ") + pszWhat + " \"" + strPath + "\": " + std::strerror(error) + ".";
}

std::string Folder(const std::string& strPath) {
    const std::size_t slash = strPath.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : strPath.substr(0, slash);
}

// The file a path names for comparing: its folder resolved, its own name kept (it may not exist).
std::string Canonical(const std::string& strPath) {
    char resolved[PATH_MAX];
    if (!realpath(Folder(strPath).c_str(), resolved))
        return strPath;
    const std::size_t slash = strPath.rfind('/');
    return std::string(resolved) + "/" + (slash == std::string::npos ? strPath : strPath.substr(slash + 1));
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat infoA {}, infoB {};
    if (stat(a.c_str(), &infoA) == 0 && stat(b.c_str(), &infoB) == 0)
        return infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
    return Canonical(a) == Canonical(b);
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

bool ReadRegFile(const std::string& strPath, std::string& bytes, std::string& strError) {
    std::FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (!pFile) {
        strError = Reason(strPath, "open", errno);
        return false;
    }
    bytes.clear();
    char buffer[65536];
    std::size_t count = 0;
    while (bytes.size() <= kMaxRegFileSize && (count = std::fread(buffer, 1, sizeof(buffer), pFile)) > 0)
        bytes.append(buffer, count);
    const int error = errno;
    const bool bFailed = std::ferror(pFile);
    std::fclose(pFile);
    if (bFailed)
        strError = Reason(strPath, "read", error);
    else if (bytes.size() > kMaxRegFileSize)
        strError = "cannot read \"" + strPath + "\": it is larger than " +
                   std::to_string(kMaxRegFileSize >> 20) + " MiB, the limit for .reg files.";
    else
        return true;
    bytes.clear();
    return false;
}

bool CheckExportTarget(const std::string& strPath, const std::string& strStore, bool& bTaken,
                       std::string& strError) {
    for (const char* pszSuffix : {"", "-wal", "-shm"}) {
        if (SameFile(strPath, strStore + pszSuffix)) {
            strError = "cannot write \"" + strPath + "\": it is " +
                       (*pszSuffix ? std::string("a file of ") : std::string()) + "the registry store " +
                       strStore + " itself.";
            return false;
        }
    }
    struct stat info {};
    bTaken = lstat(strPath.c_str(), &info) == 0;
    if (!bTaken)
        return true;
    if (S_ISLNK(info.st_mode) && info.st_uid != geteuid() && info.st_uid != 0) {
        strError = "cannot write \"" + strPath + "\": it is a symbolic link made by another user (uid " +
                   std::to_string(info.st_uid) + ").";
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        strError = "cannot write \"" + strPath + "\": it is a folder.";
        return false;
    }
    return true;
}

bool ReplaceFile(const std::string& strPath, const std::string& bytes, std::string& strError) {
    const std::size_t slash = strPath.rfind('/');
    std::string strTemporary = Folder(strPath) + "/." +
                               (slash == std::string::npos ? strPath : strPath.substr(slash + 1)) +
                               ".vexor-reg-XXXXXX";
    const int fd = mkstemp(strTemporary.data());
    if (fd < 0) {
        strError = Reason(strPath, "create", errno);
        return false;
    }
    const bool bWritten = fchmod(fd, 0600) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
    const int error = errno;
    const bool bClosed = close(fd) == 0;
    if (bWritten && bClosed && std::rename(strTemporary.c_str(), strPath.c_str()) == 0)
        return true;
    strError = Reason(strPath, "write", bWritten && bClosed ? errno : error) +
               " Whatever was there before is unchanged.";
    unlink(strTemporary.c_str());
    return false;
}
