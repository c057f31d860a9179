// How the store compares and measures names, and the paths it refuses where Windows would guess.
#include "tests/registry/store_fixture.h"

#include "platform/registry/detail/names.h"

#include <filesystem>

using vexor::registry::detail::foldName;
using vexor::registry::detail::nameLength;

// ASCII and two-byte letters ("Jürgen", "Käse"): the names the conformance and store tests
// find in another case.
TEST(NameFolding, UpperCasesAsciiAndUnicodeButBytesThatAreNotUtf8AsAsciiOnly) {
    const std::pair<const char*, const char*> cases[] = {
        {"\xCF\x83\xCF\x82", "\xCE\xA3\xCE\xA3"}, // σς -> ΣΣ
        {"stra\xC3\x9F\x65", "STRA\xC3\x9F\x45"}, // ß has no one-letter capital
        {"\xF0\x90\x90\xA8", "\xF0\x90\x90\x80"}, // Deseret, beyond the BMP
        {"m\xFCller", "M\xFCLLER"},               // Latin-1 ü stays as it is
        {"a\xC3", "A\xC3"},                       // cut-off sequence
        {"\xC0\xAFx", "\xC0\xAFX"},               // overlong form of '/'
        {"\xED\xA0\x80y", "\xED\xA0\x80Y"},       // surrogate
    };
    for (const auto& [name, folded] : cases)
        EXPECT_EQ(foldName(name), folded) << name;
}

// Two-byte letters count once: the key name limit test below.
TEST(NameLength, CountsCharactersAsWindowsDoes) {
    EXPECT_EQ(nameLength("\xF0\x9F\x98\x80"), 2u) << "outside the BMP: two UTF-16 units";
    EXPECT_EQ(nameLength("\xFC\xFC"), 2u) << "one per byte that is not UTF-8";
}

TEST_F(StoreTest, KeyNameLimitCountsCharactersNotBytes) {
    std::string umlauts;
    for (int i = 0; i < 255; ++i)
        umlauts += "\xC3\xBC";
    createKey(HKEY_CLASSES_ROOT, umlauts); // 510 bytes, 255 characters
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, umlauts));
    for (int attempt = 0; attempt < 2; ++attempt) // a refused path is refused every time it is used
        EXPECT_EQ(createStatus(HKEY_CLASSES_ROOT, umlauts + "\xC3\xBC"), ERROR_INVALID_PARAMETER);
}

TEST_F(StoreTest, EmptyPathComponentsAreRefusedAndCreateNothing) {
    // Windows would drop the doubled and trailing separators; a user name of "" or "x\" would then land
    // on the account store key itself.
    for (const char* path : {"Accounts\\\\alice", "Accounts\\", "Accounts\\alice\\", "\\", "\\\\"}) {
        EXPECT_EQ(createStatus(HKEY_CLASSES_ROOT, path), ERROR_BAD_PATHNAME) << path;
        EXPECT_EQ(openStatus(HKEY_CLASSES_ROOT, path), ERROR_BAD_PATHNAME) << path;
        EXPECT_EQ(deleteTree(HKEY_CLASSES_ROOT, path), ERROR_BAD_PATHNAME) << path;
    }
    EXPECT_FALSE(std::filesystem::exists(path()));
}

TEST_F(StoreTest, NonAsciiValueNamesIgnoreCaseAndKeyNamesSortAfterAscii) {
    ASSERT_EQ(setString(HKEY_CLASSES_ROOT, "K\xC3\xA4se", "x"), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(HKEY_CLASSES_ROOT, "K\xC3\x84SE"), withNul("x"));
    for (const char* name : {"\xC3\x84rger", "Zebra", "apfel"})
        createKey(HKEY_CLASSES_ROOT, name);
    EXPECT_EQ(subkeyNames(HKEY_CLASSES_ROOT), (std::vector<std::string>{"apfel", "Zebra", "\xC3\x84rger"}));
}
