// The fault hooks themselves, and single calls that write several rows: a failure at any of their
// operations leaves the store as it was.
#include "tests/registry/store_fixture.h"

namespace testing_hooks = vexor::registry::testing;

TEST_F(StoreTest, EveryCallIsCountedAndAFailedOperationFailsItsCallOnce) {
    makeStore();
    const std::uint64_t before = testing_hooks::operationCount();
    EXPECT_EQ(storedValue(), "kept");
    const std::uint64_t afterRead = testing_hooks::operationCount();
    EXPECT_GT(afterRead, before);
    ASSERT_EQ(setString(HKEY_CLASSES_ROOT, "v", "x"), ERROR_SUCCESS);
    EXPECT_GT(testing_hooks::operationCount(), afterRead);
    testing_hooks::failAtOperation(1, ERROR_WRITE_FAULT);
    EXPECT_EQ(setString(HKEY_CLASSES_ROOT, "w", "x"), ERROR_WRITE_FAULT);
    EXPECT_EQ(queryStatus(HKEY_CLASSES_ROOT, "w"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(setString(HKEY_CLASSES_ROOT, "w", "x"), ERROR_SUCCESS) << "the fault fires once";
}

TEST_F(StoreTest, FailingAnyOperationOfATreeDeletionKeepsTheTree) {
    writeString(HKEY_CLASSES_ROOT, "Tree\\Branch", "v", "x");
    auto treeIsWhole = [](LONG answer, std::uint64_t k) {
        EXPECT_EQ(answer, ERROR_CANTWRITE) << "operation " << k;
        EXPECT_EQ(readBytes(openKey(HKEY_CLASSES_ROOT, "Tree\\Branch", KEY_READ), "v"), withNul("x")) << k;
    };
    auto deletion = [] { return deleteTree(HKEY_CLASSES_ROOT, "Tree"); };
    EXPECT_EQ(failEachOperation(deletion, ERROR_CANTWRITE, treeIsWhole), ERROR_SUCCESS);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Tree"));
}

TEST_F(StoreTest, FailingAnyOperationOfCreatingAPathLeavesNoPartOfIt) {
    auto nothingCreated = [](LONG answer, std::uint64_t k) {
        EXPECT_EQ(answer, ERROR_CANTWRITE) << "operation " << k;
        EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "A")) << "operation " << k;
    };
    auto creation = [] { return createStatus(HKEY_CLASSES_ROOT, "A\\B\\C"); };
    EXPECT_EQ(failEachOperation(creation, ERROR_CANTWRITE, nothingCreated), ERROR_SUCCESS);
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "A\\B\\C"));
}
