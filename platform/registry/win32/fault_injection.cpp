// The test hooks on Windows: every change the calls make to the registry (a key created, a value set,
// each deletion a commit carries out) counts as one operation. A chosen one can fail instead of being
// made, as a registry that is busy or full fails it, or the process can be ended just before it, as
// TerminateProcess ends it: at once, with nothing flushed or cleaned up, like a kill. And the keys can
// refuse every change, as they do for a user without the right to change them.
#include "platform/registry/fault_injection.h"

#include "platform/registry/win32/journal.h"

namespace vexor::registry {

namespace {
std::uint64_t g_operationCount = 0;
std::uint64_t g_exitAt = 0;
int g_exitCode = 0;
std::uint64_t g_failAt = 0;
LONG g_failStatus = ERROR_SUCCESS;
bool g_notWritable = false;
} // namespace

LONG win32::beforeChange() {
    if (g_notWritable)
        return ERROR_ACCESS_DENIED;
    if (++g_operationCount == g_exitAt)
        TerminateProcess(GetCurrentProcess(), static_cast<UINT>(g_exitCode));
    if (g_operationCount != g_failAt)
        return ERROR_SUCCESS;
    g_failAt = 0;
    return g_failStatus;
}

LONG win32::refuseWriteAccess(REGSAM access) {
    constexpr REGSAM kChanges = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK | DELETE | WRITE_DAC | WRITE_OWNER;
    return g_notWritable && (access & kChanges) ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

std::uint64_t testing::operationCount() {
    return g_operationCount;
}

void testing::failAtOperation(std::uint64_t k, LONG status) {
    g_failAt = g_operationCount + k;
    g_failStatus = status;
}

void testing::exitAtOperation(std::uint64_t k, int exitCode) {
    g_exitAt = g_operationCount + k;
    g_exitCode = exitCode;
}

void testing::clearFaults() {
    g_failAt = 0;
    g_exitAt = 0;
}

void testing::pretendStoreNotWritable(bool notWritable) {
    g_notWritable = notWritable;
}

} // namespace vexor::registry
