// Where the store lives, checking and closing it, access marks and the account source.
#include "platform/registry/store.h"

#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/handles.h"
#include "platform/registry/detail/keys.h"
#include "platform/registry/detail/names.h"
#include "platform/registry/detail/store_state.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vexor::registry {

using namespace detail;

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string homeFolder() {
    std::string home = environment("HOME");
    if (home.empty()) {
        if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
            home = entry->pw_dir;
    }
    return home;
}

// The key root\path, found (without writing) before the write begins, so that a refused mark never
// creates the store file.
LONG findMarkable(std::int64_t root, const std::vector<Name>& components, Walk& walk) {
    if (const LONG status = walkPath(Store::instance().image(), root, components, walk))
        return status;
    if (walk.found < components.size())
        return ERROR_FILE_NOT_FOUND;
    return walk.id == kAccountsKeyId ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

LONG markKey(HKEY root, const std::string& path, bool denied) {
    OpenKey base{};
    if (!isPredefinedRoot(root) || HandleTable::instance().find(root, base) != ERROR_SUCCESS)
        return ERROR_INVALID_HANDLE;
    const std::vector<Name>* parsedPath = nullptr;
    const LONG parsed = parseKeyPath(path.c_str(), parsedPath);
    const std::vector<Name>& components = *parsedPath;
    if (parsed != ERROR_SUCCESS)
        return parsed == ERROR_INVALID_PARAMETER ? ERROR_FILE_NOT_FOUND : parsed;
    if (const LONG status = Store::instance().readyToRead())
        return status;
    Walk walk{};
    if (const LONG status = findMarkable(base.id, components, walk))
        return status;
    WriteScope scope;
    if (scope.status() != ERROR_SUCCESS)
        return scope.status();
    LONG status = findMarkable(base.id, components, walk);
    if (status == ERROR_SUCCESS) {
        Image& image = Store::instance().image();
        image.mark(*image.find(walk.id), denied);
    }
    return scope.finish(status);
}

} // namespace

// Only a folder counts as the machine store's: a file or a dangling link of that name is no
// installation. XDG says a relative $XDG_DATA_HOME is to be ignored.
StoreLocation locateStore(const std::string& machineFolder) {
    using Rule = StoreLocation::Rule;
    if (std::string path = environment("VEXOR_REGISTRY"); !path.empty())
        return {path, Rule::Environment};
    struct stat info {};
    if (stat(machineFolder.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return {machineFolder + "/registry.db", Rule::Machine};
    if (std::string data = environment("XDG_DATA_HOME"); !data.empty() && data.front() == '/')
        return {data + "/vexor/registry.db", Rule::User};
    return {homeFolder() + "/.local/share/vexor/registry.db", Rule::User};
}

std::string storePath() {
    return locateStore(kMachineStoreFolder).path;
}

LONG checkStore() {
    return guarded([] { return Store::instance().checkAgain(); });
}

std::string lastStoreError() {
    return Store::instance().lastError();
}

// Handles name keys of the file that was open; after closing they are invalid rather than pointing
// into whatever file opens next.
void closeStore() {
    Store::instance().close();
    HandleTable::instance().clear();
}

LONG setFullAccessDenied(HKEY root, const std::string& path, bool denied) {
    return writeOutcome(guarded([&] { return markKey(root, path, denied); }));
}

bool sameKeyName(const std::string& a, const std::string& b) {
    return foldName(a) == foldName(b);
}

bool isKeyName(const std::string& name) {
    const std::vector<Name>* components = nullptr;
    return name.find('\0') == std::string::npos && parseKeyPath(name.c_str(), components) == ERROR_SUCCESS &&
           components->size() == 1;
}

void setAccountSource(AccountSource source) {
    useAccountSource(std::move(source));
}

} // namespace vexor::registry
