#include "platform/registry/detail/store_state.h"

#include "platform/registry/detail/db.h"
#include "platform/registry/detail/schema.h"
#include "platform/registry/detail/sqlite_image.h"
#include "platform/registry/detail/store_file.h"
#include "platform/registry/store.h"

#include <sqlite3.h>

namespace vexor::registry::detail {

Store& Store::instance() {
    static Store store;
    return store;
}

LONG Store::ready() {
    switch (m_mode) {
    case Mode::Closed:
        return open(storePath());
    case Mode::Missing:
        // Another process may have created the file since: from then on, it is the store.
        return fileExists(m_path) ? open(m_path) : ERROR_SUCCESS;
    case Mode::Open:
        return ERROR_SUCCESS;
    case Mode::Bad:
        break;
    }
    return m_badStatus;
}

// Inside a ReadScope or a write, the image checked once stays current: no other process can commit
// during a write, and a ReadScope is to see one state. Outside, every read checks PRAGMA data_version,
// so that it sees the latest commit of any process.
LONG Store::readyToRead() {
    if (const LONG status = ready())
        return status;
    if (m_mode == Mode::Missing) {
        if (!m_image.loaded())
            m_image.loadEmpty();
        return ERROR_SUCCESS;
    }
    if (m_imageCurrent && m_image.loaded())
        return ERROR_SUCCESS;
    const LONG status = syncImage();
    m_imageCurrent = status == ERROR_SUCCESS && (m_readDepth > 0 || writeHeld());
    return status;
}

// The image is loaded again only when another connection committed since it was read: this process's
// own commits leave the data version alone, and its image already holds them.
LONG Store::syncImage() {
    if (m_image.loaded()) {
        std::int64_t version = 0;
        if (const LONG status = readDataVersion(m_connection, version))
            return status;
        if (version == m_dataVersion)
            return ERROR_SUCCESS;
    }
    const bool inTransaction = writeHeld();
    if (!inTransaction) {
        if (const LONG status = Query(m_connection, "BEGIN").run())
            return status;
    }
    const LONG status = loadImage(m_connection, m_image, m_dataVersion);
    if (!inTransaction)
        m_connection.execQuietly("ROLLBACK"); // it only read
    return status;
}

void Store::leaveReadScope() {
    if (m_readDepth > 0 && --m_readDepth == 0)
        m_imageCurrent = writeHeld();
}

LONG Store::checkAgain() {
    if (m_depth > 0)
        return ready();
    const std::string path = m_mode == Mode::Closed ? storePath() : m_path;
    const LONG status = open(path);
    if (status == ERROR_SUCCESS)
        m_lastError.clear();
    return status;
}

void Store::close() {
    if (m_transactionBegun)
        rollback();
    m_transactionBegun = false;
    if (m_depth > 0 && m_transactionFailure == ERROR_SUCCESS)
        m_transactionFailure = ERROR_CANTWRITE;
    resetConnection();
    m_mode = Mode::Closed;
    m_path.clear();
    m_lastError.clear();
}

void Store::resetConnection() {
    m_connection.close();
    m_ownWriteOpen = false;
    m_image.unload();
    m_imageCurrent = false;
}

LONG Store::open(const std::string& path) {
    resetConnection();
    m_path = path;
    std::string reason;
    const LONG status = inspectStoreFile(path, reason, m_target);
    if (status == ERROR_FILE_NOT_FOUND)
        return openMissing();
    if (status != ERROR_SUCCESS)
        return markBad(status, reason);
    m_writable = userMayWrite(m_target);
    if (!m_writable && readOnlyOpen(m_target) == ReadOnlyOpen::Impossible)
        return markBad(ERROR_ACCESS_DENIED,
                       "can't be read by this user: it belongs to another user, and the files " + m_target +
                           "-wal and " + m_target + "-shm that readers share with its owner are missing "
                           "(they come back when the owner next opens the store)");
    if (const LONG invalid = validate())
        return invalid;
    return openConnection();
}

// Reads of a store that doesn't exist yet see an empty one, and create nothing.
LONG Store::openMissing() {
    m_image.loadEmpty();
    m_mode = Mode::Missing;
    return ERROR_SUCCESS;
}

// Checked through a read-only connection of its own, so that nothing (not even a checkpoint when the
// connection closes) ever writes to a file that turns out not to be a store.
LONG Store::validate() {
    Connection probe;
    const int rc = openFile(probe, false);
    if (rc != SQLITE_OK) {
        m_mode = Mode::Closed;
        return fail(ERROR_CANTREAD, "can't be opened (" + std::string(sqlite3_errstr(rc)) + ")");
    }
    sqlite3_busy_timeout(probe.raw(), busyTimeoutMilliseconds());
    const SchemaCheck check = verifySchema(probe.raw());
    switch (check.verdict) {
    case Verdict::Store:
        return ERROR_SUCCESS;
    case Verdict::NotAStore:
        return markBad(ERROR_BADDB, "is not a registry store (" + check.reason + "); it was left unchanged");
    case Verdict::Newer:
        return markBad(ERROR_BADDB, "can't be used (" + check.reason + "); it was left unchanged");
    case Verdict::Damaged:
        return markBad(ERROR_BADDB, "is damaged (" + check.reason + "); it was left unchanged");
    case Verdict::Unreadable:
        break;
    }
    m_mode = Mode::Closed;
    return sqliteFailure(check.rc, check.reason.c_str(), false);
}

int Store::openFile(Connection& connection, bool write) {
    if (write)
        return connection.open(m_path, SQLITE_OPEN_READWRITE);
    if (m_writable || readOnlyOpen(m_target) == ReadOnlyOpen::Plain)
        return connection.open(m_path, SQLITE_OPEN_READONLY);
    return connection.open(sharedLogUri(m_target), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
}

LONG Store::openConnection() {
    const int rc = openFile(m_connection, m_writable);
    if (rc != SQLITE_OK) {
        m_mode = Mode::Closed;
        return fail(ERROR_CANTREAD, "can't be opened (" + std::string(sqlite3_errstr(rc)) + ")");
    }
    sqlite3_busy_timeout(m_connection.raw(), busyTimeoutMilliseconds());
    // The -wal and -shm files stay when the last writer closes the store, so that users who may read
    // it but not write it can share them (see readOnlyOpen); the log is emptied then, so that the
    // file itself holds every commit.
    int keep = 1;
    if (m_writable) {
        sqlite3_file_control(m_connection.raw(), "main", SQLITE_FCNTL_PERSIST_WAL, &keep);
        sqlite3_exec(m_connection.raw(), "PRAGMA journal_size_limit = 0", nullptr, nullptr, nullptr);
    }
    m_mode = Mode::Open;
    return ERROR_SUCCESS;
}

LONG Store::markBad(LONG status, const std::string& what) {
    m_mode = Mode::Bad;
    m_badStatus = status;
    return fail(status, what);
}

LONG Store::fail(LONG status, const std::string& what) {
    m_lastError = "The registry store " + (m_path.empty() ? storePath() : m_path) + " " + what + ".";
    return status;
}

// A lock another process holds past the busy timeout is ERROR_BUSY: the registry has no status of its
// own for it, and the callers treat every failure alike anyway.
LONG Store::sqliteFailure(int rc, const char* detail, bool writing) {
    const std::string reason = detail ? detail : "";
    switch (rc & 0xFF) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return markBad(ERROR_BADDB, "is damaged (" + reason + "); it was left unchanged");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return fail(ERROR_BUSY, "is locked by another program; nothing was changed");
    case SQLITE_READONLY:
        return fail(ERROR_ACCESS_DENIED, "can't be written by this user");
    case SQLITE_NOMEM:
        return fail(ERROR_NOT_ENOUGH_MEMORY, "ran out of memory");
    case SQLITE_FULL:
        return fail(ERROR_CANTWRITE, "could not be written: the disk is full; nothing was changed");
    case SQLITE_TOOBIG:
        return fail(ERROR_INVALID_PARAMETER, "can't hold data that large");
    default:
        return fail(writing ? ERROR_CANTWRITE : ERROR_CANTREAD,
                    std::string(writing ? "could not be written (" : "could not be read (") + reason + ")");
    }
}

LONG Store::createFile() {
    std::string reason;
    if (const LONG status = createStoreFile(m_path, reason))
        return fail(status, reason);
    if (const LONG status = open(m_path))
        return status;
    // Something that is not a file (a dangling link, say) took the name: there is still no store.
    return m_mode == Mode::Open ? ERROR_SUCCESS
                                : fail(ERROR_CANTWRITE, "can't be created (its name is taken)");
}

LONG Store::beginImmediate() {
    return Query(m_connection, "BEGIN IMMEDIATE").run();
}

// SQLite may have undone part of a failed transaction on its own, and what the image holds of it is
// not in the file: both start over.
void Store::rollback() {
    m_connection.execQuietly("ROLLBACK");
    if (m_image.touched())
        m_image.unload();
}

// The difference between what the transaction found and what it leaves is all that is written; the
// step that takes it counts as one operation, so that the fault hooks reach it too.
LONG Store::commitWrites() {
    m_lastCommitRows = 0;
    LONG status = countOperation();
    if (status != ERROR_SUCCESS)
        return statementFailed(status);
    const Difference difference = m_image.takeDifference();
    // A commit that writes many keys (the first save of a large store) would spill pages to the log
    // and read them back again and again with SQLite's default cache of 2 MB; it gets a large one for
    // the time it writes. Reads never need more: the image answers them.
    constexpr std::size_t kManyKeys = 1000;
    const bool large = difference.keys.size() > kManyKeys;
    if (large)
        m_connection.execQuietly("PRAGMA cache_size = -65536");
    std::uint64_t rows = 0;
    status = writeDifference(m_connection, difference, rows);
    if (status == ERROR_SUCCESS)
        status = Query(m_connection, "COMMIT").run();
    if (large) {
        m_connection.execQuietly("PRAGMA cache_size = -2000");
        sqlite3_db_release_memory(m_connection.raw());
    }
    if (status != ERROR_SUCCESS) {
        m_image.unload();
        return status;
    }
    m_lastCommitRows = rows;
    return ERROR_SUCCESS;
}

LONG Store::beginWrite(bool& own) {
    own = false;
    if (const LONG status = ready())
        return status;
    if (m_depth > 0 && m_transactionStatus != ERROR_SUCCESS)
        return m_transactionStatus;
    // A doomed transaction takes no more writes: they would only be thrown away.
    if (m_depth > 0 && m_transactionFailure != ERROR_SUCCESS)
        return m_transactionFailure;
    if (m_mode == Mode::Missing) {
        if (const LONG status = createFile())
            return status;
    }
    if (!m_writable)
        return fail(ERROR_ACCESS_DENIED, "can't be written by this user; nothing was changed");
    const bool outside = m_depth == 0;
    if (outside || !m_transactionBegun) {
        if (const LONG status = beginImmediate())
            return status;
        m_transactionBegun = !outside;
        m_ownWriteOpen = outside;
        LONG status = syncImage();
        if (status == ERROR_SUCCESS)
            m_imageCurrent = true;
        else if (outside) {
            rollback();
            m_ownWriteOpen = false;
            return status;
        } else {
            return status;
        }
    }
    if (const LONG status = countOperation()) {
        statementFailed(status);
        if (outside) {
            rollback();
            m_ownWriteOpen = false;
        }
        return status;
    }
    own = outside;
    return ERROR_SUCCESS;
}

LONG Store::endWrite(bool own, LONG result) {
    if (!own)
        return result;
    LONG status = result;
    if (status == ERROR_SUCCESS)
        status = commitWrites();
    if (status != ERROR_SUCCESS)
        rollback();
    m_ownWriteOpen = false;
    m_imageCurrent = false; // the write ends a ReadScope's view: later reads see the latest commit
    return status;
}

LONG Store::enterTransaction() {
    if (m_depth++ > 0)
        return m_transactionStatus;
    m_transactionFailure = ERROR_SUCCESS;
    m_transactionBegun = false;
    LONG status = ready();
    // A store that doesn't exist yet is created by the first write inside, not by an empty scope.
    if (status == ERROR_SUCCESS && m_mode == Mode::Open) {
        if (!m_writable)
            status = fail(ERROR_ACCESS_DENIED, "can't be written by this user; nothing was changed");
        else
            status = beginImmediate();
        m_transactionBegun = status == ERROR_SUCCESS;
        if (status == ERROR_SUCCESS)
            status = syncImage();
        m_imageCurrent = status == ERROR_SUCCESS;
    }
    m_transactionStatus = status;
    return status;
}

LONG Store::transactionResult() const {
    return m_transactionStatus != ERROR_SUCCESS ? m_transactionStatus : m_transactionFailure;
}

LONG Store::leaveTransaction(bool commit) {
    if (m_depth == 0)
        return ERROR_SUCCESS;
    if (--m_depth > 0)
        return transactionResult();
    LONG result = transactionResult();
    if (m_transactionBegun) {
        if (commit && result == ERROR_SUCCESS)
            result = commitWrites();
        if (!commit || result != ERROR_SUCCESS)
            rollback();
    }
    m_transactionBegun = false;
    m_imageCurrent = false;
    return result;
}

// A scope inside the transaction ended without commit: what it did can't be undone alone, so the
// whole transaction is.
void Store::abandonInnerScope() {
    noteFailedWrite(ERROR_CANTWRITE);
}

void Store::noteFailedWrite(LONG status) {
    if (m_depth > 0 && m_transactionFailure == ERROR_SUCCESS)
        m_transactionFailure = status;
}

LONG writeOutcome(LONG status) {
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        Store::instance().noteFailedWrite(status);
    return status;
}

LONG databaseFailure(int rc, const char* detail, bool writing) {
    return Store::instance().sqliteFailure(rc, detail, writing);
}

// Inside a Transaction a failed statement dooms it, reads included: a read that failed may hide what
// a later write relies on, such as an account store that was never deleted before it was rewritten.
LONG statementFailed(LONG status) {
    Store::instance().noteFailedWrite(status);
    return status;
}

} // namespace vexor::registry::detail
