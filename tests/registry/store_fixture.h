// Cases about our store itself (its file, marks, transactions, processes, accounts), each with a store
// file of its own in a fresh temporary folder.
#pragma once

#include "platform/registry/fault_injection.h"
#include "platform/registry/store.h"
#include "tests/common/TempStore.h"
#include "tests/registry/registry_test_support.h"

#include <fstream>
#include <iterator>
#include <sqlite3.h>
#include <string>

inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

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
    void makeStore() {
        HKEY key = registry_test::createKey(HKEY_CLASSES_ROOT, "Stored");
        ASSERT_EQ(registry_test::setString(key, "v", "kept"), ERROR_SUCCESS);
        RegCloseKey(key);
        vexor::registry::closeStore();
    }

    static std::string storedValue() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "Stored", 0, KEY_READ, &key) != ERROR_SUCCESS)
            return "<no key>";
        const std::string value = registry_test::readBytes(key, "v");
        RegCloseKey(key);
        return value.empty() ? value : value.substr(0, value.size() - 1);
    }

  private:
    TempStore m_store;
};
