// The store file: where it lives, when it is created, what it holds, and files that are not stores.
#include "tests/registry/store_fixture.h"

#include <filesystem>
#include <random>
#include <sys/stat.h>

using namespace registry_test;
namespace fs = std::filesystem;
using vexor::registry::checkStore;
using vexor::registry::closeStore;
using vexor::registry::lastStoreError;

namespace {

class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
            m_had = true;
        }
        set(value);
    }
    ~ScopedEnvironment() { set(m_had ? m_old.c_str() : nullptr); }

  private:
    void set(const char* value) const {
        if (value)
            setenv(m_name, value, 1);
        else
            unsetenv(m_name);
    }

    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

// A pragma's answer, read through a connection of our own, as text.
std::string pragma(const std::string& path, const char* name) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, (std::string("PRAGMA ") + name).c_str(), -1, &statement, nullptr);
    std::string value;
    if (sqlite3_step(statement) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

// Every kind of call, on a store that is not a store.
void expectEveryCallFails(LONG expected) {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Stored", 0, KEY_READ, &key), expected);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "", 0, KEY_READ, &key), expected);
    EXPECT_EQ(
        RegCreateKeyExA(HKEY_CLASSES_ROOT, "New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        expected);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(HKEY_CLASSES_ROOT, "v", nullptr, nullptr, nullptr, &size), expected);
    EXPECT_EQ(setString(HKEY_CLASSES_ROOT, "v", "x"), expected);
    EXPECT_EQ(RegDeleteValueA(HKEY_CLASSES_ROOT, "v"), expected);
    char name[32];
    size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, 0, name, &size, nullptr, nullptr, nullptr, nullptr), expected);
    size = sizeof name;
    EXPECT_EQ(RegEnumValueA(HKEY_LOCAL_MACHINE, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              expected);
    EXPECT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "Stored"), static_cast<DWORD>(expected));
    EXPECT_EQ(vexor::registry::setFullAccessDenied(HKEY_CLASSES_ROOT, "Stored", true), expected);
    vexor::registry::Transaction transaction;
    EXPECT_EQ(transaction.status(), expected);
    EXPECT_EQ(transaction.commit(), expected);
    EXPECT_EQ(checkStore(), expected);
}

// The message for people, which names the file.
std::string expectRefusedAndUnchanged(const std::string& path, const std::string& before) {
    closeStore();
    expectEveryCallFails(ERROR_BADDB);
    const std::string message = lastStoreError();
    EXPECT_NE(message.find(path), std::string::npos) << message;
    closeStore();
    EXPECT_EQ(fileBytes(path), before) << "the file is left exactly as it was";
    return message;
}

} // namespace

TEST_F(StoreTest, PathComesFromTheEnvironment) {
    EXPECT_EQ(vexor::registry::storePath(), path());
    ScopedEnvironment noOverride("VEXOR_REGISTRY", nullptr);
    {
        ScopedEnvironment data("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ(vexor::registry::storePath(), "/data/home/vexor/registry.db");
    }
    ScopedEnvironment home("HOME", "/home/someone");
    {
        ScopedEnvironment relative("XDG_DATA_HOME", "relative/data"); // not absolute: ignored, as XDG says
        EXPECT_EQ(vexor::registry::storePath(), "/home/someone/.local/share/vexor/registry.db");
    }
    ScopedEnvironment unset("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(vexor::registry::storePath(), "/home/someone/.local/share/vexor/registry.db");
}

TEST_F(StoreTest, MissingFileReadsAsEmptyAndCreatesNothing) {
    const std::string nested = (fs::path(path()).parent_path() / "sub" / "registry.db").string();
    ScopedEnvironment target("VEXOR_REGISTRY", nested.c_str());
    closeStore();

    EXPECT_EQ(checkStore(), ERROR_SUCCESS);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID", 0, KEY_ALL_ACCESS, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(subkeyNames(HKEY_CLASSES_ROOT).empty());
    EXPECT_TRUE(valueNames(HKEY_LOCAL_MACHINE).empty());
    EXPECT_EQ(RegDeleteValueA(HKEY_CLASSES_ROOT, "v"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, "CLSID"), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    {
        vexor::registry::Transaction nothingWritten;
        EXPECT_EQ(nothingWritten.commit(), ERROR_SUCCESS);
    }
    EXPECT_FALSE(fs::exists(fs::path(nested).parent_path())) << "not even the folder";
    EXPECT_EQ(lastStoreError(), "");
    closeStore();
}

TEST_F(StoreTest, FirstWriteCreatesFolderAndMarkedStore) {
    const std::string nested = (fs::path(path()).parent_path() / "a" / "b" / "registry.db").string();
    ScopedEnvironment target("VEXOR_REGISTRY", nested.c_str());
    closeStore();
    HKEY key = createKey(HKEY_CLASSES_ROOT, "CLSID\\{Some}");
    ASSERT_EQ(setString(key, "v", "x"), ERROR_SUCCESS);
    RegCloseKey(key);
    closeStore();

    ASSERT_TRUE(fs::exists(nested));
    EXPECT_EQ(pragma(nested, "application_id"), std::to_string(0x56585247)); // "VXRG"
    EXPECT_EQ(pragma(nested, "user_version"), "1");
    EXPECT_EQ(pragma(nested, "journal_mode"), "wal");
    for (const auto& entry : fs::directory_iterator(fs::path(nested).parent_path()))
        EXPECT_EQ(entry.path().filename().string().rfind(".registry-new", 0), std::string::npos)
            << "no temporary file is left behind";
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "clsid\\{some}"));
}

TEST_F(StoreTest, RandomBytesAreReportedAndLeftAlone) {
    std::mt19937 random(42);
    std::string bytes(8192, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    writeFile(path(), bytes);
    expectRefusedAndUnchanged(path(), bytes);
}

TEST_F(StoreTest, EmptyFileIsNotAnEmptyRegistry) {
    writeFile(path(), "");
    expectRefusedAndUnchanged(path(), "");
}

TEST_F(StoreTest, DatabaseOfAnotherProgramIsReportedAndLeftAlone) {
    runSql(path(), "CREATE TABLE keys(id INTEGER PRIMARY KEY); INSERT INTO keys VALUES (1), (2);");
    const std::string before = fileBytes(path());
    const std::string message = expectRefusedAndUnchanged(path(), before);
    EXPECT_NE(message.find("another program"), std::string::npos) << message;
}

TEST_F(StoreTest, StoreOfANewerVersionIsReportedAndLeftAlone) {
    makeStore();
    runSql(path(), "PRAGMA user_version = 2;");
    const std::string before = fileBytes(path());
    expectRefusedAndUnchanged(path(), before);
}

TEST_F(StoreTest, TruncatedStoreIsReportedAndLeftAlone) {
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Big");
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(setBytes(key, ("value" + std::to_string(i)).c_str(), REG_BINARY, std::string(1000, 'x')),
                  ERROR_SUCCESS);
    RegCloseKey(key);
    closeStore();
    const std::string whole = fileBytes(path());
    ASSERT_GT(whole.size(), 100000u);
    const std::string half = whole.substr(0, whole.size() / 2);
    writeFile(path(), half);
    expectRefusedAndUnchanged(path(), half);
}

TEST_F(StoreTest, DamagedPageIsReportedAndLeftAlone) {
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Big");
    for (int i = 0; i < 50; ++i)
        ASSERT_EQ(setBytes(key, ("value" + std::to_string(i)).c_str(), REG_BINARY, std::string(1000, 'x')),
                  ERROR_SUCCESS);
    RegCloseKey(key);
    closeStore();
    std::string bytes = fileBytes(path());
    ASSERT_GT(bytes.size(), 5 * 4096u);
    for (std::size_t i = 2 * 4096; i < 5 * 4096; ++i)
        bytes[i] = static_cast<char>(0xA5);
    writeFile(path(), bytes);
    expectRefusedAndUnchanged(path(), bytes);
}

TEST_F(StoreTest, FolderInsteadOfAFileIsReported) {
    fs::create_directory(path());
    closeStore();
    expectEveryCallFails(ERROR_BADDB);
    EXPECT_NE(lastStoreError().find(path()), std::string::npos);
    EXPECT_TRUE(fs::is_directory(path()));
}

TEST_F(StoreTest, CheckStoreSeesARepairedFileAgain) {
    writeFile(path(), "not a store at all, not even close to one, and longer than a hundred bytes to be sure "
                      "of it.........");
    closeStore();
    EXPECT_EQ(checkStore(), ERROR_BADDB);
    fs::remove(path());
    EXPECT_EQ(checkStore(), ERROR_SUCCESS) << "a missing file is an empty store";
    EXPECT_EQ(lastStoreError(), "");
}

TEST_F(StoreTest, StoreThatCannotBeReachedIsReported) {
    writeFile(path(), "a plain file where a folder should be");
    const std::string below = path() + "/registry.db";
    ScopedEnvironment target("VEXOR_REGISTRY", below.c_str());
    closeStore();
    EXPECT_EQ(checkStore(), ERROR_ACCESS_DENIED);
    EXPECT_NE(lastStoreError().find(below), std::string::npos) << lastStoreError();
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "x", 0, KEY_READ, &key), ERROR_ACCESS_DENIED);
    closeStore();
}

TEST_F(StoreTest, NewStoreGetsTheModeOfAnyNewFile) {
    const mode_t old = umask(022);
    makeStore();
    umask(old);
    EXPECT_EQ(fs::status(path()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST_F(StoreTest, ClosingTheStoreInvalidatesItsHandles) {
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Stored");
    closeStore();
    EXPECT_EQ(setString(key, "v", "x"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Stored")) << "the key itself stays";
}

TEST_F(StoreTest, OtherPredefinedRootsAreInvalidHandles) {
    const HKEY currentUser = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(0x80000001)));
    const HKEY users = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(0x80000003)));
    for (HKEY root : {currentUser, users}) {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyExA(root, "Software", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegCreateKeyExA(root, "Software", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_INVALID_HANDLE);
    }
    EXPECT_FALSE(fs::exists(path()));
}
