// The machine's people as the password database lists them: entries with a regular user id (between
// UID_MIN and UID_MAX of /etc/login.defs, 1000 to 60000 when it doesn't say) and a shell one can log in
// with (listed in /etc/shells, and not nologin or false). System and service accounts stay out.
#pragma once

#include <istream>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vexor::registry::detail {

struct UidRange {
    uid_t min = 1000;
    uid_t max = 60000;
};

UidRange readUidRange(std::istream& loginDefs);
bool isLoginShell(const std::string& shell, const std::vector<std::string>& loginShells);
bool isPerson(uid_t uid, const std::string& shell, const UidRange& range,
              const std::vector<std::string>& loginShells);

std::vector<std::string> passwordDatabaseAccounts();

} // namespace vexor::registry::detail
