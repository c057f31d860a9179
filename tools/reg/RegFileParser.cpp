#include "tools/reg/RegFileParser.h"

#include "tools/reg/HexList.h"
#include "tools/reg/KeyPath.h"
#include "tools/reg/RegFileLines.h"
#include "tools/reg/RegText.h"
#include "tools/reg/TextUtil.h"
#include "tools/reg/Utf16.h"

#include "platform/registry/registry.h"

#include <vector>

namespace {

constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeader4 = "REGEDIT4";

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    text = TrimLeft(text);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Nothing but blanks and an optional ";" comment may follow a complete entry.
bool IsBlankOrComment(std::string_view rest) {
    rest = TrimLeft(rest);
    return rest.empty() || rest.front() == ';';
}

class CRegFileParser {
  public:
    CRegFileParser(CRegFileLines& lines, CRegFile& file, CRegParseError& error)
        : m_lines(lines), m_file(file), m_error(error) {}

    bool Parse();

  private:
    bool Fail(std::string strMessage) { return FailAt(LineNumber(), std::move(strMessage)); }
    bool FailAt(int nLine, std::string strMessage);
    bool ParseHeader(std::string_view line);
    bool ParseLine(std::string_view line);
    bool ParseKey(std::string_view line);
    bool ParseValue(std::string_view line);
    bool ParseName(std::string_view& rest, std::string& strName);
    bool ParseData(std::string_view rest, CRegFileValue& value);
    bool ParseString(std::string_view rest, CRegFileValue& value);
    bool ParseDword(std::string_view rest, CRegFileValue& value);
    bool ParseHex(std::string_view rest, CRegFileValue& value);
    bool ParseHexType(std::string_view& rest, DWORD& dwType);
    bool ReadHexLines(std::string_view rest, std::string& bytes);
    bool ToStoreText(CRegFileValue& value);
    int LineNumber() const { return m_lines.LineNumber(); }

    CRegFileLines& m_lines;
    bool m_bUnicode = false; // the current format: text in hex(N) data is UTF-16LE
    CRegFile& m_file;
    CRegParseError& m_error;
};

bool CRegFileParser::FailAt(int nLine, std::string strMessage) {
    m_error.nLine = nLine;
    m_error.strMessage = std::move(strMessage);
    return false;
}

// A line the reader refuses sets the error's line; the end of the file leaves it 0.
bool CRegFileParser::Parse() {
    std::string_view line;
    if (!m_lines.Next(line, m_error) || !ParseHeader(line))
        return false;
    while (m_lines.Next(line, m_error)) {
        if (!ParseLine(line))
            return false;
    }
    return m_error.nLine == 0;
}

bool CRegFileParser::ParseHeader(std::string_view line) {
    const std::string_view header = Trim(line);
    m_bUnicode = header == kHeader5;
    if (m_bUnicode || header == kHeader4)
        return true;
    return Fail("not a registry file: the first line must be \"" + std::string(kHeader5) + "\" or \"" +
                std::string(kHeader4) + "\".");
}

bool CRegFileParser::ParseLine(std::string_view line) {
    line = TrimLeft(line);
    if (line.empty() || line.front() == ';' || line.front() == '#')
        return true;
    if (line.front() == '[')
        return ParseKey(line);
    if (line.front() == '"' || line.front() == '@')
        return ParseValue(line);
    return Fail("expected a [key] line, a value line (\"name\"=... or @=...) or a comment.");
}

bool CRegFileParser::ParseKey(std::string_view line) {
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos)
        return Fail("the key line has no closing \"]\".");
    if (!IsBlankOrComment(line.substr(close + 1)))
        return Fail("unexpected text after the key's \"]\".");
    std::string_view name = line.substr(1, close - 1);
    CRegFileKey key;
    key.nLine = LineNumber();
    key.bDelete = !name.empty() && name.front() == '-';
    if (key.bDelete)
        name.remove_prefix(1);
    CKeyPath path;
    std::string strError;
    if (!ParseKeyPath(name, path, strError))
        return Fail(strError);
    if (key.bDelete && path.IsRoot())
        return Fail("a root key can't be deleted.");
    if (!key.bDelete && !CheckNewName(path.strSubKey, "key", strError))
        return Fail(strError);
    key.strPath = path.FullPath();
    m_file.keys.push_back(std::move(key));
    return true;
}

bool CRegFileParser::ParseValue(std::string_view line) {
    if (m_file.keys.empty())
        return Fail("a value line before any [key] line.");
    if (m_file.keys.back().bDelete)
        return Fail("a value line below a [-key] deletion.");
    CRegFileValue value;
    value.nLine = LineNumber();
    std::string_view rest = line;
    if (!ParseName(rest, value.strName))
        return false;
    rest = TrimLeft(rest);
    if (rest.empty() || rest.front() != '=')
        return Fail("expected \"=\" after the value name.");
    if (!ParseData(TrimLeft(rest.substr(1)), value))
        return false;
    std::string strError;
    if (!value.bDelete && !CheckNewName(value.strName, "value", strError))
        return FailAt(value.nLine, strError);
    m_file.keys.back().values.push_back(std::move(value));
    return true;
}

bool CRegFileParser::ParseName(std::string_view& rest, std::string& strName) {
    if (rest.front() == '@') {
        rest.remove_prefix(1);
        strName.clear();
        return true;
    }
    std::string strError;
    if (!ParseQuotedText(rest, strName, strError))
        return Fail("in the value name: " + strError);
    return true;
}

bool CRegFileParser::ParseData(std::string_view rest, CRegFileValue& value) {
    if (!rest.empty() && rest.front() == '-') {
        value.bDelete = true;
        if (IsBlankOrComment(rest.substr(1)))
            return true;
        return Fail("unexpected text after \"=-\".");
    }
    if (!rest.empty() && rest.front() == '"')
        return ParseString(rest, value);
    if (StartsWithNoCase(rest, "dword:"))
        return ParseDword(rest.substr(6), value);
    if (StartsWithNoCase(rest, "hex"))
        return ParseHex(rest.substr(3), value);
    return Fail("unrecognised data: expected \"text\", dword:, hex:, hex(N): or - after \"=\".");
}

bool CRegFileParser::ParseString(std::string_view rest, CRegFileValue& value) {
    std::string strError;
    if (!ParseQuotedText(rest, value.data, strError))
        return Fail("in the data: " + strError);
    if (!IsBlankOrComment(rest))
        return Fail("unexpected text after the closing quote.");
    value.dwType = REG_SZ;
    value.data.push_back('\0');
    return true;
}

bool CRegFileParser::ParseDword(std::string_view rest, CRegFileValue& value) {
    std::size_t digits = 0;
    DWORD dwValue = 0;
    while (digits < rest.size() && HexDigitValue(rest[digits]) >= 0) {
        dwValue = (dwValue << 4) | static_cast<DWORD>(HexDigitValue(rest[digits]));
        ++digits;
    }
    if (digits == 0 || digits > 8)
        return Fail("dword: needs 1 to 8 hex digits.");
    if (!IsBlankOrComment(rest.substr(digits)))
        return Fail("unexpected text after the dword: digits.");
    value.dwType = REG_DWORD;
    value.data.clear();
    for (int i = 0; i < 4; ++i)
        value.data.push_back(static_cast<char>((dwValue >> (8 * i)) & 0xFF));
    return true;
}

bool CRegFileParser::ParseHexType(std::string_view& rest, DWORD& dwType) {
    if (!rest.empty() && rest.front() == ':') {
        dwType = REG_BINARY;
        rest.remove_prefix(1);
        return true;
    }
    const std::size_t close = rest.find("):");
    if (rest.empty() || rest.front() != '(' || close == std::string_view::npos || close < 2 || close > 9)
        return Fail("expected hex: or hex(N): with N as 1 to 8 hex digits.");
    dwType = 0;
    for (char c : rest.substr(1, close - 1)) {
        if (HexDigitValue(c) < 0)
            return Fail("the type in hex(N): must be hex digits.");
        dwType = (dwType << 4) | static_cast<DWORD>(HexDigitValue(c));
    }
    rest.remove_prefix(close + 2);
    return true;
}

bool CRegFileParser::ParseHex(std::string_view rest, CRegFileValue& value) {
    if (!ParseHexType(rest, value.dwType))
        return false;
    if (!ReadHexLines(rest, value.data))
        return false;
    return ToStoreText(value);
}

// Follows "\" continuations across lines; ";" comment lines between them are skipped.
bool CRegFileParser::ReadHexLines(std::string_view rest, std::string& bytes) {
    const int nFirstLine = LineNumber();
    for (;;) {
        bool bContinues = false;
        std::string strError;
        if (!ParseHexList(rest, bytes, bContinues, strError))
            return Fail(strError);
        if (!bContinues)
            return true;
        do {
            if (!m_lines.Next(rest, m_error))
                return m_error.nLine != 0 ? false
                                          : FailAt(nFirstLine, "the value's hex data end with \"\\\" but the "
                                                               "file ends there.");
            rest = TrimLeft(rest);
        } while (!rest.empty() && rest.front() == ';');
    }
}

bool CRegFileParser::ToStoreText(CRegFileValue& value) {
    if (!m_bUnicode || !IsTextType(value.dwType))
        return true;
    std::u16string text;
    if (!FromUtf16Le(value.data, text))
        return FailAt(value.nLine, "text in hex(1):, hex(2): and hex(7): data is UTF-16LE, so it needs an "
                                   "even number of bytes.");
    value.data = Utf16ToUtf8(text);
    return true;
}

} // namespace

bool ParseRegFile(std::string_view bytes, CRegFile& file, CRegParseError& error) {
    error = CRegParseError();
    CRegFileLines lines;
    if (!lines.Open(bytes, error))
        return false;
    CRegFile parsed;
    if (!CRegFileParser(lines, parsed, error).Parse())
        return false;
    file = std::move(parsed);
    return true;
}
