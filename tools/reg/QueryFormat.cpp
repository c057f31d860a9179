#include "tools/reg/QueryFormat.h"

#include "tools/reg/TextUtil.h"

#include "platform/registry/registry.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

constexpr const char* kIndent = "    ";
constexpr const char* kGap = "    ";

constexpr std::array<const char*, 12> kTypeNames = {"REG_NONE",
                                                    "REG_SZ",
                                                    "REG_EXPAND_SZ",
                                                    "REG_BINARY",
                                                    "REG_DWORD",
                                                    "REG_DWORD_BIG_ENDIAN",
                                                    "REG_LINK",
                                                    "REG_MULTI_SZ",
                                                    "REG_RESOURCE_LIST",
                                                    "REG_FULL_RESOURCE_DESCRIPTOR",
                                                    "REG_RESOURCE_REQUIREMENTS_LIST",
                                                    "REG_QWORD"};

constexpr DWORD kRegDwordBigEndian = 5;
constexpr DWORD kRegQword = 11;

std::uint64_t LittleEndian(const std::string& data) {
    std::uint64_t value = 0;
    for (std::size_t i = data.size(); i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(data[i]);
    return value;
}

std::string Hex(std::uint64_t value, const char* pszFormat) {
    char szText[32];
    std::snprintf(szText, sizeof(szText), pszFormat, static_cast<unsigned long long>(value));
    return szText;
}

std::string UpperHexBytes(const std::string& data) {
    std::string out;
    for (char c : data)
        out += Hex(static_cast<unsigned char>(c), "%02llX");
    return out;
}

std::string MultiString(const std::string& data) {
    std::string out, pending;
    for (char c : data) {
        if (c != '\0') {
            out += pending;
            pending.clear();
            out.push_back(c);
        } else {
            pending += "\\0"; // held back: trailing terminators are not shown
        }
    }
    return out;
}

bool IsNumber(DWORD dwType, std::size_t size) {
    return ((dwType == REG_DWORD || dwType == kRegDwordBigEndian) && size == 4) ||
           (dwType == kRegQword && size == 8);
}

std::string KeyBlock(const CRegFileKey& key) {
    std::string out = EscapeForDisplay(key.strPath) + "\n";
    for (const CRegFileValue& value : key.values)
        out += FormatQueryValueLine(value);
    return out + "\n";
}

} // namespace

std::string RegTypeName(DWORD dwType) {
    return dwType < kTypeNames.size() ? kTypeNames[dwType] : Hex(dwType, "0x%llx");
}

std::string FormatQueryData(DWORD dwType, const std::string& data) {
    if (dwType == REG_SZ || dwType == REG_EXPAND_SZ)
        return EscapeForDisplay(data.substr(0, data.find('\0')));
    if (dwType == REG_MULTI_SZ)
        return EscapeForDisplay(MultiString(data));
    if (IsNumber(dwType, data.size()))
        return Hex(LittleEndian(data), "0x%llx");
    return UpperHexBytes(data);
}

std::string FormatQueryValueLine(const CRegFileValue& value) {
    const std::string strName = value.strName.empty() ? "(Default)" : EscapeForDisplay(value.strName);
    return kIndent + strName + kGap + RegTypeName(value.dwType) + kGap +
           FormatQueryData(value.dwType, value.data) + "\n";
}

std::string FormatQueryKey(const CRegFileKey& key, const std::vector<std::string>& subKeyNames) {
    std::string out = "\n";
    if (!key.values.empty())
        out += KeyBlock(key);
    for (const std::string& strName : subKeyNames)
        out += EscapeForDisplay(key.strPath + "\\" + strName) + "\n";
    return out;
}

std::string FormatQueryTree(const std::vector<CRegFileKey>& keys) {
    std::string out = "\n";
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i > 0 || !keys[i].values.empty())
            out += KeyBlock(keys[i]);
    }
    return out;
}

std::string FormatQueryMatches(const std::vector<CRegFileKey>& keys, bool bSearch) {
    std::string out = "\n";
    for (const CRegFileKey& key : keys)
        out += KeyBlock(key);
    if (bSearch)
        out += "End of search: " + std::to_string(keys.size()) + " match(es) found.\n";
    return out;
}

std::string FormatQueryUnsetDefault(const std::string& strPath) {
    return "\n" + EscapeForDisplay(strPath) + "\n" + kIndent + "(Default)" + kGap + "REG_SZ" + kGap + "(value not set)\n\n";
}
