#include "dialogs/DialogResults.h"

std::string g_strUserName;
std::string g_strPassword;
int g_bPasswordRequired = 0;
