#include "platform/registry/fault_injection.h"

#include "platform/registry/detail/db.h"
#include "platform/registry/detail/store_state.h"

#include <limits>
#include <unistd.h>

namespace vexor::registry::detail {

std::uint64_t g_operationCount = 0;
std::uint64_t g_faultAtOperation = std::numeric_limits<std::uint64_t>::max();

namespace {
LONG g_faultStatus = ERROR_SUCCESS;
bool g_exitAtFault = false;
int g_faultExitCode = 0;
bool g_notWritable = false;
int g_busyTimeout = 5000;
} // namespace

LONG triggerFault() {
    if (g_exitAtFault)
        _exit(g_faultExitCode);
    const LONG status = g_faultStatus;
    testing::clearFaults();
    return status;
}

bool storeDeclaredNotWritable() {
    return g_notWritable;
}
int busyTimeoutMilliseconds() {
    return g_busyTimeout;
}

} // namespace vexor::registry::detail

namespace vexor::registry::testing {

using namespace vexor::registry::detail;

std::uint64_t operationCount() {
    return g_operationCount;
}

void failAtOperation(std::uint64_t k, LONG status) {
    g_faultAtOperation = g_operationCount + k;
    g_faultStatus = status;
    g_exitAtFault = false;
}

void exitAtOperation(std::uint64_t k, int exitCode) {
    g_faultAtOperation = g_operationCount + k;
    g_exitAtFault = true;
    g_faultExitCode = exitCode;
}

void clearFaults() {
    g_faultAtOperation = std::numeric_limits<std::uint64_t>::max();
    g_faultStatus = ERROR_SUCCESS;
    g_exitAtFault = false;
}

void pretendStoreNotWritable(bool notWritable) {
    g_notWritable = notWritable;
}
void setBusyTimeout(int milliseconds) {
    g_busyTimeout = milliseconds;
}

std::uint64_t rowsWrittenByLastCommit() {
    return Store::instance().lastCommitRows();
}

} // namespace vexor::registry::testing
