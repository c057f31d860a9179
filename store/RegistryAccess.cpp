#include "store/RegistryAccess.h"

#include "store/RegKeyGuard.h"

#include <algorithm>
#include <cstring>
#include <vector>

LONG g_lastRegStatus = ERROR_SUCCESS;

namespace {

LONG Record(LONG status) {
    g_lastRegStatus = status;
    return status;
}

// Every key is opened with full access, for reads and tests too: a key that doesn't grant it counts as
// missing.
bool OpenFull(HKEY hRoot, const std::string& strSubKey, CRegKeyGuard& key) {
    return Record(RegOpenKeyExA(hRoot, strSubKey.c_str(), 0, KEY_ALL_ACCESS, key.Receive())) == ERROR_SUCCESS;
}

bool QueryTypeAndSize(HKEY hKey, const std::string& strValueName, DWORD& dwType, DWORD& cbData) {
    return Record(RegQueryValueExA(hKey, strValueName.c_str(), nullptr, &dwType, nullptr, &cbData)) ==
           ERROR_SUCCESS;
}

// The value's bytes when it still has the type asked for. The value may change between the size query
// and the read (another program writes the same keys), so a grown value is asked for again. Whatever
// ends the read early stays in g_lastRegStatus, so that a failed read never passes for a missing
// value: a value that keeps growing ends with ERROR_MORE_DATA. A value of another type is no failure.
bool ReadData(HKEY hKey, const std::string& strValueName, DWORD dwWantedType, std::vector<BYTE>& data) {
    DWORD dwType = 0;
    DWORD cbData = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!QueryTypeAndSize(hKey, strValueName, dwType, cbData) || dwType != dwWantedType)
            return false;
        data.assign(cbData, 0);
        const LONG status =
            Record(RegQueryValueExA(hKey, strValueName.c_str(), nullptr, &dwType, data.data(), &cbData));
        if (status == ERROR_SUCCESS && dwType == dwWantedType) {
            data.resize(cbData);
            return true;
        }
        if (status != ERROR_MORE_DATA)
            return false;
    }
    return false;
}

BOOL WriteValue(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName, DWORD dwType,
                const BYTE* pData, DWORD cbData) {
    CRegKeyGuard key;
    if (Record(RegCreateKeyExA(hRoot, strSubKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                               nullptr, key.Receive(), nullptr)) != ERROR_SUCCESS)
        return TRUE;
    Record(RegSetValueExA(key.Get(), strValueName.c_str(), 0, dwType, pData, cbData));
    return TRUE;
}

} // namespace

std::string ReadRegString(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName,
                          const char*, int) {
    CRegKeyGuard key;
    std::vector<BYTE> data;
    if (!OpenFull(hRoot, strSubKey, key) || !ReadData(key.Get(), strValueName, REG_SZ, data))
        return "";
    // The text ends at the first NUL or at the end of the data, whichever comes first. Empty data have
    // no buffer at all, so nothing may look at data.data().
    return std::string(data.begin(), std::find(data.begin(), data.end(), BYTE(0)));
}

// A number is 32 bits, little-endian. Data shorter than 4 bytes are read as the number their bytes
// make (zero-extended); longer data are no 32-bit number at all and read as 0, like a missing value,
// rather than guessing which 4 bytes were meant.
DWORD ReadRegDword(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName, const char*,
                   int) {
    CRegKeyGuard key;
    DWORD dwType = 0;
    DWORD cbData = 0;
    if (!OpenFull(hRoot, strSubKey, key) || !QueryTypeAndSize(key.Get(), strValueName, dwType, cbData))
        return 0;
    if ((dwType != REG_DWORD && dwType != REG_BINARY) || cbData > 4)
        return 0;
    std::vector<BYTE> data;
    if (!ReadData(key.Get(), strValueName, dwType, data) || data.size() > 4)
        return 0;
    DWORD dwValue = 0;
    for (std::size_t i = 0; i < data.size(); ++i)
        dwValue |= static_cast<DWORD>(data[i]) << (8 * i);
    return dwValue;
}

// The text is stored with its terminating NUL, so "" is one zero byte.
BOOL WriteRegString(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName,
                    const std::string& strData, DWORD dwType, const char*, int) {
    const DWORD cbData = static_cast<DWORD>(std::strlen(strData.c_str()) + 1);
    return WriteValue(hRoot, strSubKey, strValueName, dwType, reinterpret_cast<const BYTE*>(strData.c_str()),
                      cbData);
}

BOOL WriteRegDword(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName, DWORD dwData,
                   DWORD dwType, const char*, int) {
    const BYTE bytes[4] = {static_cast<BYTE>(dwData), static_cast<BYTE>(dwData >> 8),
                           static_cast<BYTE>(dwData >> 16), static_cast<BYTE>(dwData >> 24)};
    return WriteValue(hRoot, strSubKey, strValueName, dwType, bytes, sizeof bytes);
}

BOOL DeleteRegValue(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName) {
    CRegKeyGuard key;
    if (!OpenFull(hRoot, strSubKey, key))
        return FALSE;
    return Record(RegDeleteValueA(key.Get(), strValueName.c_str())) == ERROR_SUCCESS;
}

BOOL DeleteRegTree(HKEY hRoot, const std::string& strParentKey, const std::string& strKeyName) {
    CRegKeyGuard key;
    if (!OpenFull(hRoot, strParentKey, key))
        return FALSE;
    return Record(static_cast<LONG>(SHDeleteKeyA(key.Get(), strKeyName.c_str()))) == ERROR_SUCCESS;
}

BOOL RegValueExists(HKEY hRoot, const std::string& strSubKey, const std::string& strValueName, const char*,
                    int) {
    CRegKeyGuard key;
    DWORD dwType = 0;
    DWORD cbData = 0;
    return OpenFull(hRoot, strSubKey, key) && QueryTypeAndSize(key.Get(), strValueName, dwType, cbData);
}

BOOL RegKeyExists(HKEY hRoot, const std::string& strSubKey, const char*, int) {
    CRegKeyGuard key;
    return OpenFull(hRoot, strSubKey, key);
}
