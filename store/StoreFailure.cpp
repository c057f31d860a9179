#include "store/StoreFailure.h"

namespace {

// Windows' codes for a full disk; the store reports them as the registry does.
constexpr LONG kDiskFull = 112L;
constexpr LONG kHandleDiskFull = 39L;

const char* Cause(LONG status) {
    switch (status) {
    case ERROR_BUSY: return "Die Registrierungsdatenbank ist von einem anderen Programm gesperrt.";
    case ERROR_ACCESS_DENIED: return "Sie haben keine Berechtigung, die Registrierungsdatenbank zu ändern.";
    case kDiskFull:
    case kHandleDiskFull: return "Auf dem Datenträger ist kein Platz mehr frei.";
    case ERROR_BADDB:
    case ERROR_REGISTRY_CORRUPT: return "Die Registrierungsdatenbank ist beschädigt.";
    case ERROR_CANTREAD: return "Die Registrierungsdatenbank konnte nicht gelesen werden.";
    case ERROR_CANTWRITE:
    case ERROR_WRITE_FAULT: return "Die Registrierungsdatenbank konnte nicht geschrieben werden.";
    case ERROR_NOT_ENOUGH_MEMORY: return "Der Arbeitsspeicher reicht nicht aus.";
    default: return "Die Registrierungsdatenbank hat einen Fehler gemeldet.";
    }
}

} // namespace

BOOL IsMissingStatus(LONG status) { return status == ERROR_FILE_NOT_FOUND || status == ERROR_ACCESS_DENIED; }

std::string DescribeStoreFailure(LONG status) {
    return std::string(Cause(status)) + " (Fehler " + std::to_string(status) + ")";
}
