#include "store/RegistryAccess.h"

#include "platform/cursor.h"
#include "store/RegKeyGuard.h"

#include <array>

DWORD g_regEnumIndex = 0;

namespace {

// Names are read into a buffer of this many characters, NUL included: a longer name ends the
// enumeration as if there were no further items.
constexpr DWORD kNameBufferChars = 1000;

// Each step may take a while on a large store; the wait cursor shows while it runs and the arrow
// comes back on every way out.
class CWaitCursorScope {
  public:
    CWaitCursorScope() { SetCursor(LoadCursorA(nullptr, IDC_WAIT)); }
    ~CWaitCursorScope() { SetCursor(LoadCursorA(nullptr, IDC_ARROW)); }
    CWaitCursorScope(const CWaitCursorScope&) = delete;
    CWaitCursorScope& operator=(const CWaitCursorScope&) = delete;
};

enum class EnumKind { SubKeys, ValueNames };

// Fetches the name at g_regEnumIndex into buffer and moves the index on; at the end (or when the key
// doesn't open) the index starts again at 0 for the next enumeration.
bool FetchNext(EnumKind kind, HKEY hRoot, const std::string& strSubKey, std::array<char, kNameBufferChars>& buffer) {
    CRegKeyGuard key;
    LONG status = RegOpenKeyExA(hRoot, strSubKey.c_str(), 0, KEY_ALL_ACCESS, key.Receive());
    g_lastRegStatus = status;
    if (status == ERROR_SUCCESS) {
        DWORD cchName = kNameBufferChars;
        if (kind == EnumKind::SubKeys)
            status = RegEnumKeyExA(key.Get(), g_regEnumIndex, buffer.data(), &cchName, nullptr, nullptr, nullptr,
                                   nullptr);
        else
            status = RegEnumValueA(key.Get(), g_regEnumIndex, buffer.data(), &cchName, nullptr, nullptr, nullptr,
                                   nullptr);
    }
    ++g_regEnumIndex;
    if (status != ERROR_SUCCESS) {
        g_regEnumIndex = 0;
        return false;
    }
    return true;
}

} // namespace

// The caller tells a delivered name from the end by comparing the output with the path it passed:
// at the end the output is that path.
BOOL EnumRegSubKey(HKEY hRoot, const std::string& strSubKey, std::string& strOutput) {
    CWaitCursorScope waitCursor;
    std::array<char, kNameBufferChars> buffer{};
    if (!FetchNext(EnumKind::SubKeys, hRoot, strSubKey, buffer)) {
        strOutput = strSubKey;
        return FALSE;
    }
    strOutput = buffer.data();
    return TRUE;
}

BOOL EnumRegValueName(HKEY hRoot, const std::string& strSubKey, std::string& strOutput) {
    CWaitCursorScope waitCursor;
    std::array<char, kNameBufferChars> buffer{};
    if (!FetchNext(EnumKind::ValueNames, hRoot, strSubKey, buffer))
        return FALSE;
    strOutput = buffer.data();
    return TRUE;
}
