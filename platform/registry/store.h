// What the registry offers beyond the Win32 calls: where the store lives, grouping calls into one
// atomic write, access marks, and the source of the machine's account names.
//
// How the store works (detail/image.h, detail/store_state.h):
// 1. The process keeps one image of the store file in memory: every key with its id, name, mark,
//    last-write time, children and values. Every read is answered from it.
// 2. The image holds the file's state as of its data version (SQLite's PRAGMA data_version, which
//    changes when another process commits). Before a read outside any scope, and when a ReadScope or a
//    write begins, the version is checked, and the image is read again when it changed. This
//    process's own commits leave the version alone; they are in the image already.
// 3. A ReadScope checks once, at its first read, and then answers from the image as it was: it sees one
//    state, and never waits for a writer nor holds one up. A write made inside ends that view.
// 4. A write (a single call, or all the calls of a Transaction) holds SQLite's write lock from its
//    start, so no other process commits meanwhile. Its calls change the image, which records each key
//    it touches as it was; reads inside see the changes at once.
// 5. commit() takes the difference between those keys as they were and as they are (difference.h) and
//    writes only that, in one SQLite transaction: a key deleted and written again as it was writes
//    nothing. A rollback, or a failed commit, drops the image; the next read loads it again.
// 6. Key ids never change and are never reused: a key deleted and created again at the same place in
//    one transaction keeps its id, so a handle on it stays good.
#pragma once

#include "platform/win32/types.h"

#include <functional>
#include <string>
#include <vector>

namespace vexor::registry {

#ifndef _WIN32
// The folder of the machine-wide store. It exists once the program is installed as a package, and
// then every user of the machine shares the store in it, as every user on Windows shares HKCR.
inline constexpr const char* kMachineStoreFolder = "/var/lib/vexor";

// Where the store is, and which rule chose it: $VEXOR_REGISTRY (Environment); else
// machineFolder/registry.db when machineFolder exists (Machine); else $XDG_DATA_HOME/vexor/registry.db
// or ~/.local/share/vexor/registry.db (User).
struct StoreLocation {
    enum class Rule { Environment, Machine, User };
    std::string path;
    Rule rule;
};
StoreLocation locateStore(const std::string& machineFolder);
#endif

// The path of locateStore(kMachineStoreFolder), read when the store is first opened; on Windows the
// hive the program's keys live in.
std::string storePath();

// Opens (or re-checks) the store. ERROR_SUCCESS when the file is a store or does not exist yet (it is
// created on the first write); ERROR_BADDB when it is not a store or is damaged, ERROR_ACCESS_DENIED
// when it can't be read. Never changes the file.
LONG checkStore();

// A sentence for people that says what went wrong with the store file last, naming its path; "" when
// nothing went wrong.
std::string lastStoreError();

// Forgets the open store; the next call opens the file storePath() names then. For tests and tools
// that switch between files.
void closeStore();

// Groups every registry call made while it lives into one atomic write: another process sees the
// state before it until commit() succeeds; a crash or a destruction without commit leaves the state
// before it. Only what differs from the store when the scope began is written. Scopes nest: only the outermost one commits, and an inner scope that ends without commit()
// makes the whole transaction roll back (commit() then returns ERROR_CANTWRITE). If any write inside
// failed, commit() rolls everything back and returns that failure's status; not finding what a delete
// names is no failure. A second commit() returns the first one's result.
class Transaction {
  public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    LONG commit();
    // ERROR_SUCCESS when the scope could begin (the store is open and writable, or does not exist yet
    // and is created by the first write); otherwise every write inside fails with this status.
    LONG status() const;

  private:
    bool m_outermost = false;
    bool m_done = false;
    LONG m_status = ERROR_SUCCESS;
};

// Lets the reads made while it lives share one view of the store: they all see it as it was at the
// first of them, whatever other processes commit meanwhile, and they skip the check of the file each
// read would otherwise make on its own. It never waits for a writer and never holds one up. A write
// made inside ends the view, so later reads see that write. Scopes nest; inside a Transaction they
// change nothing.
class ReadScope {
  public:
    ReadScope();
    ~ReadScope();
    ReadScope(const ReadScope&) = delete;
    ReadScope& operator=(const ReadScope&) = delete;
};

// TRUE when the two names address the same key: key names are compared without regard to case, as
// the store folds them.
bool sameKeyName(const std::string& a, const std::string& b);

// TRUE when the name can be one key of a path: not empty, no "\", at most 255 characters.
bool isKeyName(const std::string& name);

#ifndef _WIN32
// Marks root\path (which must exist) as refusing full access, as a key owned by another account would:
// opening it with KEY_ALL_ACCESS then fails with ERROR_ACCESS_DENIED.
LONG setFullAccessDenied(HKEY root, const std::string& path, bool denied);

// The machine's people, offered as the value names of
// HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\DocFolderPaths. By default the password
// database (entries with a regular uid and a login shell); tests put their own list here.
using AccountSource = std::function<std::vector<std::string>()>;
void setAccountSource(AccountSource source);
#endif

} // namespace vexor::registry
