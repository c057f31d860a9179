#include "platform/registry/detail/access.h"

#include "platform/registry/registry.h"

namespace vexor::registry::detail {

namespace {
constexpr REGSAM kCreateLink = 0x0020;
constexpr REGSAM kDelete = 0x00010000;
constexpr REGSAM kWriteDac = 0x00040000;
constexpr REGSAM kWriteOwner = 0x00080000;
constexpr REGSAM kGenericRead = 0x80000000;
constexpr REGSAM kGenericWrite = 0x40000000;
constexpr REGSAM kGenericExecute = 0x20000000;
constexpr REGSAM kGenericAll = 0x10000000;

constexpr REGSAM kWriteRights =
    KEY_SET_VALUE | KEY_CREATE_SUB_KEY | kCreateLink | kDelete | kWriteDac | kWriteOwner;
} // namespace

REGSAM grantedRights(REGSAM desired) {
    REGSAM rights = desired & ~(kGenericRead | kGenericWrite | kGenericExecute | kGenericAll);
    if (desired & (kGenericRead | kGenericExecute))
        rights |= KEY_READ;
    if (desired & kGenericWrite)
        rights |= KEY_WRITE;
    if (desired & kGenericAll)
        rights |= KEY_ALL_ACCESS;
    return rights;
}

bool requestsWrite(REGSAM desired) {
    return (grantedRights(desired) & kWriteRights) != 0;
}

bool allows(REGSAM granted, REGSAM needed) {
    return (granted & needed) == needed;
}

} // namespace vexor::registry::detail
