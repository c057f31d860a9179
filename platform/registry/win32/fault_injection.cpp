// The crash point of the test hooks on Windows: every change the calls make to the registry (a key
// created, a value set, each deletion a commit carries out) counts as one operation, and the process
// can be ended just before a chosen one, as TerminateProcess ends it: at once, with nothing flushed
// or cleaned up, like a kill.
#include "platform/registry/fault_injection.h"

#include "platform/registry/win32/journal.h"

namespace vexor::registry {

namespace {
std::uint64_t g_operationCount = 0;
std::uint64_t g_exitAt = 0;
int g_exitCode = 0;
} // namespace

void win32::beforeChange() {
    if (++g_operationCount == g_exitAt)
        TerminateProcess(GetCurrentProcess(), static_cast<UINT>(g_exitCode));
}

std::uint64_t testing::operationCount() {
    return g_operationCount;
}

void testing::exitAtOperation(std::uint64_t k, int exitCode) {
    g_exitAt = g_operationCount + k;
    g_exitCode = exitCode;
}

} // namespace vexor::registry
