// What the registry offers beyond the Win32 calls: where the store lives, grouping calls into one
// atomic write, access marks, and the source of the machine's account names.
#pragma once

#include "platform/win32/types.h"

#include <functional>
#include <string>
#include <vector>

namespace vexor::registry {

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

// The path of locateStore(kMachineStoreFolder). Read when the store is first opened.
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
// before it. Scopes nest: only the outermost one commits, and an inner scope that ends without commit()
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
// first of them, whatever other processes commit meanwhile, and they skip the locking each read would
// otherwise do on its own. It never waits for a writer and never holds one up. A write made inside
// ends the view, so later reads see that write. Scopes nest; inside a Transaction they change nothing.
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

// Marks root\path (which must exist) as refusing full access, as a key owned by another account would:
// opening it with KEY_ALL_ACCESS then fails with ERROR_ACCESS_DENIED.
LONG setFullAccessDenied(HKEY root, const std::string& path, bool denied);

// The machine's people, offered as the value names of
// HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\DocFolderPaths. By default the password
// database (entries with a regular uid and a login shell); tests put their own list here.
using AccountSource = std::function<std::vector<std::string>()>;
void setAccountSource(AccountSource source);

} // namespace vexor::registry
