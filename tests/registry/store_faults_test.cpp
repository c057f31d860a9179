// The fault hooks themselves: counting operations and failing the chosen one.
#include "tests/registry/store_fixture.h"

using namespace registry_test;
namespace testing_hooks = vexor::registry::testing;

TEST_F(StoreTest, EveryCallThatTouchesTheDatabaseIsCounted) {
    makeStore();
    const std::uint64_t before = testing_hooks::operationCount();
    EXPECT_EQ(storedValue(), "kept");
    const std::uint64_t afterRead = testing_hooks::operationCount();
    EXPECT_GT(afterRead, before);
    ASSERT_EQ(setString(HKEY_CLASSES_ROOT, "v", "x"), ERROR_SUCCESS);
    EXPECT_GT(testing_hooks::operationCount(), afterRead);
}

TEST_F(StoreTest, FailedOperationFailsItsCallOnceAndChangesNothing) {
    makeStore();
    testing_hooks::failAtOperation(1, ERROR_WRITE_FAULT);
    EXPECT_EQ(setString(HKEY_CLASSES_ROOT, "v", "x"), ERROR_WRITE_FAULT);
    LONG status = 0;
    readBytes(HKEY_CLASSES_ROOT, "v", nullptr, &status);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(setString(HKEY_CLASSES_ROOT, "v", "x"), ERROR_SUCCESS) << "the fault fires once";
}

TEST_F(StoreTest, FailingAnyOperationOfATreeDeletionKeepsTheTree) {
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Tree\\Branch");
    ASSERT_EQ(setString(key, "v", "x"), ERROR_SUCCESS);
    RegCloseKey(key);
    for (std::uint64_t k = 1;; ++k) {
        const std::uint64_t start = testing_hooks::operationCount();
        testing_hooks::failAtOperation(k, ERROR_CANTWRITE);
        const DWORD status = SHDeleteKeyA(HKEY_CLASSES_ROOT, "Tree");
        const bool fired = testing_hooks::operationCount() - start >= k;
        testing_hooks::clearFaults();
        if (!fired) {
            EXPECT_EQ(status, static_cast<DWORD>(ERROR_SUCCESS));
            break;
        }
        EXPECT_EQ(status, static_cast<DWORD>(ERROR_CANTWRITE)) << "operation " << k;
        HKEY branch = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Tree\\Branch", 0, KEY_READ, &branch), ERROR_SUCCESS) << k;
        EXPECT_EQ(readBytes(branch, "v"), std::string("x", 2)) << "operation " << k;
        RegCloseKey(branch);
    }
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Tree"));
}
