#include "platform/registry/detail/db.h"


#include <sqlite3.h>

namespace vexor::registry::detail {

namespace {

// SQLite counts BEGIN and COMMIT as read-only statements, but a commit that fails (a full disk) failed
// to write, and the message must say so.
bool writes(sqlite3_stmt* statement) {
    const std::string_view sql = sqlite3_sql(statement);
    return !sqlite3_stmt_readonly(statement) || sql.rfind("COMMIT", 0) == 0 || sql.rfind("BEGIN IMMEDIATE", 0) == 0;
}

} // namespace

Connection::~Connection() {
    close();
}

// The store serves one thread, as the program does, so SQLite's own locking of the connection would
// be pure cost on every statement.
int Connection::open(const std::string& path, int flags) {
    close();
    const int rc =
        sqlite3_open_v2(path.c_str(), &m_db, flags | SQLITE_OPEN_EXRESCODE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK)
        close();
    return rc;
}

void Connection::close() {
    for (auto& [sql, statement] : m_statements)
        sqlite3_finalize(statement);
    m_statements.clear();
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

sqlite3_stmt* Connection::statement(const char* sql, int& rc) {
    rc = SQLITE_OK;
    if (const auto it = m_statements.find(sql); it != m_statements.end())
        return it->second;
    sqlite3_stmt* statement = nullptr;
    rc = m_db ? sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr)
              : SQLITE_MISUSE;
    if (rc != SQLITE_OK)
        return nullptr;
    m_statements.emplace(sql, statement);
    return statement;
}

int Connection::changes() const {
    return m_db ? sqlite3_changes(m_db) : 0;
}

void Connection::execQuietly(const char* sql) {
    if (m_db)
        sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
}

Query::Query(Connection& connection, const char* sql) {
    int rc = SQLITE_OK;
    m_statement = connection.statement(sql, rc);
    if (!m_statement)
        m_status = statementFailed(databaseFailure(rc, connection.raw() ? sqlite3_errmsg(connection.raw()) : "", false));
}

Query::~Query() {
    if (m_statement) {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
}

Query& Query::bind(std::int64_t value) {
    if (m_statement)
        noteBind(sqlite3_bind_int64(m_statement, ++m_bindIndex, value));
    return *this;
}

// An empty blob is bound from a non-null pointer: a null one would bind SQL NULL.
Query& Query::bindBlob(std::string_view bytes) {
    static const char empty = 0;
    if (m_statement)
        noteBind(sqlite3_bind_blob64(m_statement, ++m_bindIndex, bytes.empty() ? &empty : bytes.data(),
                                     bytes.size(), SQLITE_TRANSIENT));
    return *this;
}

// A value SQLite can't take (too big) fails the statement before it runs.
void Query::noteBind(int rc) {
    if (rc != SQLITE_OK && m_status == ERROR_SUCCESS)
        m_status = statementFailed(databaseFailure(rc, sqlite3_errstr(rc), true));
}

bool Query::next() {
    if (!m_statement || m_status != ERROR_SUCCESS)
        return false;
    if (!m_started) {
        m_started = true;
        m_status = countOperation();
        if (m_status != ERROR_SUCCESS) {
            statementFailed(m_status);
            return false;
        }
    }
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        m_status = statementFailed(
            databaseFailure(rc, sqlite3_errmsg(sqlite3_db_handle(m_statement)), writes(m_statement)));
    return false;
}

LONG Query::run() {
    while (next()) {
    }
    return m_status;
}

std::int64_t Query::integer(int column) const {
    return sqlite3_column_int64(m_statement, column);
}

bool Query::isNull(int column) const {
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

std::string Query::blob(int column) const {
    const void* bytes = sqlite3_column_blob(m_statement, column);
    const int size = sqlite3_column_bytes(m_statement, column);
    return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
                 : std::string();
}

} // namespace vexor::registry::detail
