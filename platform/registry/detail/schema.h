// The layout of a store file, and the check that a file is one: its application id, its schema
// version, its tables and roots, and SQLite's own quick consistency check.
#pragma once

#include <cstdint>
#include <string>

struct sqlite3;

namespace vexor::registry::detail {

constexpr std::int32_t kApplicationId = 0x56585247; // "VXRG"
constexpr std::int32_t kSchemaVersion = 1;

// Lays out an empty database (a new file, or the stand-in for a file that doesn't exist yet). SQLite's
// result code.
int createSchema(sqlite3* db);

enum class Verdict {
    Store,
    NotAStore,
    Newer,
    Damaged,
    Unreadable, // SQLite could not read it now (locked, I/O error): says nothing about the file
};

struct SchemaCheck {
    Verdict verdict;
    std::string reason; // for people, when it is not a store
    int rc = 0;         // SQLite's code when Unreadable
};

// Reads only: the file is never changed by checking it.
SchemaCheck verifySchema(sqlite3* db);

} // namespace vexor::registry::detail
