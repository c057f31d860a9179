#include "tools/reg/RegFileWriter.h"

#include "tools/reg/RegText.h"
#include "tools/reg/TextUtil.h"
#include "tools/reg/Utf16.h"

#include "platform/registry/registry.h"

#include <cstdio>

namespace {

constexpr std::u16string_view kCrLf = u"\r\n";

// regedit breaks a hex line once it reaches this many characters, so that with the trailing
// backslash no line is longer than 80 columns.
constexpr std::size_t kHexLineLimit = 77;

std::u16string Ascii(std::string_view text) {
    return std::u16string(text.begin(), text.end());
}

std::u16string Quoted(std::string_view bytes) {
    return u"\"" + Utf8ToUtf16(EscapeQuoted(bytes)) + u"\"";
}

std::u16string HexType(DWORD dwType) {
    if (dwType == REG_BINARY)
        return u"hex:";
    char szType[16];
    std::snprintf(szType, sizeof(szType), "hex(%x):", static_cast<unsigned>(dwType));
    return Ascii(szType);
}

std::u16string HexBytes(std::string_view bytes, std::size_t lineLength) {
    std::u16string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out += Ascii(HexByte(static_cast<unsigned char>(bytes[i])));
        if (i + 1 == bytes.size())
            break;
        out += u',';
        lineLength += 3;
        if (lineLength >= kHexLineLimit) {
            out += u"\\\r\n  ";
            lineLength = 2;
        }
    }
    return out;
}

std::u16string Dword(std::string_view data) {
    DWORD dwValue = 0;
    for (std::size_t i = 0; i < 4; ++i)
        dwValue |= DWORD(static_cast<unsigned char>(data[i])) << (8 * i);
    char szValue[16];
    std::snprintf(szValue, sizeof(szValue), "dword:%08x", static_cast<unsigned>(dwValue));
    return Ascii(szValue);
}

std::u16string ValueName(const CRegFileValue& value) {
    return value.strName.empty() ? u"@=" : Quoted(value.strName) + u"=";
}

bool CheckName(std::string_view name, std::string_view what, std::string& strError) {
    if (name.find_first_of("\r\n") == std::string_view::npos)
        return true;
    strError = std::string(what) + " holds a line break, which a .reg file cannot carry.";
    return false;
}

bool WriteKey(const CRegFileKey& key, std::u16string& text, std::string& strError) {
    if (!CheckName(key.strPath, "The key \"" + key.strPath + "\"", strError))
        return false;
    text += (key.bDelete ? u"[-" : u"[") + Utf8ToUtf16(key.strPath) + u"]" + std::u16string(kCrLf);
    for (const CRegFileValue& value : key.values) {
        if (!CheckName(value.strName, "A value name in \"" + key.strPath + "\"", strError))
            return false;
        const std::u16string prefix = ValueName(value);
        text +=
            prefix + (value.bDelete ? u"-" : FormatValueData(value, prefix.size())) + std::u16string(kCrLf);
    }
    text += kCrLf;
    return true;
}

} // namespace

std::u16string FormatValueData(const CRegFileValue& value, std::size_t prefixLength) {
    if (value.dwType == REG_SZ && IsQuotableString(value.data))
        return Quoted(std::string_view(value.data).substr(0, value.data.size() - 1));
    if (value.dwType == REG_DWORD && value.data.size() == 4)
        return Dword(value.data);
    const std::u16string type = HexType(value.dwType);
    const std::string bytes = IsTextType(value.dwType) ? ToUtf16Le(Utf8ToUtf16(value.data)) : value.data;
    return type + HexBytes(bytes, prefixLength + type.size());
}

bool WriteRegFile(const CRegFile& file, std::string& bytes, std::string& strError) {
    std::u16string text = u"\uFEFFWindows Registry Editor Version 5.00";
    text += kCrLf;
    text += kCrLf;
    for (const CRegFileKey& key : file.keys) {
        if (!WriteKey(key, text, strError))
            return false;
    }
    bytes = ToUtf16Le(text);
    return true;
}
