// Two real processes on one store file: what a reader sees during a writer's transaction, writers that
// die inside one, writers that wait for each other, and files created by someone else.
#include "tests/registry/child_process.h"
#include "tests/registry/store_fixture.h"

using namespace registry_test;
using vexor::registry::closeStore;
using vexor::registry::Transaction;

namespace {

LONG setStored(const char* value) {
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(HKEY_CLASSES_ROOT, "Stored", 0, KEY_ALL_ACCESS, &key);
    if (status == ERROR_SUCCESS)
        status = setString(key, "v", value);
    RegCloseKey(key);
    return status;
}

// A save as the program makes one: the old account list goes, the new one is written, as one.
int saveAccounts(const ChildProcess::Channel* channel) {
    Transaction transaction;
    SHDeleteKeyA(HKEY_CLASSES_ROOT, "Accounts");
    for (const char* name : {"alice", "bob", "carol"}) {
        HKEY key = createKey(HKEY_CLASSES_ROOT, std::string("Accounts\\") + name);
        setString(key, "Password", "new");
        RegCloseKey(key);
    }
    if (channel) {
        channel->tell();
        channel->wait();
    }
    return transaction.commit() == ERROR_SUCCESS ? 0 : 1;
}

void writeOldAccounts() {
    for (const char* name : {"old1", "old2"})
        RegCloseKey(createKey(HKEY_CLASSES_ROOT, std::string("Accounts\\") + name));
    closeStore();
}

} // namespace

TEST_F(StoreTest, ReaderSeesTheStateBeforeAnOpenTransaction) {
    makeStore();
    ChildProcess writer([](const ChildProcess::Channel& channel) {
        Transaction transaction;
        setStored("changed");
        channel.tell();
        channel.wait();
        return transaction.commit() == ERROR_SUCCESS ? 0 : 1;
    });
    ASSERT_TRUE(writer.channel().wait());
    EXPECT_EQ(storedValue(), "kept");
    writer.channel().tell();
    EXPECT_EQ(writer.join(), 0);
    EXPECT_EQ(storedValue(), "changed");
}

TEST_F(StoreTest, WriterKilledInsideATransactionLeavesTheStateBefore) {
    writeOldAccounts();
    ChildProcess writer([](const ChildProcess::Channel& channel) { return saveAccounts(&channel); });
    ASSERT_TRUE(writer.channel().wait());
    EXPECT_EQ(writer.kill9(), -SIGKILL);

    EXPECT_EQ(vexor::registry::checkStore(), ERROR_SUCCESS);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Accounts", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(subkeyNames(key), (std::vector<std::string>{"old1", "old2"}));
    RegCloseKey(key);
}

TEST_F(StoreTest, CrashAtAnyPointOfASaveLeavesTheOldOrTheNewList) {
    writeOldAccounts();
    const std::vector<std::string> oldList{"old1", "old2"};
    const std::vector<std::string> newList{"alice", "bob", "carol"};
    for (std::uint64_t k = 1;; ++k) {
        ChildProcess writer([k](const ChildProcess::Channel&) {
            vexor::registry::testing::exitAtOperation(k, 99);
            return saveAccounts(nullptr);
        });
        const int exitCode = writer.join();
        EXPECT_EQ(vexor::registry::checkStore(), ERROR_SUCCESS) << "crash at operation " << k;
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Accounts", 0, KEY_READ, &key), ERROR_SUCCESS);
        const std::vector<std::string> names = subkeyNames(key);
        RegCloseKey(key);
        closeStore();
        if (exitCode == 0) {
            EXPECT_EQ(names, newList) << "the save completed at operation " << k;
            break;
        }
        ASSERT_EQ(exitCode, 99);
        EXPECT_TRUE(names == oldList || names == newList) << "crash at operation " << k;
    }
}

TEST_F(StoreTest, WriterThatCannotGetTheLockInTimeGetsErrorBusy) {
    makeStore();
    ChildProcess holder([](const ChildProcess::Channel& channel) {
        Transaction transaction;
        setStored("held");
        channel.tell();
        channel.wait();
        return transaction.commit() == ERROR_SUCCESS ? 0 : 1;
    });
    ASSERT_TRUE(holder.channel().wait());
    vexor::registry::testing::setBusyTimeout(0);
    EXPECT_EQ(setStored("mine"), ERROR_BUSY);
    EXPECT_NE(vexor::registry::lastStoreError().find(path()), std::string::npos);
    {
        Transaction transaction;
        EXPECT_EQ(transaction.status(), ERROR_BUSY);
    }
    EXPECT_EQ(storedValue(), "kept") << "reading still works";
    holder.channel().tell();
    EXPECT_EQ(holder.join(), 0);
    EXPECT_EQ(storedValue(), "held");
}

TEST_F(StoreTest, StoreCreatedByAnotherProcessIsSeen) {
    ChildProcess creator([this](const ChildProcess::Channel& channel) {
        channel.wait();
        makeStore();
        channel.tell();
        return 0;
    });
    EXPECT_EQ(storedValue(), "<no key>"); // read while there is no file yet
    creator.channel().tell();
    ASSERT_TRUE(creator.channel().wait());
    EXPECT_EQ(storedValue(), "kept");
    EXPECT_EQ(creator.join(), 0);
}

TEST_F(StoreTest, EnumerationNoticesCommitsOfOtherProcesses) {
    for (const char* name : {"b", "d"})
        RegCloseKey(createKey(HKEY_CLASSES_ROOT, name));
    closeStore();
    ChildProcess other([](const ChildProcess::Channel& channel) {
        channel.wait();
        RegCloseKey(createKey(HKEY_CLASSES_ROOT, "a"));
        closeStore();
        channel.tell();
        return 0;
    });
    char name[16];
    DWORD size = sizeof name;
    ASSERT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    size = sizeof name;
    ASSERT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, 1, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_STREQ(name, "d");
    other.channel().tell();
    ASSERT_TRUE(other.channel().wait());
    // Now a, b, d: index 2 is d again, not whatever follows the remembered position.
    size = sizeof name;
    ASSERT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, 2, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_STREQ(name, "d");
    EXPECT_EQ(other.join(), 0);
}
