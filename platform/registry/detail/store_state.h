// The one open store of the process: which file, in what state, its SQLite connection, and the
// transaction that groups the calls made inside a Transaction scope.
//
// States: Closed (nothing opened yet), Missing (no file yet: an empty in-memory store answers reads,
// and the first write creates the file), Open, and Bad (the file is not a store, is damaged or can't
// be read: every call fails with the recorded status until the store is closed or checked again).
// Like the program, it serves one thread.
#pragma once

#include "platform/registry/detail/db.h"

#include <cstdint>
#include <string>

namespace vexor::registry::detail {

class Store {
  public:
    static Store& instance();

    // ERROR_SUCCESS when calls may read the store (opening it first if need be), else its failure.
    LONG ready();
    // ready(), and inside a ReadScope the scope's read transaction begun, for a call that only reads.
    LONG readyToRead();
    // Opens the file again and checks it anew (not inside a transaction, whose state it would lose).
    LONG checkAgain();
    // Rolls back anything open and forgets the file.
    void close();

    Connection& db() { return m_connection; }
    bool writable() const { return m_mode != Mode::Open || m_writable; }
    // Changes whenever what an earlier read saw may have changed: a new connection, or a write of
    // this process (other processes show in PRAGMA data_version).
    std::uint64_t generation() const { return m_generation; }
    std::uint64_t ownWrites() const { return m_ownWrites; }

    // True while this process holds a transaction open (a ReadScope's view, or a write): no other
    // process can change what reads see then, so what they found stays true until this process
    // changes it. Outside, every statement sees the latest commit of any process.
    bool viewPinned() const { return m_readBegun || m_transactionBegun || m_ownWriteOpen; }
    // Changes whenever a pinned view begins or ends, and whenever this process changes the store in a
    // way a cache of what reads found can't follow (keys removed or re-marked, a failed statement).
    // Such caches are valid for one value of it, and only while the view is pinned.
    std::uint64_t viewEpoch() const { return m_viewEpoch; }
    void forgetView() { ++m_viewEpoch; }

    // The ReadScope scopes.
    void enterReadScope() { ++m_readDepth; }
    void leaveReadScope();

    // One write call: makes sure the file exists and is writable and that a transaction is open (the
    // caller's own, or the surrounding Transaction's). `own` tells endWrite which.
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
    LONG commitWrites();
    void rollback();
    void endReadView();
    void resetConnection();

    Mode m_mode = Mode::Closed;
    std::string m_path;
    std::string m_target; // the file itself: m_path, or where the link at m_path leads
    bool m_writable = false;
    LONG m_badStatus = ERROR_SUCCESS;
    std::string m_lastError;
    Connection m_connection;
    std::uint64_t m_generation = 0;
    std::uint64_t m_ownWrites = 0;
    std::uint64_t m_viewEpoch = 1;

    int m_readDepth = 0;
    bool m_readBegun = false;
    bool m_ownWriteOpen = false; // a write call's own transaction, outside any Transaction

    int m_depth = 0;
    bool m_transactionBegun = false;
    LONG m_transactionStatus = ERROR_SUCCESS;
    LONG m_transactionFailure = ERROR_SUCCESS;
};

// The open store's connection.
inline Connection& db() {
    return Store::instance().db();
}

// The status a write call returns, after telling a surrounding Transaction when it failed. Not
// finding what to delete is no failure: deleting the account store before rewriting it must not
// doom the first save.
LONG writeOutcome(LONG status);

} // namespace vexor::registry::detail
