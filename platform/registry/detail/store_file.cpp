#include "platform/registry/detail/store_file.h"

#include "platform/registry/detail/faults.h"
#include "platform/registry/detail/schema.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
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

LONG makeFolder(const std::filesystem::path& folder, std::string& reason) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error)
        return ERROR_SUCCESS;
    reason = "its folder could not be created (" + error.message() + ")";
    return statusForErrno(error.value());
}

} // namespace

bool fileExists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

LONG inspectStoreFile(const std::string& path, std::string& reason) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return ERROR_FILE_NOT_FOUND;
        reason = "can't be reached (" + errnoText(errno) + ")";
        return ERROR_ACCESS_DENIED;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = "is not a file";
        return ERROR_BADDB;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
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
    // mkstemp makes the file private; the store gets the mode any new file of the user would get.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
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
