// Cases about our store itself (its file, marks, transactions, processes, accounts), each with a store
// file of its own in a fresh temporary folder.
#pragma once

#include "platform/registry/fault_injection.h"
#include "platform/registry/store.h"
#include "tests/common/FileBytes.h"
#include "tests/common/TempStore.h"
#include "tests/registry/registry_test_support.h"

#include <functional>
#include <sqlite3.h>
#include <string>

class StoreTest : public ::testing::Test {
  protected:
    void TearDown() override {
        vexor::registry::testing::clearFaults();
        vexor::registry::testing::pretendStoreNotWritable(false);
        vexor::registry::testing::setBusyTimeout(5000);
        vexor::registry::setAccountSource(nullptr);
    }

    const std::string& path() const { return m_store.path(); }

    // Runs SQL on a file directly, as another program would.
    static void runSql(const std::string& path, const char* sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }

    // A store holding HKCR\Stored with one value, written and closed again.
    static void makeStore() {
        ASSERT_EQ(createStatus(HKEY_CLASSES_ROOT, "Stored"), ERROR_SUCCESS);
        ASSERT_EQ(setStored("kept"), ERROR_SUCCESS);
        vexor::registry::closeStore();
    }

    static LONG setStored(const char* value) {
        Key key;
        const LONG status = openStatus(HKEY_CLASSES_ROOT, "Stored", KEY_ALL_ACCESS, key.put());
        return status == ERROR_SUCCESS ? setString(key, "v", value) : status;
    }

    static std::string storedValue() {
        Key key;
        if (openStatus(HKEY_CLASSES_ROOT, "Stored", KEY_READ, key.put()) != ERROR_SUCCESS)
            return "<no key>";
        const std::string value = readBytes(key, "v");
        return value.empty() ? value : value.substr(0, value.size() - 1);
    }

    // Runs `call` once with each of its database operations in turn failing with `status`, until a
    // run has no k-th operation; `check` sees each failed run's answer. The fault-free run's answer.
    static LONG failEachOperation(const std::function<LONG()>& call, LONG status,
                                  const std::function<void(LONG answer, std::uint64_t k)>& check) {
        namespace hooks = vexor::registry::testing;
        for (std::uint64_t k = 1;; ++k) {
            const std::uint64_t start = hooks::operationCount();
            hooks::failAtOperation(k, status);
            const LONG answer = call();
            const bool fired = hooks::operationCount() - start >= k;
            hooks::clearFaults();
            if (!fired)
                return answer;
            check(answer, k);
        }
    }

  private:
    TempStore m_store;
};
