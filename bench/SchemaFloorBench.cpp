// What a save and a load of the account list cost in the store's own file format, with nothing of the
// registry layer in between: the accounts' rows deleted and written again in one transaction, as a
// save does, and read back with one join. Whatever the layer does, it can't be faster than this, so
// BM_LoadSave against this shows what the layer costs, and this against BM_RawSqlite what the format
// costs (two indexes per table, one row per key besides its values).
//
// The statements follow the store's schema (platform/registry/detail/schema.cpp); a change there
// makes this benchmark fail loudly rather than measure something else.
#include "bench/BenchAccounts.h"
#include "bench/BenchStore.h"
#include "platform/registry/store.h"
#include "store/StoreKeys.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

namespace {

using Database = std::unique_ptr<sqlite3, decltype(&sqlite3_close_v2)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

struct KeyRow {
    sqlite3_int64 id, parent;
    std::string name, folded;
};

struct ValueRow {
    sqlite3_int64 key, seq, type;
    std::string folded, name, data;
};

std::string Column(sqlite3_stmt* statement, int nColumn) {
    const void* bytes = sqlite3_column_blob(statement, nColumn);
    return bytes ? std::string(static_cast<const char*>(bytes),
                               static_cast<std::size_t>(sqlite3_column_bytes(statement, nColumn)))
                 : std::string();
}

void BindText(sqlite3_stmt* statement, int nIndex, const std::string& text) {
    sqlite3_bind_blob(statement, nIndex, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

// The account store as the registry layer wrote it: its key, the account keys and their values.
class CStoreFile {
  public:
    explicit CStoreFile(const std::string& strPath) : m_db(Open(strPath)) {}

    bool IsOpen() const { return m_db != nullptr; }

    bool ReadLayout() {
        m_storeKey = Find(Find(1, "CLSID"), Upper(AccountStoreKeyName));
        if (m_storeKey < 0)
            return false;
        Statement keys = Prepare("SELECT id, parent, name, folded FROM keys WHERE id = ?1 OR parent = ?1");
        sqlite3_bind_int64(keys.get(), 1, m_storeKey);
        while (sqlite3_step(keys.get()) == SQLITE_ROW)
            m_keys.push_back({sqlite3_column_int64(keys.get(), 0), sqlite3_column_int64(keys.get(), 1),
                              Column(keys.get(), 2), Column(keys.get(), 3)});
        Statement values = Prepare("SELECT key, seq, type, folded, name, data FROM vals WHERE key IN"
                                   " (SELECT id FROM keys WHERE parent = ?1) ORDER BY key, seq");
        sqlite3_bind_int64(values.get(), 1, m_storeKey);
        while (sqlite3_step(values.get()) == SQLITE_ROW)
            m_values.push_back({sqlite3_column_int64(values.get(), 0), sqlite3_column_int64(values.get(), 1),
                                sqlite3_column_int64(values.get(), 2), Column(values.get(), 3),
                                Column(values.get(), 4), Column(values.get(), 5)});
        return m_values.size() == 4 * (m_keys.size() - 1);
    }

    bool Save() {
        bool bOk = Exec("BEGIN IMMEDIATE") && DeleteTree();
        Statement insertKey =
            Prepare("INSERT INTO keys(id, parent, name, folded, written) VALUES (?1, ?2, ?3, ?4, 1)");
        for (const KeyRow& key : m_keys) {
            sqlite3_bind_int64(insertKey.get(), 1, key.id);
            sqlite3_bind_int64(insertKey.get(), 2, key.parent);
            BindText(insertKey.get(), 3, key.name);
            BindText(insertKey.get(), 4, key.folded);
            bOk = bOk && Step(insertKey.get());
        }
        Statement insertValue =
            Prepare("INSERT INTO vals(key, folded, name, seq, type, data) VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
        for (const ValueRow& value : m_values) {
            sqlite3_bind_int64(insertValue.get(), 1, value.key);
            BindText(insertValue.get(), 2, value.folded);
            BindText(insertValue.get(), 3, value.name);
            sqlite3_bind_int64(insertValue.get(), 4, value.seq);
            sqlite3_bind_int64(insertValue.get(), 5, value.type);
            BindText(insertValue.get(), 6, value.data);
            bOk = bOk && Step(insertValue.get());
        }
        return Exec(bOk ? "COMMIT" : "ROLLBACK") && bOk;
    }

    // The accounts in the order the store enumerates them, each with its values; how many were read.
    std::size_t Load(std::vector<UserAccount>& accounts) {
        accounts.clear();
        Statement rows = Prepare("SELECT k.name, v.name, v.data FROM keys k JOIN vals v ON v.key = k.id"
                                 " WHERE k.parent = ?1 ORDER BY k.folded, v.seq");
        sqlite3_bind_int64(rows.get(), 1, m_storeKey);
        while (sqlite3_step(rows.get()) == SQLITE_ROW) {
            const std::string strAccount = Column(rows.get(), 0);
            if (accounts.empty() || accounts.back().strName != strAccount)
                accounts.push_back({strAccount, 0, "", "", ""});
            const std::string strValue = Column(rows.get(), 1);
            const std::string data = Column(rows.get(), 2);
            if (strValue == "Enable Login")
                accounts.back().bPasswordRequired = !data.empty() && data[0] == 1;
            else if (strValue == "Group")
                accounts.back().strGroup = data.c_str();
            else if (strValue == "Password")
                accounts.back().strPassword = data.c_str();
            else if (strValue == "Offset")
                accounts.back().strOffset = data.c_str();
        }
        return accounts.size();
    }

  private:
    static Database Open(const std::string& strPath) {
        sqlite3* db = nullptr;
        const int rc =
            sqlite3_open_v2(strPath.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        Database database(db, &sqlite3_close_v2);
        if (rc != SQLITE_OK)
            database.reset();
        else
            sqlite3_exec(db, "PRAGMA cache_size = -65536", nullptr, nullptr, nullptr);
        return database;
    }

    static std::string Upper(std::string text) {
        for (char& c : text)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    }

    Statement Prepare(const char* pszSql) {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(m_db.get(), pszSql, -1, &statement, nullptr);
        return Statement(statement, &sqlite3_finalize);
    }

    bool Exec(const char* pszSql) {
        return sqlite3_exec(m_db.get(), pszSql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }

    static bool Step(sqlite3_stmt* statement) {
        const bool bDone = sqlite3_step(statement) == SQLITE_DONE;
        sqlite3_reset(statement);
        return bDone;
    }

    sqlite3_int64 Find(sqlite3_int64 parent, const std::string& strFolded) {
        Statement find = Prepare("SELECT id FROM keys WHERE parent = ?1 AND folded = ?2");
        sqlite3_bind_int64(find.get(), 1, parent);
        BindText(find.get(), 2, strFolded);
        return sqlite3_step(find.get()) == SQLITE_ROW ? sqlite3_column_int64(find.get(), 0) : -1;
    }

    // The same statements the store runs to delete a tree.
    bool DeleteTree() {
        Statement values = Prepare("WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL SELECT keys.id FROM keys"
                                   " JOIN tree ON keys.parent = tree.id) DELETE FROM vals WHERE key IN tree");
        Statement keys = Prepare("WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL SELECT keys.id FROM keys"
                                 " JOIN tree ON keys.parent = tree.id) DELETE FROM keys WHERE id IN tree");
        sqlite3_bind_int64(values.get(), 1, m_storeKey);
        sqlite3_bind_int64(keys.get(), 1, m_storeKey);
        return Step(values.get()) && Step(keys.get());
    }

    Database m_db;
    sqlite3_int64 m_storeKey = -1;
    std::vector<KeyRow> m_keys;
    std::vector<ValueRow> m_values;
};

void BM_SchemaFloor(benchmark::State& state) {
    const int nAccounts = static_cast<int>(state.range(0));
    CBenchStore store;
    if (!WriteBenchAccounts(nAccounts)) {
        state.SkipWithError("the accounts could not be written");
        return;
    }
    vexor::registry::closeStore();
    CStoreFile file(store.Path());
    std::vector<UserAccount> accounts;
    if (!file.IsOpen() || !file.ReadLayout()) {
        state.SkipWithError("the store file does not have the layout this benchmark knows");
        return;
    }
    for (auto _ : state) {
        if (!file.Save() || file.Load(accounts) != static_cast<std::size_t>(nAccounts)) {
            state.SkipWithError("the floor lost accounts");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * nAccounts);
}

} // namespace

BENCHMARK(BM_SchemaFloor)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
