// Reads grouped into one view of the store, and what the store keeps in memory while a view or a
// write holds the file: whatever it keeps, every call must answer as the file itself would.
#include "tests/registry/child_process.h"
#include "tests/registry/store_fixture.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

using namespace registry_test;
using vexor::registry::ReadScope;
using vexor::registry::Transaction;

namespace {

// What another program's commit does to the value makeStore() wrote: "new" with its NUL.
const char* const kChangeStoredValue = "UPDATE vals SET data = X'6E657700'";

HKEY openFull(const std::string& path) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS) << path;
    return key;
}

// The last-write time RegEnumKeyExA tells for HKCR\name; 0 when it is not there.
std::uint64_t writtenTime(const std::string& name) {
    for (DWORD index = 0;; ++index) {
        char found[256];
        DWORD size = sizeof found;
        FILETIME written{};
        if (RegEnumKeyExA(HKEY_CLASSES_ROOT, index, found, &size, nullptr, nullptr, nullptr, &written) !=
            ERROR_SUCCESS)
            return 0;
        if (name == found)
            return (std::uint64_t(written.dwHighDateTime) << 32) | written.dwLowDateTime;
    }
}

std::string numbered(const char* prefix, int number) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%03d", prefix, number);
    return name;
}

} // namespace

TEST_F(StoreTest, AReadScopeSeesOneStateUntilItEnds) {
    makeStore();
    {
        ReadScope view;
        EXPECT_EQ(storedValue(), "kept");
        runSql(path(), kChangeStoredValue);
        EXPECT_EQ(storedValue(), "kept") << "another program's commit stays out of the view";
    }
    EXPECT_EQ(storedValue(), "new");
}

TEST_F(StoreTest, WithoutAReadScopeEveryCallSeesTheLatestCommit) {
    makeStore();
    EXPECT_EQ(storedValue(), "kept");
    runSql(path(), kChangeStoredValue);
    EXPECT_EQ(storedValue(), "new");
}

TEST_F(StoreTest, ReadScopesNestAndOnlyTheOutermostEndsTheView) {
    makeStore();
    ReadScope outer;
    {
        ReadScope inner;
        EXPECT_EQ(storedValue(), "kept");
    }
    runSql(path(), kChangeStoredValue);
    EXPECT_EQ(storedValue(), "kept");
}

// The write needs the file as it is now: it must neither fail for the open view nor be hidden by it.
TEST_F(StoreTest, AWriteInsideAReadScopeSucceedsAndEndsTheView) {
    makeStore();
    ReadScope view;
    EXPECT_EQ(storedValue(), "kept");
    runSql(path(), kChangeStoredValue);
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Other");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(setString(key, "w", "x"), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(storedValue(), "new");
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Other"));
}

TEST_F(StoreTest, AReadScopeInsideATransactionSeesTheTransactionsWrites) {
    makeStore();
    Transaction transaction;
    {
        ReadScope view;
        HKEY key = openFull("Stored");
        EXPECT_EQ(setString(key, "v", "inside"), ERROR_SUCCESS);
        RegCloseKey(key);
        EXPECT_EQ(storedValue(), "inside");
    }
    EXPECT_EQ(transaction.commit(), ERROR_SUCCESS);
    EXPECT_EQ(storedValue(), "inside");
}

TEST_F(StoreTest, AReadScopeOnAStoreNotYetCreatedCreatesNothing) {
    {
        ReadScope view;
        EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Stored"));
        EXPECT_EQ(storedValue(), "<no key>");
    }
    EXPECT_FALSE(std::filesystem::exists(path()));
}

TEST_F(StoreTest, ClosingTheStoreInsideAReadScopeStartsAFreshView) {
    makeStore();
    ReadScope view;
    EXPECT_EQ(storedValue(), "kept");
    vexor::registry::closeStore();
    runSql(path(), kChangeStoredValue);
    EXPECT_EQ(storedValue(), "new");
}

// Inside a transaction the store remembers which keys it found; what the transaction deletes and
// creates again must show at once.
TEST_F(StoreTest, ATransactionSeesItsOwnDeletionsAndRecreations) {
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "Tree\\Branch"));
    Transaction transaction;
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Tree\\Branch"));
    ASSERT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "Tree"), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Tree\\Branch"));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Tree"));
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Tree\\Branch\\Leaf");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(setString(key, "v", "x"), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Tree\\Branch\\Leaf"));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Tree\\Other")) << "a new key has no other children";
    ASSERT_EQ(transaction.commit(), ERROR_SUCCESS);
    key = openFull("Tree\\Branch\\Leaf");
    EXPECT_EQ(readBytes(key, "v"), std::string("x", 2));
    RegCloseKey(key);
}

TEST_F(StoreTest, KeysOfARolledBackTransactionAreGoneAndCanBeCreatedAgain) {
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "Kept"));
    {
        Transaction transaction;
        RegCloseKey(createKey(HKEY_CLASSES_ROOT, "Gone\\Child"));
        EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Gone\\Child"));
    }
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Gone"));
    {
        Transaction transaction;
        EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Gone\\Child"));
        HKEY key = createKey(HKEY_CLASSES_ROOT, "Gone\\Child");
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(setString(key, "v", "x"), ERROR_SUCCESS);
        RegCloseKey(key);
        EXPECT_EQ(transaction.commit(), ERROR_SUCCESS);
    }
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Gone\\Child"));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Kept"));
}

TEST_F(StoreTest, AValueReadInsideATransactionIsTheLatestOneWritten) {
    makeStore();
    Transaction transaction;
    HKEY key = openFull("Stored");
    EXPECT_EQ(readBytes(key, "v"), std::string("kept", 5));
    EXPECT_EQ(setString(key, "v", "second"), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(key, "v"), std::string("second", 7));
    EXPECT_EQ(setString(key, "w", "added"), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(key, "w"), std::string("added", 6));
    EXPECT_EQ(RegDeleteValueA(key, "v"), ERROR_SUCCESS);
    LONG status = ERROR_SUCCESS;
    readBytes(key, "v", nullptr, &status);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(valueNames(key), std::vector<std::string>{"w"});
    RegCloseKey(key);
    EXPECT_EQ(transaction.commit(), ERROR_SUCCESS);
}

// Keys with many values are read one value at a time rather than all at once; both ways must agree.
TEST_F(StoreTest, EveryValueOfAKeyWithManyValuesReadsBackInAReadScope) {
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Many");
    for (int number = 0; number < 40; ++number)
        ASSERT_EQ(setString(key, numbered("v", number).c_str(), numbered("data", number)), ERROR_SUCCESS);
    RegCloseKey(key);
    ReadScope view;
    key = openFull("Many");
    for (int number = 39; number >= 0; --number) {
        const std::string data = numbered("data", number);
        EXPECT_EQ(readBytes(key, numbered("v", number).c_str()), std::string(data.c_str(), data.size() + 1));
    }
    LONG status = ERROR_SUCCESS;
    readBytes(key, "v040", nullptr, &status);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(StoreTest, AValueTooLargeToKeepReadsBackWholeInAReadScope) {
    const std::string large(100 * 1024, 'L');
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Large");
    ASSERT_EQ(setString(key, "small", "s"), ERROR_SUCCESS);
    ASSERT_EQ(setBytes(key, "large", REG_BINARY, large), ERROR_SUCCESS);
    RegCloseKey(key);
    ReadScope view;
    key = openFull("Large");
    EXPECT_EQ(readBytes(key, "small"), std::string("s", 2));
    EXPECT_EQ(readBytes(key, "large"), large);
    EXPECT_EQ(readBytes(key, "small"), std::string("s", 2));
    RegCloseKey(key);
}

// The time of a change inside a transaction is written once, at the end: it must reach the file when
// the transaction commits, show inside it, and vanish with a rollback.
TEST_F(StoreTest, LastWriteTimesOfATransactionShowInsideItAndReachTheFileOnlyOnCommit) {
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "Timed"));
    runSql(path(), "UPDATE keys SET written = 1");
    ASSERT_EQ(writtenTime("Timed"), 1u);
    {
        Transaction transaction;
        HKEY key = createKey(HKEY_CLASSES_ROOT, "Timed");
        EXPECT_EQ(setString(key, "v", "x"), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    EXPECT_EQ(writtenTime("Timed"), 1u) << "rolled back";
    Transaction transaction;
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Timed");
    EXPECT_EQ(setString(key, "v", "x"), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_GT(writtenTime("Timed"), 1u);
    ASSERT_EQ(transaction.commit(), ERROR_SUCCESS);
    vexor::registry::closeStore();
    EXPECT_GT(writtenTime("Timed"), 1u);
}

TEST_F(StoreTest, EnumerationsLongerThanABatchListEveryKeyInOrder) {
    {
        Transaction transaction;
        for (int number = 149; number >= 0; --number)
            RegCloseKey(createKey(HKEY_CLASSES_ROOT, numbered("K", number)));
        ASSERT_EQ(transaction.commit(), ERROR_SUCCESS);
    }
    std::vector<std::string> expected;
    for (int number = 0; number < 150; ++number)
        expected.push_back(numbered("K", number));
    EXPECT_EQ(subkeyNames(HKEY_CLASSES_ROOT), expected);
    ReadScope view;
    EXPECT_EQ(subkeyNames(HKEY_CLASSES_ROOT), expected);
    for (const std::string& name : expected)
        EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, name)) << name;
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "K150"));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "K0"));
}

TEST_F(StoreTest, InsideAViewEveryKeyIsFoundNotOnlyThoseLookedUpBefore) {
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "Tree\\One"));
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "Tree\\Two"));
    ReadScope view;
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Tree\\Three"));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Tree\\One"));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "tree\\two")) << "found without regard to case";
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Tree\\Three"));
}

// Subkeys are fetched ahead; a key another program adds among them must not be hidden by what was
// fetched before it came.
TEST_F(StoreTest, AnEnumerationGoingOnSeesAKeyAnotherProgramAddedAhead) {
    for (int number = 0; number < 20; ++number)
        RegCloseKey(createKey(HKEY_CLASSES_ROOT, numbered("B", number)));
    std::vector<std::string> names;
    char name[256];
    for (DWORD index = 0; index < 5; ++index) {
        DWORD size = sizeof name;
        ASSERT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, index, name, &size, nullptr, nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
        names.emplace_back(name, size);
    }
    runSql(path(), "INSERT INTO keys(id, parent, name, folded) VALUES (99, 1, CAST('B010x' AS BLOB),"
                   " CAST('B010X' AS BLOB))");
    for (DWORD index = 5;; ++index) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(HKEY_CLASSES_ROOT, index, name, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, size);
    }
    EXPECT_EQ(names.size(), 21u);
    EXPECT_NE(std::find(names.begin(), names.end(), "B010x"), names.end());
}

// Key ids are counted up from where a process's run starts; a forked child must not count on from
// its parent's place, or the parent's next key would collide with the child's.
TEST_F(StoreTest, AForkedChildAndItsParentCreateKeysOfTheirOwn) {
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "BeforeFork"));
    vexor::registry::closeStore();
    ChildProcess child([](const ChildProcess::Channel&) {
        HKEY key = nullptr;
        const LONG status = RegCreateKeyExA(HKEY_CLASSES_ROOT, "Child", 0, nullptr, REG_OPTION_NON_VOLATILE,
                                            KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegCloseKey(key);
        return status == ERROR_SUCCESS ? 0 : 1;
    });
    ASSERT_EQ(child.join(), 0);
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Parent");
    EXPECT_NE(key, nullptr);
    RegCloseKey(key);
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Child"));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Parent"));
}

// Paths used again and again are split only once; what a path gave the first time, refusal included,
// it must give every time.
TEST_F(StoreTest, APathGivesTheSameAnswerEveryTimeItIsUsed) {
    const std::string tooLong = "A\\" + std::string(256, 'x');
    HKEY key = nullptr;
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, "A\\\\B", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_BAD_PATHNAME);
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, tooLong.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr),
                  ERROR_INVALID_PARAMETER);
    for (int attempt = 0; attempt < 3; ++attempt)
        EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "A\\B", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "A"));
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "A\\B"));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "a\\b"));
}
