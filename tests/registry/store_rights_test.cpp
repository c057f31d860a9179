// Keys marked as refusing full access, and store files this user may not write.
#include "tests/registry/store_fixture.h"

#include <filesystem>

using namespace registry_test;
using vexor::registry::closeStore;
using vexor::registry::setFullAccessDenied;

TEST_F(StoreTest, MarkedKeyRefusesFullAccessButOpensForReading) {
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Owned\\Inner");
    ASSERT_EQ(setString(key, "v", "x"), ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(setFullAccessDenied(HKEY_CLASSES_ROOT, "owned", true), ERROR_SUCCESS);

    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Owned", 0, KEY_ALL_ACCESS, &key), ERROR_ACCESS_DENIED);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(
        RegCreateKeyExA(HKEY_CLASSES_ROOT, "Owned", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_ACCESS_DENIED);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Owned", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(subkeyNames(key), std::vector<std::string>{"Inner"});
    RegCloseKey(key);
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Owned\\Inner")) << "the mark is the key's, not its subkeys'";
}

TEST_F(StoreTest, MarkedKeyCanNeitherGrowNorBeDeleted) {
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "Parent\\Owned"));
    ASSERT_EQ(setFullAccessDenied(HKEY_CLASSES_ROOT, "Parent\\Owned", true), ERROR_SUCCESS);

    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, "Parent\\Owned\\New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Parent\\Owned\\New"));
    EXPECT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "Parent\\Owned"), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    // Deleting the tree above it fails as a whole: no half-deleted tree.
    EXPECT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "Parent"), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Parent\\Owned"));

    ASSERT_EQ(setFullAccessDenied(HKEY_CLASSES_ROOT, "Parent\\Owned", false), ERROR_SUCCESS);
    EXPECT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "Parent"), static_cast<DWORD>(ERROR_SUCCESS));
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

    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Stored", 0, KEY_ALL_ACCESS, &key), ERROR_ACCESS_DENIED);
    EXPECT_NE(vexor::registry::lastStoreError().find(path()), std::string::npos);
    EXPECT_EQ(
        RegCreateKeyExA(HKEY_CLASSES_ROOT, "Stored", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, "New", 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(setString(HKEY_CLASSES_ROOT, "v", "x"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "Stored"), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    {
        vexor::registry::Transaction transaction;
        EXPECT_EQ(transaction.status(), ERROR_ACCESS_DENIED);
    }

    // Reading works as before.
    EXPECT_EQ(vexor::registry::checkStore(), ERROR_SUCCESS);
    EXPECT_EQ(storedValue(), "kept");
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, "Stored", 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    closeStore();
    EXPECT_EQ(fileBytes(path()), before);
}

TEST_F(StoreTest, UnwritableFolderKeepsAMissingStoreMissing) {
    vexor::registry::testing::pretendStoreNotWritable(true);
    closeStore();
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    EXPECT_EQ(
        RegCreateKeyExA(HKEY_CLASSES_ROOT, "New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_ACCESS_DENIED);
    EXPECT_NE(vexor::registry::lastStoreError().find(path()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path()));
}
