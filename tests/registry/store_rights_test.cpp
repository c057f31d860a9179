// Keys marked as refusing full access, and store files this user may not write.
#include "tests/registry/store_fixture.h"

#include <filesystem>

using vexor::registry::setFullAccessDenied;

TEST_F(StoreTest, MarkedKeyOpensOnlyForReadingAndCanNeitherGrowNorBeDeleted) {
    writeString(HKEY_CLASSES_ROOT, "Parent\\Owned\\Inner", "v", "x");
    Key key;
    ASSERT_EQ(setFullAccessDenied(HKEY_CLASSES_ROOT, "parent\\owned", true), ERROR_SUCCESS);

    EXPECT_EQ(openStatus(HKEY_CLASSES_ROOT, "Parent\\Owned", KEY_ALL_ACCESS, key.put()), ERROR_ACCESS_DENIED);
    EXPECT_EQ(static_cast<HKEY>(key), nullptr);
    EXPECT_EQ(createStatus(HKEY_CLASSES_ROOT, "Parent\\Owned"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(createStatus(HKEY_CLASSES_ROOT, "Parent\\Owned\\New"), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Parent\\Owned\\New"));
    ASSERT_EQ(openStatus(HKEY_CLASSES_ROOT, "Parent\\Owned", KEY_READ, key.put()), ERROR_SUCCESS);
    EXPECT_EQ(subkeyNames(key), std::vector<std::string>{"Inner"});
    EXPECT_EQ(openStatus(HKEY_CLASSES_ROOT, "Parent\\Owned\\Inner", KEY_ALL_ACCESS), ERROR_SUCCESS)
        << "the mark is the key's, not its subkeys'";

    EXPECT_EQ(deleteTree(HKEY_CLASSES_ROOT, "Parent\\Owned"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(deleteTree(HKEY_CLASSES_ROOT, "Parent"), ERROR_ACCESS_DENIED)
        << "no half-deleted tree above it";
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Parent\\Owned\\Inner"));
    ASSERT_EQ(setFullAccessDenied(HKEY_CLASSES_ROOT, "Parent\\Owned", false), ERROR_SUCCESS);
    EXPECT_EQ(deleteTree(HKEY_CLASSES_ROOT, "Parent"), ERROR_SUCCESS);
}

TEST_F(StoreTest, MarkingNeedsAnExistingKeyBelowARoot) {
    EXPECT_EQ(setFullAccessDenied(HKEY_CLASSES_ROOT, "Missing", true), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(setFullAccessDenied(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x1234)), "x", true),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(setFullAccessDenied(HKEY_CLASSES_ROOT, "a\\\\b", true), ERROR_BAD_PATHNAME);
    EXPECT_FALSE(std::filesystem::exists(path())) << "a refused mark writes nothing";
}

TEST_F(StoreTest, ReadOnlyStoreRefusesFullAccessAndEveryWrite) {
    makeStore();
    const std::string before = fileBytes(path());
    vexor::registry::testing::pretendStoreNotWritable(true);
    EXPECT_EQ(openStatus(HKEY_CLASSES_ROOT, "Stored", KEY_ALL_ACCESS), ERROR_ACCESS_DENIED);
    EXPECT_NE(vexor::registry::lastStoreError().find(path()), std::string::npos);
    EXPECT_EQ(createStatus(HKEY_CLASSES_ROOT, "Stored"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(createStatus(HKEY_CLASSES_ROOT, "New", KEY_READ), ERROR_ACCESS_DENIED);
    EXPECT_EQ(setString(HKEY_CLASSES_ROOT, "v", "x"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(deleteTree(HKEY_CLASSES_ROOT, "Stored"), ERROR_ACCESS_DENIED);
    {
        vexor::registry::Transaction transaction;
        EXPECT_EQ(transaction.status(), ERROR_ACCESS_DENIED);
    }
    // Reading works as before.
    EXPECT_EQ(vexor::registry::checkStore(), ERROR_SUCCESS);
    EXPECT_EQ(storedValue(), "kept");
    EXPECT_EQ(createStatus(HKEY_CLASSES_ROOT, "Stored", KEY_READ), ERROR_SUCCESS);
    vexor::registry::closeStore();
    EXPECT_EQ(fileBytes(path()), before);
}

TEST_F(StoreTest, UnwritableFolderKeepsAMissingStoreMissing) {
    vexor::registry::testing::pretendStoreNotWritable(true);
    vexor::registry::closeStore();
    EXPECT_EQ(openStatus(HKEY_CLASSES_ROOT, "", KEY_ALL_ACCESS), ERROR_SUCCESS);
    EXPECT_EQ(createStatus(HKEY_CLASSES_ROOT, "New"), ERROR_ACCESS_DENIED);
    EXPECT_NE(vexor::registry::lastStoreError().find(path()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path()));
}
