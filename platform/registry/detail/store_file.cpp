#include "platform/registry/detail/store_file.h"

#include "platform/registry/store.h"

#include "platform/registry/detail/db.h"
#include "platform/registry/detail/schema.h"

#include <sqlite3.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexor::registry::detail {

namespace {

constexpr char kSqliteMagic[] = "SQLite format 3"; // and its NUL: the first 16 bytes of every database
constexpr std::size_t kHeaderSize = 100;

LONG statusForErrno(int error) {
    return (error == EACCES || error == EPERM || error == EROFS) ? ERROR_ACCESS_DENIED : ERROR_CANTWRITE;
}

std::string errnoText(int error) {
    return std::strerror(error);
}

bool readHeader(int fd, char* header) {
    std::size_t done = 0;
    while (done < kHeaderSize) {
        const ssize_t got = read(fd, header + done, kHeaderSize - done);
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

// A new store in WAL mode: the schema is written first, in rollback mode, so that the file itself holds
// the application id and the tables before anyone can open it.
int buildStore(const std::string& path) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK)
        rc = createSchema(db);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr);
    const int closed = sqlite3_close_v2(db);
    return rc == SQLITE_OK ? closed : rc;
}

// Every folder it creates is the user's alone, whatever the umask: the store holds passwords in plain
// text. Folders that exist already are left as they are.
LONG makeFolder(const std::filesystem::path& folder, std::string& reason) {
    std::filesystem::path built;
    for (const std::filesystem::path& part : folder) {
        built /= part;
        if (mkdir(built.c_str(), 0700) == 0) {
            chmod(built.c_str(), 0700);
        } else if (errno != EEXIST) {
            reason = "can't be created: its folder " + built.string() + " could not be made (" +
                     errnoText(errno) + ")";
            return statusForErrno(errno);
        }
    }
    return ERROR_SUCCESS;
}

std::string userName(uid_t uid) {
    const passwd* entry = getpwuid(uid);
    return (entry && entry->pw_name ? std::string(entry->pw_name) + " " : std::string()) + "(uid " +
           std::to_string(uid) + ")";
}

std::string modeText(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

// Only this user and root may own what the store reads: anyone else could put accounts into it.
bool trustedOwner(uid_t owner) {
    return owner == geteuid() || owner == 0;
}

bool othersMayWrite(mode_t mode) {
    return (mode & (S_IWGRP | S_IWOTH)) != 0;
}

// The log and shared-memory files SQLite keeps beside the store carry committed changes: whoever
// may plant or change them changes the store. They must be plain files of the store's owner.
LONG inspectCompanion(const std::string& store, const struct stat& storeInfo, const char* suffix,
                      std::string& reason) {
    const std::string path = store + suffix;
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return ERROR_SUCCESS;
        reason = "can't be used: its file " + path + " can't be reached (" + errnoText(errno) + ")";
        return ERROR_ACCESS_DENIED;
    }
    const std::string prefix = "can't be used: its file " + path;
    if (S_ISLNK(info.st_mode))
        reason = prefix + " is a symbolic link, which the store never follows";
    else if (!S_ISREG(info.st_mode))
        reason = prefix + " is not a plain file";
    else if (info.st_uid != storeInfo.st_uid)
        reason = prefix + " belongs to " + userName(info.st_uid) + ", not to the store's owner " +
                 userName(storeInfo.st_uid);
    else if (othersMayWrite(info.st_mode))
        reason = prefix + " may be written by other users (mode " + modeText(info.st_mode) + ")";
    else
        return ERROR_SUCCESS;
    return ERROR_ACCESS_DENIED;
}

// A symbolic link in the store's place is followed only when this user or root made it: then it was
// put there on purpose. One that another user made (in a shared folder such as /tmp) is refused.
LONG resolveLink(const std::string& path, const struct stat& linkInfo, std::string& target,
                 std::string& reason) {
    if (!trustedOwner(linkInfo.st_uid)) {
        reason = "can't be used: it is a symbolic link made by " + userName(linkInfo.st_uid) +
                 ", which the store never follows";
        return ERROR_ACCESS_DENIED;
    }
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved)) {
        reason = "can't be used: it is a symbolic link to a file that can't be reached (" +
                 errnoText(errno) + ")";
        return ERROR_ACCESS_DENIED;
    }
    target = resolved;
    return ERROR_SUCCESS;
}

} // namespace

bool fileExists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

LONG inspectStoreFile(const std::string& path, std::string& reason, std::string& target) {
    struct stat info {};
    target = path;
    if (lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return ERROR_FILE_NOT_FOUND;
        reason = "can't be reached (" + errnoText(errno) + ")";
        return ERROR_ACCESS_DENIED;
    }
    if (S_ISLNK(info.st_mode)) {
        if (const LONG status = resolveLink(path, info, target, reason))
            return status;
        if (stat(target.c_str(), &info) != 0) {
            reason = "can't be reached (" + errnoText(errno) + ")";
            return ERROR_ACCESS_DENIED;
        }
    }
    if (!S_ISREG(info.st_mode)) {
        reason = "is not a file";
        return ERROR_BADDB;
    }
    if (!trustedOwner(info.st_uid)) {
        reason = "can't be used: it belongs to " + userName(info.st_uid) + ", neither to this user nor to root";
        return ERROR_ACCESS_DENIED;
    }
    if (othersMayWrite(info.st_mode)) {
        reason = "can't be used: other users may write it (mode " + modeText(info.st_mode) +
                 "); make it private with chmod go-w";
        return ERROR_ACCESS_DENIED;
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        if (const LONG status = inspectCompanion(target, info, suffix, reason))
            return status;
    }
    const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        reason = "can't be read (" + errnoText(errno) + ")";
        return ERROR_ACCESS_DENIED;
    }
    char header[kHeaderSize];
    const bool complete = readHeader(fd, header);
    ::close(fd);
    if (!complete || std::memcmp(header, kSqliteMagic, sizeof kSqliteMagic) != 0) {
        reason = complete ? "is not a registry store (it is not an SQLite database)"
                          : "is not a registry store (it is empty or too short)";
        return ERROR_BADDB;
    }
    return ERROR_SUCCESS;
}

ReadOnlyOpen readOnlyOpen(const std::string& target) {
    struct stat info {};
    if (stat(target.c_str(), &info) != 0 || info.st_uid == geteuid())
        return ReadOnlyOpen::Plain;
    const bool logs = lstat((target + "-wal").c_str(), &info) == 0 && lstat((target + "-shm").c_str(), &info) == 0;
    return logs ? ReadOnlyOpen::SharedLog : ReadOnlyOpen::Impossible;
}

std::string sharedLogUri(const std::string& target) {
    std::string uri = "file:";
    for (const unsigned char c : target) {
        if (std::isalnum(c) || std::strchr("/-._~", c)) {
            uri += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            uri += escaped;
        }
    }
    return uri + "?readonly_shm=1";
}

bool userMayWrite(const std::string& path) {
    if (storeDeclaredNotWritable())
        return false;
    return access(path.c_str(), W_OK) == 0;
}

LONG createStoreFile(const std::string& path, std::string& reason) {
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    if (storeDeclaredNotWritable()) {
        reason = "can't be created (its folder is not writable)";
        return ERROR_ACCESS_DENIED;
    }
    if (LONG status = makeFolder(folder, reason))
        return status;
    std::string temporary = (folder / (".registry-new-XXXXXX")).string();
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        reason = "can't be created (" + errnoText(errno) + ")";
        return statusForErrno(errno);
    }
    // The store holds passwords in plain text: it is the user's alone, whatever the umask. The machine
    // store's folder is root's and shared on purpose: the IDE checks passwords in every user's session,
    // as it reads HKCR on Windows, and SQLite gives the -wal and -shm files the store's mode.
    fchmod(fd, folder == kMachineStoreFolder ? 0644 : 0600);
    ::close(fd);
    const int rc = buildStore(temporary);
    const int linked = rc == SQLITE_OK ? link(temporary.c_str(), path.c_str()) : 0;
    const int linkError = errno;
    unlink(temporary.c_str());
    if (rc != SQLITE_OK) {
        reason = std::string("can't be created (") + sqlite3_errstr(rc) + ")";
        return ERROR_CANTWRITE;
    }
    if (linked != 0 && linkError != EEXIST) {
        reason = "can't be created (" + errnoText(linkError) + ")";
        return statusForErrno(linkError);
    }
    return ERROR_SUCCESS;
}

} // namespace vexor::registry::detail
