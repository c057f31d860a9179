// libFuzzer keeps an input only when the process crashes on it, so a broken property ends the process
// loudly, with its sentence, instead of being reported as a failed check.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

inline void AbortUnlessHolds(const std::string& strFault) {
    if (strFault.empty())
        return;
    std::fprintf(stderr, "property broken: %s\n", strFault.c_str());
    std::abort();
}
