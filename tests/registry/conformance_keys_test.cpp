// Creating, opening and deleting keys: whole paths, name case, name length and malformed paths.
#include "tests/registry/conformance_fixture.h"

namespace {
// What RegCreateKeyExA tells about parent\path: new or opened.
DWORD disposition(HKEY parent, const char* path) {
    DWORD result = 0;
    EXPECT_EQ(createStatus(parent, path, KEY_ALL_ACCESS, nullptr, &result), ERROR_SUCCESS) << path;
    return result;
}
} // namespace

TEST_F(Conformance, CreateMakesEveryMissingKeyAndTellsWhetherItWasNew) {
    EXPECT_EQ(disposition(scratch(), "One\\Two\\Three"), static_cast<DWORD>(REG_CREATED_NEW_KEY));
    EXPECT_TRUE(keyExists(scratch(), "One"));
    EXPECT_TRUE(keyExists(scratch(), "One\\Two"));
    EXPECT_EQ(disposition(scratch(), "One\\Two\\Three"), static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    EXPECT_EQ(disposition(scratch(), "One\\Two\\Four"), static_cast<DWORD>(REG_CREATED_NEW_KEY));
}

TEST_F(Conformance, EmptySubkeyCreatesNothingAndOpensTheKeyItself) {
    Key key;
    DWORD result = 0;
    ASSERT_EQ(createStatus(scratch(), "", KEY_ALL_ACCESS, key.put(), &result), ERROR_SUCCESS);
    EXPECT_EQ(result, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    ASSERT_EQ(setString(key, "here", "x"), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(scratch(), "here"), withNul("x"));
    EXPECT_TRUE(subkeyNames(scratch()).empty());
}

TEST_F(Conformance, KeyNamesIgnoreCaseAndKeepIt) {
    createKey(scratch(), "MixedCase\\Inner");
    EXPECT_TRUE(keyExists(scratch(), "MIXEDCASE\\inner"));
    EXPECT_TRUE(keyExists(scratch(), "mixedcase\\INNER"));
    EXPECT_EQ(disposition(scratch(), "MIXEDCASE"), static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    createKey(scratch(), "J\xC3\xBCrgen");              // "Jürgen" in UTF-8
    EXPECT_TRUE(keyExists(scratch(), "J\xC3\x9CRGEN")); // "JÜRGEN"
    EXPECT_EQ(subkeyNames(scratch()), (std::vector<std::string>{"J\xC3\xBCrgen", "MixedCase"}));
}

TEST_F(Conformance, OverlongAndMalformedPathsAreRefusedAndCreateNothing) {
    const std::string longest(255, 'k');
    createKey(scratch(), longest);
    EXPECT_TRUE(keyExists(scratch(), longest));
    const std::string tooLong(256, 'k');
    EXPECT_EQ(createStatus(scratch(), "Parent\\" + tooLong), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(keyExists(scratch(), "Parent")) << "nothing of a refused path is created";
    EXPECT_EQ(openStatus(scratch(), tooLong.c_str()), ERROR_FILE_NOT_FOUND);

    EXPECT_EQ(createStatus(scratch(), "\\Lead"), ERROR_BAD_PATHNAME);
    EXPECT_EQ(openStatus(scratch(), "\\Lead"), ERROR_BAD_PATHNAME);
    EXPECT_FALSE(keyExists(scratch(), "Lead"));
}

TEST_F(Conformance, DeletingATreeRemovesItsLastKeyWithEverythingBelowAndNothingBeside) {
    writeString(scratch(), "Tree\\Branch\\Leaf", "v", "x");
    createKey(scratch(), "TreeHouse");
    createKey(scratch(), "Tree_Sibling");
    EXPECT_EQ(deleteTree(scratch(), "tree\\branch"), ERROR_SUCCESS);
    EXPECT_TRUE(keyExists(scratch(), "Tree"));
    EXPECT_FALSE(keyExists(scratch(), "Tree\\Branch"));
    EXPECT_EQ(deleteTree(scratch(), "tree"), ERROR_SUCCESS);
    EXPECT_FALSE(keyExists(scratch(), "Tree"));
    EXPECT_FALSE(keyExists(scratch(), "Tree\\Branch\\Leaf"));
    EXPECT_EQ(subkeyNames(scratch()), (std::vector<std::string>{"TreeHouse", "Tree_Sibling"}));

    EXPECT_EQ(deleteTree(scratch(), "Nothing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(deleteTree(scratch(), "Nothing\\Below"), ERROR_FILE_NOT_FOUND);
}
