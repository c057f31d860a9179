// The store file: where it lives, when it is created, what it holds, and files that are not stores.
#include "tests/registry/store_fixture.h"

#include <filesystem>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using vexor::registry::checkStore;
using vexor::registry::closeStore;
using vexor::registry::lastStoreError;

namespace {

class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        set(value);
    }
    ~ScopedEnvironment() { set(m_old ? m_old->c_str() : nullptr); }

  private:
    void set(const char* value) const { value ? setenv(m_name, value, 1) : unsetenv(m_name); }

    const char* m_name;
    std::optional<std::string> m_old;
};

// Every kind of call fails with ERROR_BADDB on a file that is not a store, and the message for
// people names the file, which is left exactly as it was. That message.
std::string expectRefusedAndUnchanged(const std::string& path) {
    const std::string before = fileBytes(path);
    closeStore();
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE})
        expectCalls(root, kEveryCallButClose, ERROR_BADDB);
    EXPECT_EQ(vexor::registry::setFullAccessDenied(HKEY_CLASSES_ROOT, "Stored", true), ERROR_BADDB);
    {
        vexor::registry::Transaction transaction;
        EXPECT_EQ(transaction.status(), ERROR_BADDB);
        EXPECT_EQ(transaction.commit(), ERROR_BADDB);
    }
    EXPECT_EQ(checkStore(), ERROR_BADDB);
    const std::string message = lastStoreError();
    EXPECT_NE(message.find(path), std::string::npos) << message;
    closeStore();
    EXPECT_EQ(fileBytes(path), before);
    return message;
}

// A store of `count` values of 1000 bytes, written and closed.
void fillStore(int count) {
    const Key key = createKey(HKEY_CLASSES_ROOT, "Big");
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(setBytes(key, ("value" + std::to_string(i)).c_str(), REG_BINARY, std::string(1000, 'x')),
                  ERROR_SUCCESS);
    closeStore();
}

} // namespace

TEST_F(StoreTest, PathComesFromTheEnvironmentOrTheMachineFolder) {
    using Rule = vexor::registry::StoreLocation::Rule;
    const std::string folder = fs::path(path()).parent_path().string(), none = folder + "/none";
    writeFile(folder + "/plain", "x");
    const auto expect = [](const std::string& machine, const std::string& expected, Rule rule) {
        const vexor::registry::StoreLocation location = vexor::registry::locateStore(machine);
        EXPECT_EQ(location.path, expected) << machine;
        EXPECT_EQ(location.rule, rule) << machine;
    };
    expect(folder, path(), Rule::Environment);
    ScopedEnvironment noOverride("VEXOR_REGISTRY", nullptr);
    expect(folder, folder + "/registry.db", Rule::Machine);
    {
        ScopedEnvironment data("XDG_DATA_HOME", "/data/home");
        for (const std::string& machine : {folder + "/plain", none}) // a file is no folder
            expect(machine, "/data/home/vexor/registry.db", Rule::User);
    }
    ScopedEnvironment home("HOME", "/home/someone");
    for (const char* data : {"relative/data", static_cast<const char*>(nullptr)}) { // not absolute: ignored
        ScopedEnvironment xdg("XDG_DATA_HOME", data);
        expect(none, "/home/someone/.local/share/vexor/registry.db", Rule::User);
    }
}

TEST_F(StoreTest, MissingFileReadsAsEmptyAndCreatesNothing) {
    const std::string nested = (fs::path(path()).parent_path() / "sub" / "registry.db").string();
    ScopedEnvironment target("VEXOR_REGISTRY", nested.c_str());
    closeStore();
    EXPECT_EQ(checkStore(), ERROR_SUCCESS);
    expectCalls(HKEY_CLASSES_ROOT, {Call::Open, Call::Query, Call::DeleteValue, Call::DeleteTree},
                ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(subkeyNames(HKEY_CLASSES_ROOT).empty());
    EXPECT_TRUE(valueNames(HKEY_LOCAL_MACHINE).empty());
    {
        vexor::registry::Transaction nothingWritten;
        EXPECT_EQ(nothingWritten.commit(), ERROR_SUCCESS);
    }
    EXPECT_FALSE(fs::exists(fs::path(nested).parent_path())) << "not even the folder";
    EXPECT_EQ(lastStoreError(), "");
    closeStore();
}

// The store holds passwords in plain text: whatever the umask, the folders it creates and the file are
// the user's alone.
TEST_F(StoreTest, FirstWriteCreatesAMarkedStoreAndItsFoldersOwnerOnly) {
    const fs::path top = fs::path(path()).parent_path() / "a";
    const std::string nested = (top / "b" / "registry.db").string();
    ScopedEnvironment target("VEXOR_REGISTRY", nested.c_str());
    closeStore();
    const mode_t old = umask(0);
    makeStore();
    umask(old);
    // SQLite's file header: both file format bytes 2 in WAL mode; the user version and the application id,
    // big-endian.
    const std::string header = fileBytes(nested);
    ASSERT_GE(header.size(), 100u);
    EXPECT_EQ(header.substr(18, 2), "\2\2");
    EXPECT_EQ(header.substr(60, 4), std::string("\0\0\0\1", 4));
    EXPECT_EQ(header.substr(68, 4), "VXRG");
    for (const fs::path& made : {top, top / "b"})
        EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all) << made;
    for (const auto& entry : fs::directory_iterator(top / "b")) {
        EXPECT_EQ(entry.path().filename().string().rfind(".registry-new", 0), std::string::npos);
        EXPECT_EQ(entry.status().permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write)
            << entry.path();
    }
}

// Files another user could have planted or may change are refused, naming the file and why; the
// store is left as it is. Owners other than this user need root to arrange.
TEST_F(StoreTest, FilesAnotherUserCouldPlantOrChangeAreRefused) {
    const std::string other = path() + ".other";
    const struct {
        const char* what;
        std::function<int()> plant;
        const char* messagePart;
        bool needsRoot;
    } cases[] = {
        {"store open to others", [&] { return chmod(path().c_str(), 0666); },
         "other users may write it (mode 0666)", false},
        {"store of another user", [&] { return chown(path().c_str(), 65534, 65534); },
         "belongs to nobody (uid 65534)", true},
        {"link by another user",
         [&] {
             return rename(path().c_str(), other.c_str()) | symlink(other.c_str(), path().c_str()) |
                    lchown(path().c_str(), 65534, 65534);
         },
         "symbolic link made by nobody (uid 65534)", true},
        {"log file as a link",
         [&] {
             return rename((path() + "-wal").c_str(), other.c_str()) |
                    symlink(other.c_str(), (path() + "-wal").c_str());
         },
         "-wal is a symbolic link", false},
        {"log file of another user", [&] { return chown((path() + "-wal").c_str(), 65534, 65534); },
         "-wal belongs to nobody (uid 65534), not to the store's owner", true},
        {"shared memory open to others", [&] { return chmod((path() + "-shm").c_str(), 0646); },
         "-shm may be written by other users (mode 0646)", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.needsRoot && geteuid() != 0)
            continue; // changing a file's owner needs root
        makeStore();
        ASSERT_EQ(c.plant(), 0);
        closeStore();
        EXPECT_EQ(checkStore(), ERROR_ACCESS_DENIED);
        EXPECT_NE(lastStoreError().find(c.messagePart), std::string::npos) << lastStoreError();
        EXPECT_EQ(storedValue(), "<no key>");
        closeStore();
        for (const std::string& file : {path(), path() + "-wal", path() + "-shm", other})
            fs::remove(file);
    }
    // A link this user made is theirs on purpose: it leads to the store.
    makeStore();
    fs::rename(path(), other);
    fs::create_symlink(other, path());
    closeStore();
    EXPECT_EQ(storedValue(), "kept");
    EXPECT_EQ(setStored("through the link"), ERROR_SUCCESS);
}

TEST_F(StoreTest, FilesThatAreNotStoresAreReportedAndLeftAlone) {
    // Each kind of file in turn, replacing the one before.
    auto expectRefused = [this](const char* what, const char* messagePart = "") {
        SCOPED_TRACE(what);
        EXPECT_NE(expectRefusedAndUnchanged(path()).find(messagePart), std::string::npos);
        for (const char* suffix : {"", "-wal", "-shm"})
            fs::remove(path() + suffix);
    };
    std::mt19937 random(42);
    std::string bytes(8192, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    writeFile(path(), bytes);
    expectRefused("random bytes");
    writeFile(path(), "");
    expectRefused("an empty file");
    makeStore();
    runSql(path(), "PRAGMA user_version = 2;");
    expectRefused("a newer store");
    runSql(path(), "CREATE TABLE keys(id INTEGER PRIMARY KEY); INSERT INTO keys VALUES (1), (2);");
    expectRefused("another program's database", "another program");
    fillStore(200);
    bytes = fileBytes(path());
    ASSERT_GT(bytes.size(), 100000u);
    writeFile(path(), bytes.substr(0, bytes.size() / 2));
    expectRefused("a truncated store");
    fillStore(50);
    bytes = fileBytes(path());
    ASSERT_GT(bytes.size(), 5 * 4096u);
    std::fill(bytes.begin() + 2 * 4096, bytes.begin() + 5 * 4096, static_cast<char>(0xA5));
    writeFile(path(), bytes);
    expectRefused("a damaged page");

    fs::create_directory(path());
    expectRefusedAndUnchanged(path());
    EXPECT_TRUE(fs::is_directory(path()));
    EXPECT_EQ(checkStore(), ERROR_BADDB);
    fs::remove(path());
    EXPECT_EQ(checkStore(), ERROR_SUCCESS) << "checking again sees the file gone: an empty store";
    EXPECT_EQ(lastStoreError(), "");
}

TEST_F(StoreTest, ClosingTheStoreInvalidatesItsHandles) {
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Stored").release();
    closeStore();
    EXPECT_EQ(setString(key, "v", "x"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Stored")) << "the key itself stays";
}

// Only the two kept roots exist, each a hive of its own.
TEST_F(StoreTest, OtherPredefinedRootsAreInvalidHandlesAndTheKeptOnesAreSeparateHives) {
    for (DWORD root : {0x80000001u, 0x80000003u}) { // HKEY_CURRENT_USER, HKEY_USERS
        const HKEY handle = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
        EXPECT_EQ(openStatus(handle, "Software"), ERROR_INVALID_HANDLE);
        EXPECT_EQ(createStatus(handle, "Software"), ERROR_INVALID_HANDLE);
    }
    EXPECT_FALSE(fs::exists(path()));
    createKey(HKEY_CLASSES_ROOT, "OnlyHere");
    EXPECT_TRUE(subkeyNames(HKEY_LOCAL_MACHINE).empty());
}
