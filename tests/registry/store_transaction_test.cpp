// Transaction scopes within one process: commit, rollback, failures inside, nesting.
#include "tests/registry/store_fixture.h"

using vexor::registry::Transaction;

namespace {
void writeAccount(const char* name) {
    writeString(HKEY_CLASSES_ROOT, std::string("Accounts\\") + name, "Password", "secret");
}
} // namespace

TEST_F(StoreTest, ScopeEndingWithoutCommitLeavesNothing) {
    makeStore();
    HKEY created = nullptr;
    {
        Transaction transaction;
        writeAccount("alice");
        ASSERT_EQ(deleteTree(HKEY_CLASSES_ROOT, "Stored"), ERROR_SUCCESS);
        created = createKey(HKEY_CLASSES_ROOT, "Created").release();
    }
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Accounts"));
    EXPECT_EQ(storedValue(), "kept");
    EXPECT_EQ(setString(created, "v", "x"), ERROR_KEY_DELETED) << "its key was never committed";
    RegCloseKey(created);
}

// Once a write inside has failed, the scope is lost: later writes are refused rather than made, so
// none of them can outlive the rollback. (A write that fails with a fault, and a failing COMMIT: the
// program's save, failed at each of its operations, leaves the old list and tells the first fault.)
TEST_F(StoreTest, AFailedWriteDoomsTheWholeScope) {
    makeStore();
    {
        Transaction transaction;
        writeAccount("alice");
        EXPECT_EQ(createStatus(HKEY_CLASSES_ROOT, "Accounts\\" + std::string(256, 'x')),
                  ERROR_INVALID_PARAMETER);
        EXPECT_EQ(createStatus(HKEY_CLASSES_ROOT, "Accounts\\bob"), ERROR_INVALID_PARAMETER);
        EXPECT_EQ(transaction.commit(), ERROR_INVALID_PARAMETER);
    }
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Accounts"));
    EXPECT_EQ(storedValue(), "kept");
}

TEST_F(StoreTest, InnerScopesJoinTheOuterOneAndOneEndingWithoutCommitSpoilsIt) {
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

    Transaction outer;
    writeAccount("alice");
    {
        Transaction inner;
        writeAccount("bob");
    }
    EXPECT_EQ(outer.commit(), ERROR_CANTWRITE);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Accounts"));
}

// A save deletes a tree and writes it anew in one transaction. From outside that is a change of the
// keys, not their removal: a handle held on them across it stays good, and a key that was not created
// again is gone.
TEST_F(StoreTest, KeysCreatedAgainInTheSameScopeKeepTheirHandles) {
    writeAccount("alice");
    writeAccount("bob");
    const Key held = openKey(HKEY_CLASSES_ROOT, "Accounts\\alice", KEY_READ);
    const Key gone = openKey(HKEY_CLASSES_ROOT, "Accounts\\bob", KEY_READ);
    {
        Transaction transaction;
        ASSERT_EQ(deleteTree(HKEY_CLASSES_ROOT, "Accounts"), ERROR_SUCCESS);
        writeString(HKEY_CLASSES_ROOT, "Accounts\\ALICE", "Password", "new");
        EXPECT_EQ(transaction.commit(), ERROR_SUCCESS);
        EXPECT_EQ(transaction.commit(), ERROR_SUCCESS) << "a second commit tells the first one's result";
    }
    EXPECT_EQ(readBytes(held, "Password"), withNul("new"));
    EXPECT_EQ(queryStatus(gone, "Password"), ERROR_KEY_DELETED);
}

// A save deletes the account store and writes every account again; only what differs from the store
// reaches the file: nothing when nothing changed, one value (and its key's last-write time) when one
// password changed.
TEST_F(StoreTest, ASaveWritesOnlyWhatChanged) {
    using vexor::registry::testing::rowsWrittenByLastCommit;
    auto save = [](const char* bobsPassword) {
        Transaction transaction;
        deleteTree(HKEY_CLASSES_ROOT, "Accounts");
        for (const char* name : {"alice", "bob", "carol"}) {
            const Key key = createKey(HKEY_CLASSES_ROOT, std::string("Accounts\\") + name);
            const DWORD enable = 1;
            setBytes(key, "Enable Login", REG_DWORD, std::string(reinterpret_cast<const char*>(&enable), 4));
            for (const char* value : {"Group", "Password", "Offset"})
                setString(key, value, std::string(name) == "bob" && std::string(value) == "Password" ? bobsPassword : "x");
        }
        return transaction.commit();
    };
    ASSERT_EQ(save("old"), ERROR_SUCCESS);
    EXPECT_EQ(rowsWrittenByLastCommit(), 1u + 3u * 5u) << "the store key, three keys of four values";
    ASSERT_EQ(save("old"), ERROR_SUCCESS);
    EXPECT_EQ(rowsWrittenByLastCommit(), 0u);
    ASSERT_EQ(save("new"), ERROR_SUCCESS);
    EXPECT_EQ(rowsWrittenByLastCommit(), 2u) << "the password and bob's last-write time";
    vexor::registry::closeStore();
    const Key bob = openKey(HKEY_CLASSES_ROOT, "Accounts\\bob", KEY_READ);
    EXPECT_EQ(readBytes(bob, "Password"), withNul("new"));
    EXPECT_EQ(valueNames(bob), (std::vector<std::string>{"Enable Login", "Group", "Password", "Offset"}));
}
