// Transaction scopes within one process: commit, rollback, failures inside, nesting.
#include "tests/registry/store_fixture.h"

#include <filesystem>

using namespace registry_test;
using vexor::registry::Transaction;

namespace {
void writeAccount(const char* name) {
    HKEY key = createKey(HKEY_CLASSES_ROOT, std::string("Accounts\\") + name);
    EXPECT_EQ(setString(key, "Password", "secret"), ERROR_SUCCESS);
    RegCloseKey(key);
}
} // namespace

TEST_F(StoreTest, CommitKeepsEveryWriteOfTheScope) {
    Transaction transaction;
    ASSERT_EQ(transaction.status(), ERROR_SUCCESS);
    writeAccount("alice");
    writeAccount("bob");
    EXPECT_EQ(transaction.commit(), ERROR_SUCCESS);
    EXPECT_EQ(transaction.commit(), ERROR_SUCCESS) << "a second commit tells the first one's result";
    EXPECT_EQ(subkeyNames(HKEY_CLASSES_ROOT).size(), 1u);
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Accounts\\bob"));
}

TEST_F(StoreTest, ScopeEndingWithoutCommitLeavesNothing) {
    makeStore();
    HKEY created = nullptr;
    {
        Transaction transaction;
        writeAccount("alice");
        ASSERT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "Stored"), static_cast<DWORD>(ERROR_SUCCESS));
        created = createKey(HKEY_CLASSES_ROOT, "Created");
    }
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Accounts"));
    EXPECT_EQ(storedValue(), "kept");
    EXPECT_EQ(setString(created, "v", "x"), ERROR_KEY_DELETED) << "its key was never committed";
    RegCloseKey(created);
}

TEST_F(StoreTest, FailedWriteInsideRollsBackTheWholeScope) {
    makeStore();
    Transaction transaction;
    writeAccount("alice");
    const std::string tooLong(256, 'x');
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, ("Accounts\\" + tooLong).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, "Accounts\\bob", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_INVALID_PARAMETER)
        << "the scope is lost: later writes are refused";
    EXPECT_EQ(transaction.commit(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Accounts"));
    EXPECT_EQ(storedValue(), "kept");
}

TEST_F(StoreTest, DeletingWhatIsNotThereDoesNotSpoilTheScope) {
    Transaction transaction;
    EXPECT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "Accounts"), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(RegDeleteValueA(HKEY_CLASSES_ROOT, "none"), ERROR_FILE_NOT_FOUND);
    writeAccount("alice");
    EXPECT_EQ(transaction.commit(), ERROR_SUCCESS);
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Accounts\\alice"));
}

TEST_F(StoreTest, InnerScopesJoinTheOuterOne) {
    {
        Transaction outer;
        {
            Transaction inner;
            writeAccount("alice");
            EXPECT_EQ(inner.commit(), ERROR_SUCCESS);
        }
        EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Accounts\\alice")) << "visible inside";
    }
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Accounts")) << "only the outermost scope commits";
}

TEST_F(StoreTest, InnerScopeEndingWithoutCommitSpoilsTheOuterOne) {
    Transaction outer;
    writeAccount("alice");
    {
        Transaction inner;
        writeAccount("bob");
    }
    EXPECT_EQ(outer.commit(), ERROR_CANTWRITE);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Accounts"));
}

TEST_F(StoreTest, ScopeOnAMissingStoreCreatesTheFileOnlyWhenItWrites) {
    {
        Transaction empty;
        EXPECT_EQ(empty.status(), ERROR_SUCCESS);
        EXPECT_EQ(empty.commit(), ERROR_SUCCESS);
    }
    EXPECT_FALSE(std::filesystem::exists(path()));
    {
        Transaction writing;
        writeAccount("alice");
        EXPECT_EQ(writing.commit(), ERROR_SUCCESS);
    }
    EXPECT_TRUE(std::filesystem::exists(path()));
    vexor::registry::closeStore();
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Accounts\\alice"));
}

TEST_F(StoreTest, FailedCommitRollsBack) {
    makeStore();
    Transaction transaction;
    writeAccount("alice");
    vexor::registry::testing::failAtOperation(1, ERROR_CANTWRITE); // the COMMIT itself
    EXPECT_EQ(transaction.commit(), ERROR_CANTWRITE);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Accounts"));
    EXPECT_EQ(storedValue(), "kept");
}

TEST_F(StoreTest, WritesOutsideAScopeAreEachAtomic) {
    // Fail each operation of one call that creates three keys in turn: never a partial path.
    for (std::uint64_t k = 1;; ++k) {
        const std::uint64_t start = vexor::registry::testing::operationCount();
        vexor::registry::testing::failAtOperation(k, ERROR_CANTWRITE);
        HKEY key = nullptr;
        const LONG status = RegCreateKeyExA(HKEY_CLASSES_ROOT, "A\\B\\C", 0, nullptr, 0, KEY_ALL_ACCESS,
                                            nullptr, &key, nullptr);
        const bool faultFired = vexor::registry::testing::operationCount() - start >= k;
        vexor::registry::testing::clearFaults();
        if (!faultFired) {
            EXPECT_EQ(status, ERROR_SUCCESS);
            RegCloseKey(key);
            break;
        }
        EXPECT_EQ(status, ERROR_CANTWRITE) << "operation " << k;
        EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "A")) << "operation " << k;
    }
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "A\\B\\C"));
}

// A save deletes a tree and writes it anew in one transaction. From outside that is a change of the
// keys, not their removal: a handle held on them across it stays good, and a key that was not created
// again is gone.
TEST_F(StoreTest, KeysCreatedAgainInTheSameScopeKeepTheirHandles) {
    writeAccount("alice");
    writeAccount("bob");
    HKEY held = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Accounts\\alice", 0, KEY_READ, &held), ERROR_SUCCESS);
    HKEY gone = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Accounts\\bob", 0, KEY_READ, &gone), ERROR_SUCCESS);
    {
        Transaction transaction;
        ASSERT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "Accounts"), static_cast<DWORD>(ERROR_SUCCESS));
        HKEY key = createKey(HKEY_CLASSES_ROOT, "Accounts\\ALICE");
        EXPECT_EQ(setString(key, "Password", "new"), ERROR_SUCCESS);
        RegCloseKey(key);
        EXPECT_EQ(transaction.commit(), ERROR_SUCCESS);
    }
    EXPECT_EQ(readBytes(held, "Password"), std::string("new", 4));
    LONG status = ERROR_SUCCESS;
    readBytes(gone, "Password", nullptr, &status);
    EXPECT_EQ(status, ERROR_KEY_DELETED);
    RegCloseKey(held);
    RegCloseKey(gone);

    // Outside a transaction a deletion is final: a key created later at the same place is another key.
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Accounts\\alice", 0, KEY_READ, &held), ERROR_SUCCESS);
    ASSERT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "Accounts"), static_cast<DWORD>(ERROR_SUCCESS));
    writeAccount("alice");
    readBytes(held, "Password", nullptr, &status);
    EXPECT_EQ(status, ERROR_KEY_DELETED);
    RegCloseKey(held);
}

// Once a write inside has failed, the scope is lost: later writes are refused rather than made, so
// none of them can outlive the rollback.
TEST_F(StoreTest, ADoomedScopeRefusesFurtherWrites) {
    makeStore();
    Transaction transaction;
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Accounts\\alice");
    vexor::registry::testing::failAtOperation(1, ERROR_WRITE_FAULT);
    EXPECT_EQ(setString(key, "Password", "first"), ERROR_WRITE_FAULT);
    EXPECT_EQ(setString(key, "Password", "second"), ERROR_WRITE_FAULT);
    RegCloseKey(key);
    EXPECT_EQ(transaction.commit(), ERROR_WRITE_FAULT);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Accounts"));
}
