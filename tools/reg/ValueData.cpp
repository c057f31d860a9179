#include "tools/reg/ValueData.h"

#include "tools/reg/TextUtil.h"

#include "platform/registry/registry.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

struct CTypeName {
    const char* pszName;
    DWORD dwType;
};

constexpr std::array<CTypeName, 6> kTypes = {{{"REG_SZ", REG_SZ},
                                              {"REG_EXPAND_SZ", REG_EXPAND_SZ},
                                              {"REG_MULTI_SZ", REG_MULTI_SZ},
                                              {"REG_DWORD", REG_DWORD},
                                              {"REG_BINARY", REG_BINARY},
                                              {"REG_NONE", REG_NONE}}};

constexpr std::string_view kMultiSeparator = "\\0";

bool ParseDigits(std::string_view digits, int base, DWORD& dwValue) {
    if (digits.empty())
        return false;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || digit >= base)
            return false;
        value = value * base + digit;
        if (value > 0xFFFFFFFFu)
            return false;
    }
    dwValue = static_cast<DWORD>(value);
    return true;
}

bool MakeDword(const std::string* pData, std::string& bytes, std::string& strError) {
    DWORD dwValue = 0;
    const std::string_view text = pData ? std::string_view(*pData) : std::string_view();
    const bool bHex = StartsWithNoCase(text, "0x");
    if (!ParseDigits(bHex ? text.substr(2) : text, bHex ? 16 : 10, dwValue)) {
        strError =
            "REG_DWORD data must be a number from 0 to 4294967295, decimal or 0x-hex (/d 31 or /d 0x1f).";
        return false;
    }
    bytes.clear();
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<char>((dwValue >> (8 * i)) & 0xFF));
    return true;
}

// An odd count of digits gets a leading zero nibble, as reg.exe does ("abc" is 0a,bc).
bool MakeBinary(std::string_view text, std::string& bytes, std::string& strError) {
    const std::string digits = (text.size() % 2 ? "0" : "") + std::string(text);
    bytes.clear();
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = HexDigitValue(digits[i]), low = HexDigitValue(digits[i + 1]);
        if (high < 0 || low < 0) {
            strError = "REG_BINARY data must be hex digits only (/d 0102ab), without 0x or blanks.";
            return false;
        }
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return true;
}

std::vector<std::string_view> SplitMulti(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(kMultiSeparator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + kMultiSeparator.size();
    }
}

// "a\0b" is a, b; one trailing "\0" is allowed; an empty string inside the list would end it early
// for every reader, so it is refused. "" is the empty list, "\0" a list of one empty string.
bool MakeMulti(std::string_view text, std::string& bytes, std::string& strError) {
    bytes.clear();
    if (text.empty()) {
        bytes.push_back('\0');
        return true;
    }
    std::vector<std::string_view> parts = SplitMulti(text);
    if (parts.size() > 1 && parts.back().empty())
        parts.pop_back();
    for (std::string_view part : parts) {
        if (part.empty() && parts.size() > 1) {
            strError = "REG_MULTI_SZ data can't hold an empty string between \\0 separators.";
            return false;
        }
        bytes.append(part);
        bytes.push_back('\0');
    }
    bytes.push_back('\0');
    return true;
}

} // namespace

bool ParseTypeName(std::string_view name, DWORD& dwType) {
    for (const CTypeName& type : kTypes) {
        if (EqualsNoCase(name, type.pszName)) {
            dwType = type.dwType;
            return true;
        }
    }
    return false;
}

bool MakeValueData(DWORD dwType, const std::string* pData, std::string& bytes, std::string& strError) {
    const std::string_view text = pData ? std::string_view(*pData) : std::string_view();
    switch (dwType) {
    case REG_DWORD:
        return MakeDword(pData, bytes, strError);
    case REG_BINARY:
        return MakeBinary(text, bytes, strError);
    case REG_MULTI_SZ:
        return MakeMulti(text, bytes, strError);
    default: // REG_SZ, REG_EXPAND_SZ and REG_NONE hold the text with its NUL
        bytes = std::string(text) + '\0';
        return true;
    }
}
