// A thin layer over one SQLite connection: statements are prepared once and kept, every run of one
// is counted for the fault hooks, and SQLite's result codes become Win32 statuses in one place.
#pragma once

#include "platform/win32/types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace vexor::registry::detail {

class Connection {
  public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // SQLite's result code; the connection is closed again when it is not SQLITE_OK.
    int open(const std::string& path, int flags);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    sqlite3* raw() const { return m_db; }

    // Prepared once per connection; the key is the statement's text, which lives as long as the program.
    sqlite3_stmt* statement(const char* sql, int& rc);
    int changes() const;
    // Runs a statement that the fault hooks must not count or fail (undoing a transaction, sizing the
    // cache).
    void execQuietly(const char* sql);

  private:
    sqlite3* m_db = nullptr;
    std::unordered_map<const char*, sqlite3_stmt*> m_statements;
};

// Runs one cached statement: bind in order, then step through its rows. Reset when it goes.
class Query {
  public:
    Query(Connection& connection, const char* sql);
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Query& bind(std::int64_t value);
    Query& bindBlob(std::string_view bytes);

    // True while there is a row; false at the end or on failure (see status()).
    bool next();
    // Runs a statement that returns no rows; its status.
    LONG run();
    LONG status() const { return m_status; }

    std::int64_t integer(int column) const;
    bool isNull(int column) const;
    std::string blob(int column) const;

  private:
    void noteBind(int rc);

    sqlite3_stmt* m_statement = nullptr;
    int m_bindIndex = 0;
    bool m_started = false;
    LONG m_status = ERROR_SUCCESS;
};

// The store's side of the test hooks in fault_injection.h. Counting an operation costs one increment
// and one comparison; everything else happens only when a test has armed a fault.
extern std::uint64_t g_operationCount;
extern std::uint64_t g_faultAtOperation; // never reached unless a fault is armed

// Called when g_operationCount reaches g_faultAtOperation: ends the process or returns the status the
// operation fails with.
LONG triggerFault();

// Counts one operation; ERROR_SUCCESS unless a test made this one fail.
inline LONG countOperation() {
    if (++g_operationCount != g_faultAtOperation)
        return ERROR_SUCCESS;
    return triggerFault();
}

bool storeDeclaredNotWritable();
int busyTimeoutMilliseconds();

// What a failed SQLite call means for the store (implemented by the store, which records it).
LONG databaseFailure(int rc, const char* detail, bool writing);
// Every failed statement passes its status through here (implemented by the store); returns it.
LONG statementFailed(LONG status);

} // namespace vexor::registry::detail
