#include "tools/reg/Status.h"

#include "tools/reg/TextUtil.h"

#include "platform/registry/store.h"

namespace {

const char* StatusSentence(LONG status) {
    switch (status) {
    case ERROR_FILE_NOT_FOUND:
        return "The system was unable to find the specified registry key or value.";
    case ERROR_ACCESS_DENIED:
        return "Access is denied.";
    case ERROR_INVALID_PARAMETER:
    case ERROR_BAD_PATHNAME:
        return "The registry refused the key or value name (empty, too long or not allowed).";
    case ERROR_BUSY:
        return "The registry store is busy with another program's change; try again.";
    case ERROR_BADDB:
    case ERROR_REGISTRY_CORRUPT:
        return "The registry store is damaged or is not a registry store.";
    case ERROR_CANTREAD:
        return "The registry store could not be read.";
    case ERROR_CANTWRITE:
    case ERROR_WRITE_FAULT:
        return "The registry store could not be written.";
    case ERROR_NOT_ENOUGH_MEMORY:
        return "Not enough memory.";
    case ERROR_KEY_DELETED:
        return "The key was deleted by another program meanwhile.";
    case ERROR_INVALID_HANDLE:
        return "The key is no longer open (the registry store was closed meanwhile).";
    case ERROR_NO_UNICODE_TRANSLATION:
        return "The text holds characters this computer's code page can't store.";
    default:
        return nullptr;
    }
}

bool IsStoreFault(LONG status) {
    return status == ERROR_BADDB || status == ERROR_REGISTRY_CORRUPT || status == ERROR_CANTREAD ||
           status == ERROR_CANTWRITE || status == ERROR_WRITE_FAULT;
}

} // namespace

// The store's sentence names its file and says what is wrong with it, so for a fault of the file it
// is the whole message; for a refusal it follows the refusal.
std::string DescribeStatus(LONG status) {
    const std::string strStore = status == ERROR_FILE_NOT_FOUND ? "" : vexor::registry::lastStoreError();
    if (IsStoreFault(status) && !strStore.empty())
        return strStore;
    const char* pszSentence = StatusSentence(status);
    std::string strText =
        pszSentence ? pszSentence
                    : "The registry failed for a reason it did not name (Windows error code " +
                          std::to_string(status) + ").";
    return strStore.empty() ? strText : strText + " " + strStore;
}

std::string DescribeFailure(const std::string& strAction, LONG status) {
    return "Cannot " + EscapeForDisplay(strAction) + ": " + DescribeStatus(status);
}
