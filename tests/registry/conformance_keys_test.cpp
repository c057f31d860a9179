// Creating, opening and deleting keys: whole paths, name case, name length and malformed paths.
#include "tests/registry/conformance_fixture.h"

using namespace registry_test;

namespace {
HKEY createWithDisposition(HKEY parent, const char* path, DWORD& disposition) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(parent, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &key, &disposition),
              ERROR_SUCCESS);
    return key;
}
} // namespace

TEST_F(Conformance, CreateMakesEveryMissingKeyAndTellsWhetherItWasNew) {
    DWORD disposition = 0;
    HKEY key = createWithDisposition(scratch(), "One\\Two\\Three", disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    RegCloseKey(key);
    EXPECT_TRUE(keyExists(scratch(), "One"));
    EXPECT_TRUE(keyExists(scratch(), "One\\Two"));

    key = createWithDisposition(scratch(), "One\\Two\\Three", disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    RegCloseKey(key);
    key = createWithDisposition(scratch(), "One\\Two\\Four", disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    RegCloseKey(key);
}

TEST_F(Conformance, EmptySubkeyCreatesNothingAndOpensTheKeyItself) {
    DWORD disposition = 0;
    HKEY key = createWithDisposition(scratch(), "", disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    ASSERT_EQ(setString(key, "here", "x"), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(scratch(), "here"), std::string("x", 2));
    RegCloseKey(key);
    EXPECT_TRUE(subkeyNames(scratch()).empty());
}

TEST_F(Conformance, KeyNamesIgnoreCaseAndKeepIt) {
    RegCloseKey(createKey(scratch(), "MixedCase\\Inner"));
    EXPECT_TRUE(keyExists(scratch(), "MIXEDCASE\\inner"));
    EXPECT_TRUE(keyExists(scratch(), "mixedcase\\INNER"));

    DWORD disposition = 0;
    RegCloseKey(createWithDisposition(scratch(), "MIXEDCASE", disposition));
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    EXPECT_EQ(subkeyNames(scratch()), std::vector<std::string>{"MixedCase"});
}

TEST_F(Conformance, AccentedKeyNamesIgnoreCase) {
    RegCloseKey(createKey(scratch(), "J\xC3\xBCrgen")); // "Jürgen" in UTF-8
    EXPECT_TRUE(keyExists(scratch(), "J\xC3\x9CRGEN")); // "JÜRGEN"
    EXPECT_EQ(subkeyNames(scratch()), std::vector<std::string>{"J\xC3\xBCrgen"});
}

TEST_F(Conformance, KeyNameOf255CharactersIsTheLongestAllowed) {
    const std::string longest(255, 'k');
    RegCloseKey(createKey(scratch(), longest));
    EXPECT_TRUE(keyExists(scratch(), longest));

    const std::string tooLong(256, 'k');
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(scratch(), ("Parent\\" + tooLong).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(keyExists(scratch(), "Parent")) << "nothing of a refused path is created";
    EXPECT_EQ(RegOpenKeyExA(scratch(), tooLong.c_str(), 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

TEST_F(Conformance, LeadingBackslashIsABadPath) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(scratch(), "\\Lead", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_BAD_PATHNAME);
    EXPECT_EQ(RegOpenKeyExA(scratch(), "\\Lead", 0, KEY_READ, &key), ERROR_BAD_PATHNAME);
    EXPECT_FALSE(keyExists(scratch(), "Lead"));
}

TEST_F(Conformance, DeletingATreeRemovesEverythingBelowAndNothingBeside) {
    HKEY deep = createKey(scratch(), "Tree\\Branch\\Leaf");
    ASSERT_EQ(setString(deep, "v", "x"), ERROR_SUCCESS);
    RegCloseKey(deep);
    RegCloseKey(createKey(scratch(), "TreeHouse"));
    RegCloseKey(createKey(scratch(), "Tree_Sibling"));

    EXPECT_EQ(SHDeleteKeyA(scratch(), "tree"), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_FALSE(keyExists(scratch(), "Tree"));
    EXPECT_FALSE(keyExists(scratch(), "Tree\\Branch\\Leaf"));
    EXPECT_EQ(subkeyNames(scratch()), (std::vector<std::string>{"TreeHouse", "Tree_Sibling"}));
}

TEST_F(Conformance, DeletingAMissingTreeIsFileNotFound) {
    EXPECT_EQ(SHDeleteKeyA(scratch(), "Nothing"), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(SHDeleteKeyA(scratch(), "Nothing\\Below"), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(Conformance, DeletingAPathRemovesOnlyItsLastKey) {
    RegCloseKey(createKey(scratch(), "Keep\\Drop\\Below"));
    EXPECT_EQ(SHDeleteKeyA(scratch(), "Keep\\Drop"), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_TRUE(keyExists(scratch(), "Keep"));
    EXPECT_FALSE(keyExists(scratch(), "Keep\\Drop"));
}
