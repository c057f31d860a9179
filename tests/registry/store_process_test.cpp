// Two real processes on one store file: what a reader sees during a writer's transaction, writers that
// die inside one, writers that wait for each other, and files created by someone else. (Enumerations
// that meet another program's commit: store_view_test.cpp.)
#include "tests/registry/child_process.h"
#include "tests/registry/store_fixture.h"

using vexor::registry::closeStore;
using vexor::registry::Transaction;

namespace {

// A save as the program makes one: the old account list goes, the new one is written, as one.
int saveAccounts(const ChildProcess::Channel* channel) {
    Transaction transaction;
    SHDeleteKeyA(HKEY_CLASSES_ROOT, "Accounts");
    for (const char* name : {"alice", "bob", "carol"}) {
        setString(createKey(HKEY_CLASSES_ROOT, std::string("Accounts\\") + name), "Password", "new");
    }
    if (channel) {
        channel->tell();
        channel->wait();
    }
    return transaction.commit() == ERROR_SUCCESS ? 0 : 1;
}

void writeOldAccounts() {
    for (const char* name : {"old1", "old2"})
        makeKey(HKEY_CLASSES_ROOT, std::string("Accounts\\") + name);
    closeStore();
}

std::vector<std::string> accountNames() {
    return subkeyNames(openKey(HKEY_CLASSES_ROOT, "Accounts", KEY_READ));
}

const std::vector<std::string> kOldList{"old1", "old2"};
const std::vector<std::string> kNewList{"alice", "bob", "carol"};

} // namespace

TEST_F(StoreTest, WhileAnotherProcessWritesReadersSeeTheStateBeforeAndWritersMayGetBusy) {
    makeStore();
    vexor::registry::testing::setBusyTimeout(0); // for this process's next opening of the store
    ChildProcess holder([](const ChildProcess::Channel& channel) {
        Transaction transaction;
        setStored("held");
        channel.tell();
        channel.wait();
        return transaction.commit() == ERROR_SUCCESS ? 0 : 1;
    });
    ASSERT_TRUE(holder.channel().wait());
    EXPECT_EQ(storedValue(), "kept");
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

TEST_F(StoreTest, WriterKilledInsideATransactionLeavesTheStateBefore) {
    writeOldAccounts();
    ChildProcess writer([](const ChildProcess::Channel& channel) { return saveAccounts(&channel); });
    ASSERT_TRUE(writer.channel().wait());
    EXPECT_EQ(writer.kill9(), -SIGKILL);
    EXPECT_EQ(vexor::registry::checkStore(), ERROR_SUCCESS);
    EXPECT_EQ(accountNames(), kOldList);
}

TEST_F(StoreTest, CrashAtAnyPointOfASaveLeavesTheOldOrTheNewList) {
    writeOldAccounts();
    for (std::uint64_t k = 1;; ++k) {
        ChildProcess writer([k](const ChildProcess::Channel&) {
            vexor::registry::testing::exitAtOperation(k, 99);
            return saveAccounts(nullptr);
        });
        const int exitCode = writer.join();
        EXPECT_EQ(vexor::registry::checkStore(), ERROR_SUCCESS) << "crash at operation " << k;
        const std::vector<std::string> names = accountNames();
        closeStore();
        if (exitCode == 0) {
            EXPECT_EQ(names, kNewList) << "the save completed at operation " << k;
            break;
        }
        ASSERT_EQ(exitCode, 99);
        EXPECT_TRUE(names == kOldList || names == kNewList) << "crash at operation " << k;
    }
}

TEST_F(StoreTest, StoreCreatedByAnotherProcessIsSeen) {
    ChildProcess creator([](const ChildProcess::Channel& channel) {
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
