// The near-limit baseline for what a save and a load of the account list do: the same 4·N values
// written in one SQLite transaction and read back with plain prepared statements, in a table of its
// own, with the same journal settings as the store. What the registry layer costs on top of SQLite
// is the ratio of BM_LoadSave to this.
#include "bench/BenchAccounts.h"
#include "bench/BenchStore.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Database = std::unique_ptr<sqlite3, decltype(&sqlite3_close_v2)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

const char* const kSchema = "PRAGMA journal_mode = WAL;"
                            "CREATE TABLE vals(account BLOB NOT NULL, name BLOB NOT NULL, data BLOB NOT NULL,"
                            " PRIMARY KEY(account, name)) WITHOUT ROWID;";

Database OpenDatabase(const std::string& strPath) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(strPath.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Database database(db, &sqlite3_close_v2);
    if (sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK)
        database.reset();
    return database;
}

Statement Prepare(sqlite3* db, const char* pszSql) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v3(db, pszSql, -1, SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    return Statement(statement, &sqlite3_finalize);
}

// The values as the registry stores them: a DWORD as four little-endian bytes, text with its NUL.
struct Value {
    std::string strAccount, strName, data;
};

std::vector<Value> ValuesOf(int nAccounts) {
    std::vector<Value> values;
    for (int nIndex = 0; nIndex < nAccounts; ++nIndex) {
        const UserAccount account = BenchAccount(nIndex);
        const char enable[4] = {static_cast<char>(account.bPasswordRequired), 0, 0, 0};
        values.push_back({account.strName, "Enable Login", std::string(enable, 4)});
        values.push_back({account.strName, "Group", account.strGroup + '\0'});
        values.push_back({account.strName, "Password", account.strPassword + '\0'});
        values.push_back({account.strName, "Offset", account.strOffset + '\0'});
    }
    return values;
}

class CRawStore {
  public:
    explicit CRawStore(const std::string& strPath)
        : m_db(OpenDatabase(strPath)), m_insert(Prepare(m_db.get(), "INSERT INTO vals VALUES (?1, ?2, ?3)")),
          m_select(Prepare(m_db.get(), "SELECT account, name, data FROM vals ORDER BY account, name")) {}

    bool IsOpen() const { return m_db && m_insert && m_select; }

    bool Save(const std::vector<Value>& values) {
        bool bOk = Exec("BEGIN IMMEDIATE") && Exec("DELETE FROM vals");
        for (const Value& value : values)
            bOk = bOk && Insert(value);
        return Exec(bOk ? "COMMIT" : "ROLLBACK") && bOk;
    }

    // Reads every value back into one record per account; the number of accounts read.
    std::size_t Load(std::vector<UserAccount>& accounts) {
        accounts.clear();
        while (sqlite3_step(m_select.get()) == SQLITE_ROW) {
            const std::string strAccount = Column(0);
            if (accounts.empty() || accounts.back().strName != strAccount)
                accounts.push_back({strAccount, 0, "", "", ""});
            Assign(accounts.back(), Column(1), Column(2));
        }
        sqlite3_reset(m_select.get());
        return accounts.size();
    }

  private:
    bool Exec(const char* pszSql) {
        return sqlite3_exec(m_db.get(), pszSql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }

    bool Insert(const Value& value) {
        sqlite3_stmt* statement = m_insert.get();
        sqlite3_bind_blob(statement, 1, value.strAccount.data(), static_cast<int>(value.strAccount.size()),
                          SQLITE_STATIC);
        sqlite3_bind_blob(statement, 2, value.strName.data(), static_cast<int>(value.strName.size()),
                          SQLITE_STATIC);
        sqlite3_bind_blob(statement, 3, value.data.data(), static_cast<int>(value.data.size()),
                          SQLITE_STATIC);
        const bool bDone = sqlite3_step(statement) == SQLITE_DONE;
        sqlite3_reset(statement);
        return bDone;
    }

    std::string Column(int nColumn) const {
        const void* bytes = sqlite3_column_blob(m_select.get(), nColumn);
        const int nSize = sqlite3_column_bytes(m_select.get(), nColumn);
        return bytes ? std::string(static_cast<const char*>(bytes), static_cast<std::size_t>(nSize))
                     : std::string();
    }

    static void Assign(UserAccount& account, const std::string& strName, const std::string& data) {
        if (strName == "Enable Login")
            account.bPasswordRequired = data.size() == 4 && data[0] == 1 ? 1 : 0;
        else if (strName == "Group")
            account.strGroup = data.c_str();
        else if (strName == "Password")
            account.strPassword = data.c_str();
        else if (strName == "Offset")
            account.strOffset = data.c_str();
    }

    Database m_db;
    Statement m_insert;
    Statement m_select;
};

void BM_RawSqlite(benchmark::State& state) {
    const int nAccounts = static_cast<int>(state.range(0));
    CBenchStore folder;
    CRawStore raw(folder.Path() + ".raw");
    const std::vector<Value> values = ValuesOf(nAccounts);
    std::vector<UserAccount> accounts;
    if (!raw.IsOpen()) {
        state.SkipWithError("the baseline database could not be made");
        return;
    }
    for (auto _ : state) {
        if (!raw.Save(values) || raw.Load(accounts) != static_cast<std::size_t>(nAccounts)) {
            state.SkipWithError("the baseline lost values");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * nAccounts);
}

} // namespace

BENCHMARK(BM_RawSqlite)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
