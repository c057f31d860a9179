#include "platform/registry/detail/passwd_accounts.h"

#include <algorithm>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace vexor::registry::detail {

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::vector<std::string> shellsOfThisMachine() {
    std::vector<std::string> shells;
    setusershell();
    while (const char* shell = getusershell())
        shells.emplace_back(shell);
    endusershell();
    return shells;
}

UidRange uidRangeOfThisMachine() {
    std::ifstream loginDefs("/etc/login.defs");
    return readUidRange(loginDefs);
}

} // namespace

UidRange readUidRange(std::istream& loginDefs) {
    UidRange range;
    std::string line;
    while (std::getline(loginDefs, line)) {
        std::istringstream words(line);
        std::string key;
        unsigned long value = 0;
        if (!(words >> key >> value))
            continue;
        if (key == "UID_MIN")
            range.min = static_cast<uid_t>(value);
        else if (key == "UID_MAX")
            range.max = static_cast<uid_t>(value);
    }
    return range;
}

bool isLoginShell(const std::string& shell, const std::vector<std::string>& loginShells) {
    if (shell.empty() || endsWith(shell, "/nologin") || endsWith(shell, "/false"))
        return false;
    return std::find(loginShells.begin(), loginShells.end(), shell) != loginShells.end();
}

bool isPerson(uid_t uid, const std::string& shell, const UidRange& range,
              const std::vector<std::string>& loginShells) {
    return uid >= range.min && uid <= range.max && isLoginShell(shell, loginShells);
}

std::vector<std::string> passwordDatabaseAccounts() {
    const UidRange range = uidRangeOfThisMachine();
    const std::vector<std::string> shells = shellsOfThisMachine();
    std::vector<std::string> names;
    setpwent();
    while (const passwd* entry = getpwent()) {
        if (entry->pw_name && isPerson(entry->pw_uid, entry->pw_shell ? entry->pw_shell : "", range, shells))
            names.emplace_back(entry->pw_name);
    }
    endpwent();
    return names;
}

} // namespace vexor::registry::detail
