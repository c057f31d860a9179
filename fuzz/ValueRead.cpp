#include "fuzz/ValueRead.h"

#include "store/RegKeyGuard.h"
#include "store/RegistryAccess.h"

#include <vector>

namespace {

const char* const kSubKey = "VexorFuzz";
const char* const kValueName = "Wert";

// Bytes after the caller's buffer that nobody may write.
constexpr std::size_t kGuardSize = 16;
constexpr BYTE kUntouched = 0xA5;

struct CStoredValue {
    DWORD dwType = 0;
    std::string data;
    DWORD cbBuffer = 0;
};

CStoredValue Decode(std::string_view input) {
    CStoredValue value;
    if (!input.empty())
        value.cbBuffer = static_cast<unsigned char>(input[0]);
    for (std::size_t i = 1; i < 5 && i < input.size(); ++i)
        value.dwType |= static_cast<DWORD>(static_cast<unsigned char>(input[i])) << (8 * (i - 1));
    value.data = input.size() > 5 ? input.substr(5) : std::string_view();
    return value;
}

std::string Status(const char* pszCall, LONG status) {
    return std::string(pszCall) + " returned status " + std::to_string(status);
}

std::string Store(HKEY hKey, const CStoredValue& value) {
    const LONG status =
        RegSetValueExA(hKey, kValueName, 0, value.dwType, reinterpret_cast<const BYTE*>(value.data.data()),
                       static_cast<DWORD>(value.data.size()));
    return status == ERROR_SUCCESS ? "" : Status("RegSetValueExA", status);
}

std::string CheckSizeQuery(HKEY hKey, const CStoredValue& value) {
    DWORD dwType = 0;
    DWORD cbData = 0;
    const LONG status = RegQueryValueExA(hKey, kValueName, nullptr, &dwType, nullptr, &cbData);
    if (status != ERROR_SUCCESS)
        return Status("RegQueryValueExA for the size", status);
    if (dwType != value.dwType || cbData != value.data.size())
        return "RegQueryValueExA reports type " + std::to_string(dwType) + " and " + std::to_string(cbData) +
               " bytes for a value of type " + std::to_string(value.dwType) + " with " +
               std::to_string(value.data.size()) + " bytes";
    return "";
}

// A buffer too small is refused with the size needed; one large enough gets exactly the data. Either
// way nothing past the data, and nothing past the buffer, is written.
std::string CheckBufferQuery(HKEY hKey, const CStoredValue& value) {
    std::vector<BYTE> buffer(value.cbBuffer + kGuardSize, kUntouched);
    DWORD cbData = value.cbBuffer;
    const LONG status = RegQueryValueExA(hKey, kValueName, nullptr, nullptr, buffer.data(), &cbData);
    const bool fits = value.cbBuffer >= value.data.size();
    if (status != (fits ? ERROR_SUCCESS : ERROR_MORE_DATA))
        return Status(fits ? "RegQueryValueExA into a buffer large enough"
                           : "RegQueryValueExA into a small buffer",
                      status);
    if (cbData != value.data.size())
        return "RegQueryValueExA reports " + std::to_string(cbData) + " bytes for " +
               std::to_string(value.data.size());
    if (fits && value.data.compare(0, value.data.size(), reinterpret_cast<const char*>(buffer.data()),
                                   value.data.size()) != 0)
        return "RegQueryValueExA delivers other bytes than were stored";
    const std::size_t firstUntouched = fits ? value.data.size() : value.cbBuffer;
    for (std::size_t i = firstUntouched; i < buffer.size(); ++i) {
        if (buffer[i] != kUntouched)
            return "RegQueryValueExA wrote byte " + std::to_string(i) + " of a " +
                   std::to_string(value.cbBuffer) + "-byte buffer for " + std::to_string(value.data.size()) +
                   " bytes of data";
    }
    return "";
}

// Text is REG_SZ only and ends at the first NUL or with the data; anything else reads as "".
std::string CheckString(const CStoredValue& value) {
    const std::string expected =
        value.dwType == REG_SZ ? value.data.substr(0, value.data.find('\0')) : std::string();
    if (ReadRegString(HKEY_CLASSES_ROOT, kSubKey, kValueName, __FILE__, __LINE__) != expected)
        return "ReadRegString gives other text than the data up to its first NUL";
    return "";
}

// A number is REG_DWORD or REG_BINARY data of at most 4 bytes, little-endian and zero-extended; longer
// data and other types read as 0.
std::string CheckDword(const CStoredValue& value) {
    DWORD dwExpected = 0;
    if ((value.dwType == REG_DWORD || value.dwType == REG_BINARY) && value.data.size() <= 4) {
        for (std::size_t i = 0; i < value.data.size(); ++i)
            dwExpected |= static_cast<DWORD>(static_cast<unsigned char>(value.data[i])) << (8 * i);
    }
    const DWORD dwRead = ReadRegDword(HKEY_CLASSES_ROOT, kSubKey, kValueName, __FILE__, __LINE__);
    if (dwRead != dwExpected)
        return "ReadRegDword gives " + std::to_string(dwRead) + " instead of " + std::to_string(dwExpected);
    return "";
}

} // namespace

std::string CheckValueRead(std::string_view input) {
    const CStoredValue value = Decode(input);
    CRegKeyGuard key;
    const LONG status = RegCreateKeyExA(HKEY_CLASSES_ROOT, kSubKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr);
    if (status != ERROR_SUCCESS)
        return Status("RegCreateKeyExA", status);
    for (auto check : {Store, CheckSizeQuery, CheckBufferQuery}) {
        const std::string strFault = check(key.Get(), value);
        if (!strFault.empty())
            return strFault;
    }
    for (auto check : {CheckString, CheckDword}) {
        const std::string strFault = check(value);
        if (!strFault.empty())
            return strFault;
    }
    return "";
}
