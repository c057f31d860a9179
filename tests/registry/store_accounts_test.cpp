// The accounts key: the machine's people as the value names of
// HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\DocFolderPaths.
#include "tests/registry/store_fixture.h"

#include "platform/registry/detail/passwd_accounts.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

using vexor::registry::setAccountSource;

namespace {

constexpr const char* kAccountsPath =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DocFolderPaths";

} // namespace

TEST_F(StoreTest, AccountsKeyListsTheSourcesAccountsAsStringValuesReadAnewEachTime) {
    // Names no value could have are left out: empty, too long, with a NUL, or a case variant.
    std::vector<std::string> people{
        "alice", "", "ALICE", std::string(16384, 'x'), "Bob", std::string("nu\0l", 4)};
    setAccountSource([&people] { return people; });
    const Key key = openKey(HKEY_LOCAL_MACHINE, kAccountsPath);
    EXPECT_EQ(valueNames(key), (std::vector<std::string>{"alice", "Bob"}));
    EXPECT_TRUE(subkeyNames(key).empty());
    DWORD type = 0;
    const std::string home = readBytes(key, "BOB", &type);
    ASSERT_FALSE(home.empty());
    EXPECT_EQ(home.back(), '\0');
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(queryStatus(key, "mallory"), ERROR_FILE_NOT_FOUND);
    people.push_back("J\xC3\xBCrgen");
    EXPECT_EQ(valueNames(key), (std::vector<std::string>{"alice", "Bob", "J\xC3\xBCrgen"}));
    EXPECT_FALSE(std::filesystem::exists(path())) << "answering it writes nothing";
}

TEST_F(StoreTest, AccountsKeyRefusesEveryChangeAndIsFoundWhateverTheCaseAndTheWay) {
    setAccountSource([] { return std::vector<std::string>{"alice"}; });
    const Key key = openKey(HKEY_LOCAL_MACHINE, kAccountsPath);
    expectCalls(key, {Call::Set, Call::DeleteValue, Call::Create}, ERROR_ACCESS_DENIED);
    EXPECT_EQ(Call::Open(key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(deleteTree(HKEY_LOCAL_MACHINE, kAccountsPath), ERROR_ACCESS_DENIED);
    EXPECT_EQ(valueNames(key), std::vector<std::string>{"alice"});
    EXPECT_FALSE(std::filesystem::exists(path())) << "a refused change writes nothing";

    openKey(HKEY_LOCAL_MACHINE, "software\\MICROSOFT\\windows\\currentversion\\explorer\\docfolderpaths");
    const Key software = createKey(HKEY_LOCAL_MACHINE, "Software\\Microsoft");
    EXPECT_EQ(valueNames(openKey(software, "Windows\\CurrentVersion\\Explorer\\DocFolderPaths")),
              std::vector<std::string>{"alice"});
    EXPECT_EQ(valueNames(createKey(HKEY_LOCAL_MACHINE, kAccountsPath)), std::vector<std::string>{"alice"});
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, kAccountsPath)) << "only below HKEY_LOCAL_MACHINE";
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
    const std::vector<std::string> shells{"/bin/bash", "/usr/bin/zsh", "/usr/sbin/nologin"};
    const struct {
        unsigned uid;
        const char* shell;
        bool person;
        const char* why;
    } cases[] = {
        {1000, "/bin/bash", true, "regular"},
        {60000, "/usr/bin/zsh", true, "last regular uid"},
        {0, "/bin/bash", false, "root"},
        {999, "/bin/bash", false, "system account"},
        {65534, "/bin/bash", false, "nobody"},
        {1000, "/usr/sbin/nologin", false, "even when /etc/shells lists it"},
        {1000, "/bin/false", false, "no login"},
        {1000, "/opt/odd/shell", false, "not in /etc/shells"},
        {1000, "", false, "no shell"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vexor::registry::detail::isPerson(c.uid, c.shell, {}, shells), c.person) << c.why;
    const auto names = vexor::registry::detail::passwordDatabaseAccounts();
    for (const char* system : {"root", "daemon", "nobody", "bin"})
        EXPECT_EQ(std::find(names.begin(), names.end(), system), names.end()) << system;
}
