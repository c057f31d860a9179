// The accounts every benchmark works on: the administrator and nAccounts - 1 users, each with all
// four values, as the program itself writes them.
#pragma once

#include "store/UserList.h"

// Account number nIndex; 0 is the administrator.
UserAccount BenchAccount(int nIndex);

// Writes the accounts into the current store in one transaction; false when the store refused.
bool WriteBenchAccounts(int nAccounts);

// How many accounts the store holds now, counted by enumerating them.
int CountStoredAccounts();
