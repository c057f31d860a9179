#include "tools/reg/Console.h"

#include "tools/reg/TextUtil.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

enum class EAnswer { Yes, No, NoTerminal };

EAnswer AskYesNo(const std::string& strQuestion) {
    if (!isatty(fileno(stdin)))
        return EAnswer::NoTerminal;
    std::string strAnswer;
    for (;;) {
        std::fprintf(stderr, "%s (Yes/No)? ", strQuestion.c_str());
        std::fflush(stderr);
        if (!std::getline(std::cin, strAnswer))
            return EAnswer::No;
        if (EqualsNoCase(strAnswer, "yes") || EqualsNoCase(strAnswer, "y"))
            return EAnswer::Yes;
        if (EqualsNoCase(strAnswer, "no") || EqualsNoCase(strAnswer, "n"))
            return EAnswer::No;
    }
}

} // namespace

int ReportError(const std::string& strMessage) {
    std::fprintf(stderr, "ERROR: %s\n", strMessage.c_str());
    return 1;
}

int ReportSuccess() {
    std::printf("The operation completed successfully.\n");
    return 0;
}

int ConfirmOrFail(const std::string& strQuestion, const std::string& strRefusal, const char* pszSwitch) {
    switch (AskYesNo(strQuestion)) {
    case EAnswer::Yes:
        return 0;
    case EAnswer::No:
        return ReportError("Cancelled. " + strRefusal + ".");
    default:
        return ReportError(strRefusal + ": there is no terminal to ask; give " + pszSwitch +
                           " to go ahead without a question.");
    }
}
