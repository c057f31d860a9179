// The accounts key: the machine's people as the value names of
// HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\DocFolderPaths.
#include "tests/registry/store_fixture.h"

#include "platform/registry/detail/passwd_accounts.h"

#include <filesystem>
#include <sstream>

using namespace registry_test;
using vexor::registry::setAccountSource;

namespace {

constexpr const char* kAccountsPath =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DocFolderPaths";

HKEY openAccounts(const char* path = kAccountsPath) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    return key;
}

} // namespace

TEST_F(StoreTest, AccountsKeyListsTheAccountsAsStringValues) {
    setAccountSource([] { return std::vector<std::string>{"alice", "Bob", "J\xC3\xBCrgen"}; });
    HKEY key = openAccounts();
    EXPECT_EQ(valueNames(key), (std::vector<std::string>{"alice", "Bob", "J\xC3\xBCrgen"}));
    EXPECT_TRUE(subkeyNames(key).empty());
    DWORD type = 0;
    const std::string home = readBytes(key, "BOB", &type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(home.back(), '\0');
    LONG status = 0;
    readBytes(key, "mallory", nullptr, &status);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    EXPECT_FALSE(std::filesystem::exists(path())) << "answering it writes nothing";
}

TEST_F(StoreTest, AccountsKeyIsFoundWhateverTheCaseAndTheWay) {
    setAccountSource([] { return std::vector<std::string>{"alice"}; });
    RegCloseKey(openAccounts("software\\MICROSOFT\\windows\\currentversion\\explorer\\docfolderpaths"));

    HKEY software = createKey(HKEY_LOCAL_MACHINE, "Software\\Microsoft");
    HKEY key = nullptr;
    ASSERT_EQ(
        RegOpenKeyExA(software, "Windows\\CurrentVersion\\Explorer\\DocFolderPaths", 0, KEY_ALL_ACCESS, &key),
        ERROR_SUCCESS);
    EXPECT_EQ(valueNames(key), std::vector<std::string>{"alice"});
    RegCloseKey(key);
    RegCloseKey(software);

    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kAccountsPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(valueNames(key), std::vector<std::string>{"alice"});
    RegCloseKey(key);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, kAccountsPath)) << "only below HKEY_LOCAL_MACHINE";
}

TEST_F(StoreTest, AccountsKeyLeavesOutNamesNoValueCouldHave) {
    setAccountSource([] {
        return std::vector<std::string>{
            "alice", "", "ALICE", std::string(16384, 'x'), "bob", std::string("nu\0l", 4)};
    });
    HKEY key = openAccounts();
    EXPECT_EQ(valueNames(key), (std::vector<std::string>{"alice", "bob"}));
    RegCloseKey(key);
}

TEST_F(StoreTest, AccountsKeyRefusesEveryChange) {
    setAccountSource([] { return std::vector<std::string>{"alice"}; });
    HKEY key = openAccounts();
    EXPECT_EQ(setString(key, "mallory", "x"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueA(key, "alice"), ERROR_ACCESS_DENIED);
    HKEY child = nullptr;
    EXPECT_EQ(RegCreateKeyExA(key, "Sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegOpenKeyExA(key, "Sub", 0, KEY_READ, &child), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(SHDeleteKeyA(HKEY_LOCAL_MACHINE, kAccountsPath), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(valueNames(key), std::vector<std::string>{"alice"});
    RegCloseKey(key);
    EXPECT_FALSE(std::filesystem::exists(path()));
}

TEST_F(StoreTest, AccountsKeyReadsTheSourceAnewForEachEnumeration) {
    std::vector<std::string> people{"alice"};
    setAccountSource([&people] { return people; });
    HKEY key = openAccounts();
    EXPECT_EQ(valueNames(key), std::vector<std::string>{"alice"});
    people.push_back("bob");
    EXPECT_EQ(valueNames(key), (std::vector<std::string>{"alice", "bob"}));
    RegCloseKey(key);
}

TEST(PasswordDatabaseAccounts, UidRangeComesFromLoginDefs) {
    std::istringstream defs("# comment\nUID_MIN\t\t 500\n#UID_MAX 1\nUID_MAX 29999\nGID_MIN 7\n");
    const auto range = vexor::registry::detail::readUidRange(defs);
    EXPECT_EQ(range.min, 500u);
    EXPECT_EQ(range.max, 29999u);
    std::istringstream empty("");
    const auto defaults = vexor::registry::detail::readUidRange(empty);
    EXPECT_EQ(defaults.min, 1000u);
    EXPECT_EQ(defaults.max, 60000u);
}

TEST(PasswordDatabaseAccounts, OnlyRegularUsersWithALoginShellArePeople) {
    using vexor::registry::detail::isPerson;
    const vexor::registry::detail::UidRange range;
    const std::vector<std::string> shells{"/bin/bash", "/usr/bin/zsh", "/usr/sbin/nologin"};
    EXPECT_TRUE(isPerson(1000, "/bin/bash", range, shells));
    EXPECT_TRUE(isPerson(60000, "/usr/bin/zsh", range, shells));
    EXPECT_FALSE(isPerson(0, "/bin/bash", range, shells)) << "root";
    EXPECT_FALSE(isPerson(999, "/bin/bash", range, shells)) << "system account";
    EXPECT_FALSE(isPerson(65534, "/bin/bash", range, shells)) << "nobody";
    EXPECT_FALSE(isPerson(1000, "/usr/sbin/nologin", range, shells)) << "even when /etc/shells lists it";
    EXPECT_FALSE(isPerson(1000, "/bin/false", range, shells));
    EXPECT_FALSE(isPerson(1000, "/opt/odd/shell", range, shells)) << "not in /etc/shells";
    EXPECT_FALSE(isPerson(1000, "", range, shells));
}

TEST(PasswordDatabaseAccounts, TheDefaultSourceLeavesOutSystemAccounts) {
    const auto names = vexor::registry::detail::passwordDatabaseAccounts();
    for (const char* system : {"root", "daemon", "nobody", "bin"})
        EXPECT_EQ(std::find(names.begin(), names.end(), system), names.end()) << system;
}
