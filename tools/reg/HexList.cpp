#include "tools/reg/HexList.h"

#include "tools/reg/TextUtil.h"

namespace {

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
}

// One or two hex digits; more would make the byte ambiguous.
bool ParseByte(std::string_view text, std::size_t& pos, std::string& bytes) {
    int value = 0;
    std::size_t digits = 0;
    while (pos < text.size() && HexDigitValue(text[pos]) >= 0 && digits < 2) {
        value = value * 16 + HexDigitValue(text[pos++]);
        ++digits;
    }
    if (digits == 0)
        return false;
    bytes.push_back(static_cast<char>(value));
    return true;
}

bool EndsHere(std::string_view text, std::size_t pos) {
    return pos == text.size() || text[pos] == ';' || text[pos] == '\\';
}

bool ParseContinuation(std::string_view text, std::size_t pos, bool& bContinues, std::string& strError) {
    bContinues = text[pos] == '\\';
    if (!bContinues)
        return true; // a comment
    SkipBlanks(text, ++pos);
    if (pos == text.size() || text[pos] == ';')
        return true;
    strError = "unexpected text after the \"\\\" that continues the hex data.";
    return false;
}

} // namespace

bool ParseHexList(std::string_view text, std::string& bytes, bool& bContinues, std::string& strError) {
    std::size_t pos = 0;
    for (;;) {
        SkipBlanks(text, pos);
        if (EndsHere(text, pos))
            break;
        if (!ParseByte(text, pos, bytes)) {
            strError = "expected a hex byte (two hex digits) in the hex data.";
            return false;
        }
        SkipBlanks(text, pos);
        if (EndsHere(text, pos))
            break;
        if (text[pos++] != ',') {
            strError = "hex bytes must be separated by commas.";
            return false;
        }
    }
    bContinues = false;
    return pos == text.size() || ParseContinuation(text, pos, bContinues, strError);
}
