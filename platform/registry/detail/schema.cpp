#include "platform/registry/detail/schema.h"

#include <sqlite3.h>

namespace vexor::registry::detail {

namespace {

// Names are blobs: they are the caller's bytes, valid UTF-8 or not, and "folded" (upper-cased) orders
// and finds them byte by byte. Key ids are random (see keys.cpp), so a handle to a
// deleted key can't come to mean another one. Values keep their creation order in "seq".
const char* const kSchema = R"sql(
BEGIN;
PRAGMA application_id = 1448628807;
PRAGMA user_version = 1;
CREATE TABLE keys(
    id INTEGER PRIMARY KEY,
    parent INTEGER,
    name BLOB NOT NULL,
    folded BLOB NOT NULL,
    deny_full INTEGER NOT NULL DEFAULT 0,
    written INTEGER NOT NULL DEFAULT 0,
    UNIQUE(parent, folded)
);
CREATE TABLE vals(
    key INTEGER NOT NULL,
    folded BLOB NOT NULL,
    name BLOB NOT NULL,
    seq INTEGER NOT NULL,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    PRIMARY KEY(key, folded)
) WITHOUT ROWID;
CREATE UNIQUE INDEX vals_in_order ON vals(key, seq);
INSERT INTO keys(id, parent, name, folded) VALUES
    (1, NULL, CAST('HKEY_CLASSES_ROOT' AS BLOB), CAST('HKEY_CLASSES_ROOT' AS BLOB)),
    (2, NULL, CAST('HKEY_LOCAL_MACHINE' AS BLOB), CAST('HKEY_LOCAL_MACHINE' AS BLOB));
COMMIT;
)sql";

static_assert(kApplicationId == 1448628807 && kSchemaVersion == 1, "keep kSchema in step");

// The first column of the first row of a one-row query; SQLite's code in rc.
std::int64_t scalar(sqlite3* db, const char* sql, int& rc) {
    sqlite3_stmt* statement = nullptr;
    rc = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    std::int64_t value = 0;
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(statement);
        if (rc == SQLITE_ROW) {
            value = sqlite3_column_int64(statement, 0);
            rc = SQLITE_OK;
        }
    }
    sqlite3_finalize(statement);
    return value;
}

std::string quickCheck(sqlite3* db, int& rc) {
    sqlite3_stmt* statement = nullptr;
    rc = sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &statement, nullptr);
    std::string result;
    if (rc == SQLITE_OK && (rc = sqlite3_step(statement)) == SQLITE_ROW) {
        const auto* text = sqlite3_column_text(statement, 0);
        result = text ? reinterpret_cast<const char*>(text) : "";
        rc = SQLITE_OK;
    }
    sqlite3_finalize(statement);
    return result;
}

SchemaCheck damaged(int rc, sqlite3* db) {
    switch (rc & 0xFF) {
    case SQLITE_NOTADB:
        return {Verdict::NotAStore, "it is not an SQLite database"};
    case SQLITE_CORRUPT:
        return {Verdict::Damaged, sqlite3_errmsg(db)};
    default:
        return {Verdict::Unreadable, sqlite3_errmsg(db), rc};
    }
}

SchemaCheck checkLayout(sqlite3* db) {
    int rc = SQLITE_OK;
    const auto tables = scalar(
        db, "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name IN ('keys', 'vals')", rc);
    if (rc != SQLITE_OK)
        return damaged(rc, db);
    if (tables != 2)
        return {Verdict::Damaged, "its tables are missing"};
    const auto roots = scalar(db, "SELECT count(*) FROM keys WHERE id IN (1, 2) AND parent IS NULL", rc);
    if (rc != SQLITE_OK)
        return damaged(rc, db);
    if (roots != 2)
        return {Verdict::Damaged, "its root keys are missing"};
    const std::string check = quickCheck(db, rc);
    if (rc != SQLITE_OK)
        return damaged(rc, db);
    if (check != "ok")
        return {Verdict::Damaged, check};
    return {Verdict::Store, ""};
}

} // namespace

int createSchema(sqlite3* db) {
    return sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr);
}

SchemaCheck verifySchema(sqlite3* db) {
    int rc = SQLITE_OK;
    const auto applicationId = scalar(db, "PRAGMA application_id", rc);
    if (rc != SQLITE_OK)
        return damaged(rc, db);
    if (applicationId != kApplicationId)
        return {Verdict::NotAStore, "it is an SQLite database of another program"};
    const auto version = scalar(db, "PRAGMA user_version", rc);
    if (rc != SQLITE_OK)
        return damaged(rc, db);
    if (version > kSchemaVersion)
        return {Verdict::Newer, "it was written by a newer version of this program"};
    if (version != kSchemaVersion)
        return {Verdict::Damaged, "its schema version is unknown"};
    return checkLayout(db);
}

} // namespace vexor::registry::detail
