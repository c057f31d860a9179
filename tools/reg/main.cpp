// vexor-reg: a reg.exe-style command-line tool over the registry store, for administrators who
// inspect, script or deploy the Access Manager's accounts, and for test fixtures.
#include "tools/reg/Arguments.h"
#include "tools/reg/Commands.h"
#include "tools/reg/Console.h"
#include "tools/reg/Usage.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    CRegArguments args;
    std::string strError;
    if (!ParseArguments(words, args, strError)) {
        ReportError(strError);
        const std::string strHelp = args.eOperation == ERegOperation::None
                                        ? std::string("/?")
                                        : std::string(OperationName(args.eOperation)) + " /?";
        std::fprintf(stderr, "Type \"vexor-reg %s\" for usage.\n", strHelp.c_str());
        return 1;
    }
    if (args.bUsage) {
        std::fputs(UsageText(args.eOperation).c_str(), stdout);
        return 0;
    }
    return RunCommand(args);
}
