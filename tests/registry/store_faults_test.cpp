// Single calls that write several rows: a failure at any of their operations fails the call and leaves
// the store as it was.
#include "tests/registry/store_fixture.h"

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
