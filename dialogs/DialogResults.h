// What an entry dialog hands back to the main dialog. A dialog writes them only in its OK handler,
// just before it ends with IDOK; the main dialog reads them only right after an IDOK.
#pragma once

#include <string>

extern std::string g_strUserName;
extern std::string g_strPassword;
extern int g_bPasswordRequired; // 1: the account needs its password to log in
