// How the store compares and measures names, and the paths it refuses where Windows would guess.
#include "tests/registry/store_fixture.h"

#include "platform/registry/detail/text.h"

#include <clocale>
#include <filesystem>

using namespace registry_test;
using vexor::registry::detail::foldName;
using vexor::registry::detail::nameLength;

TEST(NameFolding, UpperCasesAsciiAndUnicode) {
    EXPECT_EQ(foldName("Accounts_2"), "ACCOUNTS_2");
    EXPECT_EQ(foldName("j\xC3\xBCrgen"), "J\xC3\x9CRGEN");       // ü -> Ü
    EXPECT_EQ(foldName("\xCF\x83\xCF\x82"), "\xCE\xA3\xCE\xA3"); // σς -> ΣΣ
    EXPECT_EQ(foldName("stra\xC3\x9F"
                       "e"),
              "STRA\xC3\x9F"
              "E");                                              // ß has no one-letter capital
    EXPECT_EQ(foldName("\xF0\x90\x90\xA8"), "\xF0\x90\x90\x80"); // Deseret, beyond the BMP
}

TEST(NameFolding, BytesThatAreNotUtf8FoldAsAsciiOnly) {
    EXPECT_EQ(foldName("m\xFCller"), "M\xFCLLER"); // Latin-1 ü stays as it is
    EXPECT_EQ(foldName("a\xC3"), "A\xC3");         // cut-off sequence
    EXPECT_EQ(foldName("\xC0\xAF"
                       "x"),
              "\xC0\xAF"
              "X"); // overlong form of '/'
    EXPECT_EQ(foldName("\xED\xA0\x80"
                       "y"),
              "\xED\xA0\x80"
              "Y"); // surrogate
}

TEST(NameFolding, DoesNotDependOnTheProgramsLocale) {
    const std::string before = foldName("\xC3\xA9t\xC3\xA9");
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(foldName("\xC3\xA9t\xC3\xA9"), before);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(before, "\xC3\x89T\xC3\x89");
}

TEST(NameLength, CountsCharactersAsWindowsDoes) {
    EXPECT_EQ(nameLength("abc"), 3u);
    EXPECT_EQ(nameLength("J\xC3\xBCrgen"), 6u);
    EXPECT_EQ(nameLength("\xF0\x9F\x98\x80"), 2u) << "outside the BMP: two UTF-16 units";
    EXPECT_EQ(nameLength("\xFC\xFC"), 2u) << "one per byte that is not UTF-8";
}

TEST_F(StoreTest, KeyNameLimitCountsCharactersNotBytes) {
    std::string umlauts;
    for (int i = 0; i < 255; ++i)
        umlauts += "\xC3\xBC";
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, umlauts)); // 510 bytes, 255 characters
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, umlauts));
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, (umlauts + "\xC3\xBC").c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(StoreTest, EmptyPathComponentsAreRefusedAndCreateNothing) {
    // Windows would drop the doubled and trailing separators; a user name of "" or "x\" would then land
    // on the account store key itself.
    for (const char* path : {"Accounts\\\\alice", "Accounts\\", "Accounts\\alice\\", "\\", "\\\\"}) {
        HKEY key = nullptr;
        EXPECT_EQ(
            RegCreateKeyExA(HKEY_CLASSES_ROOT, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_BAD_PATHNAME)
            << path;
        EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &key), ERROR_BAD_PATHNAME) << path;
        EXPECT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, path), static_cast<DWORD>(ERROR_BAD_PATHNAME)) << path;
    }
    EXPECT_FALSE(std::filesystem::exists(path()));
}

TEST_F(StoreTest, NamesThatAreNotUtf8WorkAndKeepTheirBytes) {
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "M\xFCller"));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "m\xFCLLER"));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "M\xDCLLER")) << "non-UTF-8 bytes compare exactly";
    EXPECT_EQ(subkeyNames(HKEY_CLASSES_ROOT), std::vector<std::string>{"M\xFCller"});
    ASSERT_EQ(setString(HKEY_CLASSES_ROOT, "\xFF\xFE", "x"), ERROR_SUCCESS);
    EXPECT_EQ(valueNames(HKEY_CLASSES_ROOT), std::vector<std::string>{"\xFF\xFE"});
}

TEST_F(StoreTest, NonAsciiNamesAndDataRoundTrip) {
    HKEY key = createKey(HKEY_CLASSES_ROOT, "\xC3\x84rger\\\xCE\xA3");
    ASSERT_EQ(setString(key, "K\xC3\xA4se",
                        "Gr\xC3\xBC\xC3\x9F"
                        "e \xE2\x82\xAC"),
              ERROR_SUCCESS);
    EXPECT_EQ(readBytes(key, "K\xC3\x84SE"), std::string("Gr\xC3\xBC\xC3\x9F"
                                                         "e \xE2\x82\xAC",
                                                         12));
    RegCloseKey(key);
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "\xC3\xA4RGER\\\xCF\x83"));
}

TEST_F(StoreTest, NonAsciiNamesSortAfterAscii) {
    for (const char* name : {"\xC3\x84pfel", "Zebra", "apfel"})
        RegCloseKey(createKey(HKEY_CLASSES_ROOT, name));
    EXPECT_EQ(subkeyNames(HKEY_CLASSES_ROOT), (std::vector<std::string>{"apfel", "Zebra", "\xC3\x84pfel"}));
}

TEST(SameKeyName, ComparesAsTheStoreFindsKeys) {
    using vexor::registry::sameKeyName;
    EXPECT_TRUE(sameKeyName("Administrator", "ADMINISTRATOR"));
    EXPECT_TRUE(sameKeyName("j\xC3\xBCrgen", "J\xC3\x9CRGEN"));
    EXPECT_FALSE(sameKeyName("alice", "alice "));
    EXPECT_FALSE(sameKeyName("m\xFCller", "m\xDCller")) << "bytes that are not UTF-8 compare exactly";
    EXPECT_TRUE(sameKeyName("", ""));
}
