// The one open store of the process: which file, in what state, its SQLite connection, the image of it
// in memory, and the transaction that groups the calls made inside a Transaction scope.
//
// States: Closed (nothing opened yet), Missing (no file yet: an empty image answers reads,
// and the first write creates the file), Open, and Bad (the file is not a store, is damaged or can't
// be read: every call fails with the recorded status until the store is closed or checked again).
// Like the program, it serves one thread.
#pragma once

#include "platform/registry/detail/db.h"
#include "platform/registry/detail/image.h"

#include <cstdint>
#include <string>

namespace vexor::registry::detail {

class Store {
  public:
    static Store& instance();

    // ERROR_SUCCESS when calls may use the store (opening it first if need be), else its failure.
    LONG ready();
    // ready(), and the image made fit to answer a read: loaded, and checked against the file unless
    // no other process can have changed the file since the last check (see the notes in store.h).
    LONG readyToRead();
    // Opens the file again and checks it anew (not inside a transaction, whose state it would lose).
    LONG checkAgain();
    // Rolls back anything open and forgets the file.
    void close();

    Image& image() { return m_image; }
    bool writable() const { return m_mode != Mode::Open || m_writable; }

    // The ReadScope scopes.
    void enterReadScope() { ++m_readDepth; }
    void leaveReadScope();

    // One write call: makes sure the file exists and is writable, that a write transaction is open
    // (the caller's own, or the surrounding Transaction's) and that the image is the file's. The
    // call's change to the image counts as one operation for the fault hooks. `own` tells endWrite
    // which transaction it is.
    LONG beginWrite(bool& own);
    LONG endWrite(bool own, LONG result);

    // The Transaction scopes.
    LONG enterTransaction();
    LONG leaveTransaction(bool commit);
    void abandonInnerScope();
    int transactionDepth() const { return m_depth; }
    LONG transactionResult() const;
    // A write inside a Transaction failed: the whole transaction will be rolled back.
    void noteFailedWrite(LONG status);

    // Records what went wrong for lastStoreError() and returns `status`.
    LONG fail(LONG status, const std::string& what);
    LONG sqliteFailure(int rc, const char* detail, bool writing);
    const std::string& lastError() const { return m_lastError; }
    std::uint64_t lastCommitRows() const { return m_lastCommitRows; }

  private:
    enum class Mode { Closed, Missing, Open, Bad };

    LONG open(const std::string& path);
    LONG openMissing();
    LONG validate();
    LONG openConnection();
    int openFile(Connection& connection, bool write);
    LONG markBad(LONG status, const std::string& what);
    LONG createFile();
    LONG beginImmediate();
    LONG syncImage();
    LONG commitWrites();
    void rollback();
    void resetConnection();
    bool writeHeld() const { return m_transactionBegun || m_ownWriteOpen; }

    Mode m_mode = Mode::Closed;
    std::string m_path;
    std::string m_target; // the file itself: m_path, or where the link at m_path leads
    bool m_writable = false;
    LONG m_badStatus = ERROR_SUCCESS;
    std::string m_lastError;
    Connection m_connection;

    Image m_image;
    std::int64_t m_dataVersion = 0; // of the file when the image was loaded
    bool m_imageCurrent = false;    // no other process can have committed since it was checked
    std::uint64_t m_lastCommitRows = 0;

    int m_readDepth = 0;
    bool m_ownWriteOpen = false; // a write call's own transaction, outside any Transaction

    int m_depth = 0;
    bool m_transactionBegun = false;
    LONG m_transactionStatus = ERROR_SUCCESS;
    LONG m_transactionFailure = ERROR_SUCCESS;
};

// One write call's stay in the store: it begins with the file made ready for writing and a transaction
// open, and ends committed (or, on failure, rolled back) unless it runs inside a Transaction scope,
// which then decides.
class WriteScope {
  public:
    WriteScope() : m_status(Store::instance().beginWrite(m_own)) {}
    ~WriteScope() {
        if (!m_finished && m_status == ERROR_SUCCESS)
            Store::instance().endWrite(m_own, ERROR_CANTWRITE);
    }
    WriteScope(const WriteScope&) = delete;
    WriteScope& operator=(const WriteScope&) = delete;

    // ERROR_SUCCESS when the write may go ahead.
    LONG status() const { return m_status; }

    LONG finish(LONG result) {
        m_finished = true;
        return Store::instance().endWrite(m_own, result);
    }

  private:
    bool m_own = false;
    LONG m_status;
    bool m_finished = false;
};

// The registry calls are called from code that raises no exceptions and expects none: running out of
// memory on a huge name or value becomes a status, as on Windows, instead of ending the program.
template <typename Call> LONG guarded(Call call) {
    try {
        return call();
    } catch (...) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}

// The status a write call returns, after telling a surrounding Transaction when it failed. Not
// finding what to delete is no failure: deleting the account store before rewriting it must not
// doom the first save.
LONG writeOutcome(LONG status);

} // namespace vexor::registry::detail
