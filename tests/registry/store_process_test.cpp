// Two real processes on one store file: what a reader sees during a writer's transaction, writers that
// wait for each other, and files created by someone else. (A save killed at any point: the program's
// account-list tests; enumerations that meet another program's commit: store_image_test.cpp.)
#include "tests/registry/child_process.h"
#include "tests/registry/store_fixture.h"

using vexor::registry::Transaction;

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
