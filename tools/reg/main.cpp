// vexor-reg: a reg.exe-style command-line tool over the registry store, for administrators who
// inspect, script or deploy the Access Manager's accounts, and for test fixtures.
#include "tools/reg/Arguments.h"
#include "tools/reg/Commands.h"
#include "tools/reg/Console.h"
#include "tools/reg/Usage.h"

#include "platform/registry/store.h"

#include "platform/win32/types.h"

#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

namespace {

// The store this user's operations would reach and the rule that chose it, so that an administrator
// can tell the machine-wide store from a private one.
std::string StoreInUse() {
#ifdef _WIN32
    return vexor::registry::storePath() + "\n(the system registry)\n";
#else
    using vexor::registry::kMachineStoreFolder;
    using Rule = vexor::registry::StoreLocation::Rule;
    const vexor::registry::StoreLocation location = vexor::registry::locateStore(kMachineStoreFolder);
    const std::string strWhy =
        location.rule == Rule::Environment ? "named by $VEXOR_REGISTRY"
        : location.rule == Rule::Machine
            ? std::string("the machine-wide store: the folder ") + kMachineStoreFolder + " exists"
            : std::string("this user's own store: there is no folder ") + kMachineStoreFolder;
    return location.path + "\n(" + strWhy + ")\n";
#endif
}

int Run(const std::vector<std::string>& words) {
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
    if (args.bVersion) {
        std::puts("vexor-reg " VEXOR_VERSION);
        return 0;
    }
    if (args.bStore) {
        std::fputs(StoreInUse().c_str(), stdout);
        return 0;
    }
    if (args.bUsage) {
        std::fputs(UsageText(args.eOperation).c_str(), stdout);
        return 0;
    }
    return RunCommand(args);
}

// No failure may end the tool without a message: what escapes the operations (memory running out,
// above all) is reported here, and the store's open transaction rolls back as the process ends.
int RunReporting(const std::vector<std::string>& words) {
    try {
        return Run(words);
    } catch (const std::bad_alloc&) {
        return ReportError("Not enough memory for this operation; nothing was changed.");
    } catch (const std::exception& error) {
        return ReportError(std::string("The operation failed unexpectedly (") + error.what() +
                           "); nothing was changed.");
    } catch (...) {
        return ReportError("The operation failed unexpectedly; nothing was changed.");
    }
}

} // namespace

#ifdef _WIN32
#include "platform/win32/text.h"

// Windows hands main() its arguments in the ANSI code page; the UTF-16 ones of wmain() become the
// tool's UTF-8, which its output stays in too.
int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        words.push_back(vexor::win32::narrow(argv[i]));
    return RunReporting(words);
}
#else
int main(int argc, char** argv) {
    return RunReporting(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
