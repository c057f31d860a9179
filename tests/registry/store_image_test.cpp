// The image of the store in memory: when it is read again, what a ReadScope and a transaction see of
// it, and what reaches the file. Whatever the image holds, every call must answer as the file would.
#include "tests/registry/child_process.h"
#include "tests/registry/store_fixture.h"

#include <algorithm>
#include <filesystem>

using vexor::registry::ReadScope;
using vexor::registry::Transaction;

namespace {

// What another program's commit does to the value makeStore() wrote: "new" with its NUL.
const char* const kChangeStoredValue = "UPDATE vals SET data = X'6E657700'";
const char* const kChangeStoredValueBack = "UPDATE vals SET data = X'6B65707400'";

// The last-write time RegEnumKeyExA tells for the first key below HKCR.
std::uint64_t firstKeyWritten() {
    char name[256];
    DWORD size = sizeof name;
    FILETIME written{};
    EXPECT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, 0, name, &size, nullptr, nullptr, nullptr, &written),
              ERROR_SUCCESS);
    return (std::uint64_t(written.dwHighDateTime) << 32) | written.dwLowDateTime;
}

// prefix and three digits, so that the names sort as the numbers do.
std::string numbered(const char* prefix, int number) {
    return prefix + std::to_string(1000 + number).substr(1);
}

} // namespace

TEST_F(StoreTest, AReadScopeSeesOneStateUntilItEndsTheStoreClosesOrAWriteEndsIt) {
    {
        ReadScope view; // on a store not yet created, it creates nothing
        EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Stored"));
        EXPECT_EQ(storedValue(), "<no key>");
    }
    EXPECT_FALSE(std::filesystem::exists(path()));
    makeStore();
    EXPECT_EQ(storedValue(), "kept");
    runSql(path(), kChangeStoredValue);
    EXPECT_EQ(storedValue(), "new") << "without a view every call sees the latest commit";
    runSql(path(), kChangeStoredValueBack);
    {
        ReadScope outer;
        {
            ReadScope inner;
            EXPECT_EQ(storedValue(), "kept");
        }
        runSql(path(), kChangeStoredValue);
        EXPECT_EQ(storedValue(), "kept") << "another program's commit stays out of the view";
        vexor::registry::closeStore();
        EXPECT_EQ(storedValue(), "new") << "closing the store starts a fresh view";
        runSql(path(), kChangeStoredValueBack);
        EXPECT_EQ(storedValue(), "new");
    }
    EXPECT_EQ(storedValue(), "kept");

    // A write needs the file as it is now: it must neither fail for an open view nor be hidden by it;
    // and a view inside a transaction sees the transaction's writes.
    {
        ReadScope view;
        EXPECT_EQ(storedValue(), "kept");
        runSql(path(), kChangeStoredValue);
        writeString(HKEY_CLASSES_ROOT, "Other", "w", "x");
        EXPECT_EQ(storedValue(), "new");
        EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Other"));
    }
    Transaction transaction;
    {
        ReadScope view;
        EXPECT_EQ(setStored("inside"), ERROR_SUCCESS);
        EXPECT_EQ(storedValue(), "inside");
    }
    EXPECT_EQ(transaction.commit(), ERROR_SUCCESS);
    EXPECT_EQ(storedValue(), "inside");
}

// Values are found by name however many a key has, and keep their order through a commit even when
// one goes and comes back.
TEST_F(StoreTest, AValueReadInsideATransactionIsTheLatestOneWrittenAndTheOrderReachesTheFile) {
    makeStore();
    Transaction transaction;
    Key key = openKey(HKEY_CLASSES_ROOT, "Stored");
    EXPECT_EQ(readBytes(key, "v"), withNul("kept"));
    EXPECT_EQ(setString(key, "v", "second"), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(key, "v"), withNul("second"));
    for (int number = 0; number < 40; ++number)
        ASSERT_EQ(setString(key, numbered("w", number).c_str(), numbered("data", number)), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(key, "v"), ERROR_SUCCESS);
    EXPECT_EQ(queryStatus(key, "v"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(setString(key, "V", "back"), ERROR_SUCCESS);
    std::vector<std::string> expected;
    for (int number = 39; number >= 0; --number) {
        EXPECT_EQ(readBytes(key, numbered("w", number).c_str()), withNul(numbered("data", number)));
        expected.insert(expected.begin(), numbered("w", number));
    }
    expected.push_back("V");
    EXPECT_EQ(valueNames(key), expected);
    EXPECT_EQ(transaction.commit(), ERROR_SUCCESS);
    vexor::registry::closeStore();
    key = openKey(HKEY_CLASSES_ROOT, "Stored");
    EXPECT_EQ(valueNames(key), expected);
    EXPECT_EQ(readBytes(key, "v"), withNul("back"));
}

// A key deleted and created again in one transaction starts with no values, however many it had: each
// value it gets then is found by its name where it now stands, not where the old one stood.
TEST_F(StoreTest, AKeyCreatedAgainInATransactionFindsItsNewValuesByName) {
    Transaction transaction;
    for (const char* data : {"old", "new"}) {
        const bool again = data == std::string("new");
        if (again) {
            ASSERT_EQ(deleteTree(HKEY_CLASSES_ROOT, "Many"), ERROR_SUCCESS);
        }
        const Key key = createKey(HKEY_CLASSES_ROOT, "Many");
        for (int i = 0; i < 17; ++i) // more than a key holds before its values get an index
            ASSERT_EQ(setString(key, numbered("w", again ? 16 - i : i).c_str(), numbered(data, again ? 16 - i : i)),
                      ERROR_SUCCESS);
        for (int number = 0; number < 17; ++number)
            EXPECT_EQ(readBytes(key, numbered("w", number).c_str()), withNul(numbered(data, number))) << number;
    }
}

// The time of a change inside a transaction must show inside it, reach the file when the transaction
// commits, and vanish with a rollback. "Timed" is the only key below HKCR.
TEST_F(StoreTest, LastWriteTimesOfATransactionShowInsideItAndReachTheFileOnlyOnCommit) {
    createKey(HKEY_CLASSES_ROOT, "Timed");
    runSql(path(), "UPDATE keys SET written = 1");
    ASSERT_EQ(firstKeyWritten(), 1u);
    {
        Transaction transaction;
        writeString(HKEY_CLASSES_ROOT, "Timed", "v", "x");
    }
    EXPECT_EQ(firstKeyWritten(), 1u) << "rolled back";
    Transaction transaction;
    writeString(HKEY_CLASSES_ROOT, "Timed", "v", "x");
    EXPECT_GT(firstKeyWritten(), 1u);
    ASSERT_EQ(transaction.commit(), ERROR_SUCCESS);
    vexor::registry::closeStore();
    EXPECT_GT(firstKeyWritten(), 1u);
}

// An index counts from the first subkey as it is now: a key another program adds during an
// enumeration, ahead of it or behind it, must neither be hidden by the image read before it came nor
// shift what the next index gives.
TEST_F(StoreTest, AnEnumerationGoingOnSeesKeysAnotherProgramAdded) {
    for (int number = 0; number < 20; ++number)
        createKey(HKEY_CLASSES_ROOT, numbered("B", number));
    std::vector<std::string> names;
    std::string name;
    for (DWORD index = 0; index < 5; ++index) {
        ASSERT_EQ(enumKey(HKEY_CLASSES_ROOT, index, &name), ERROR_SUCCESS);
        names.push_back(name);
    }
    runSql(path(), "INSERT INTO keys(id, parent, name, folded) VALUES (99, 1, CAST('B010x' AS BLOB),"
                   " CAST('B010X' AS BLOB)), (98, 1, CAST('A' AS BLOB), CAST('A' AS BLOB))");
    for (DWORD index = 5; enumKey(HKEY_CLASSES_ROOT, index, &name) == ERROR_SUCCESS; ++index)
        names.push_back(name);
    ASSERT_EQ(names.size(), 22u);
    EXPECT_EQ(names[5], "B004") << "A came ahead: index 5 is B004 again";
    EXPECT_EQ(names[12], "B010x");
}

// Key ids are counted up from where a process's run starts; a forked child must not count on from
// its parent's place, or the parent's next key would collide with the child's.
TEST_F(StoreTest, AForkedChildAndItsParentCreateKeysOfTheirOwn) {
    createKey(HKEY_CLASSES_ROOT, "BeforeFork");
    vexor::registry::closeStore();
    ChildProcess child([](const ChildProcess::Channel&) {
        return createStatus(HKEY_CLASSES_ROOT, "Child") == ERROR_SUCCESS ? 0 : 1;
    });
    ASSERT_EQ(child.join(), 0);
    createKey(HKEY_CLASSES_ROOT, "Parent");
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Child"));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Parent"));
}
