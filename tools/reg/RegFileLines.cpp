#include "tools/reg/RegFileLines.h"

#include "tools/reg/Utf16.h"

namespace {

constexpr std::string_view kBomUtf16Le = "\xFF\xFE";
constexpr std::string_view kBomUtf16Be = "\xFE\xFF";
constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";

bool Fail(CRegParseError& error, std::size_t lineCount, std::string strMessage) {
    error.nLine = static_cast<int>(lineCount) + 1;
    error.strMessage = std::move(strMessage);
    return false;
}

// The text of a UTF-16LE file as store bytes; UTF-16 that isn't valid keeps its units (see Utf16.h).
bool DecodeUtf16(std::string_view bytes, std::string& text, CRegParseError& error) {
    std::u16string units;
    if (!FromUtf16Le(bytes, units)) {
        std::size_t newlines = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            newlines += bytes[i] == '\n' && bytes[i + 1] == 0;
        return Fail(error, newlines, "the file ends in the middle of a UTF-16 character.");
    }
    text = Utf16ToUtf8(units);
    return true;
}

} // namespace

bool CRegFileLines::Open(std::string_view bytes, CRegParseError& error) {
    const bool bUtf16 = bytes.substr(0, 2) == kBomUtf16Le;
    if (bytes.substr(0, 2) == kBomUtf16Be)
        return Fail(error, 0,
                    "UTF-16 big-endian files are not supported; save the file as UTF-16LE or UTF-8.");
    if (bUtf16 && !DecodeUtf16(bytes.substr(2), m_decoded, error))
        return false;
    m_text = bUtf16 ? std::string_view(m_decoded) : bytes.substr(bytes.substr(0, 3) == kBomUtf8 ? 3 : 0);
    m_bUtf8 = !bUtf16;
    m_next = 0;
    m_nLine = 0;
    return true;
}

// A final line break ends the last line; it doesn't start another one. An empty file is one empty
// line.
bool CRegFileLines::Next(std::string_view& line, CRegParseError& error) {
    if (m_next >= m_text.size() && !(m_next == 0 && m_nLine == 0))
        return false;
    std::size_t end = m_text.find('\n', m_next);
    if (end == std::string_view::npos)
        end = m_text.size();
    line = m_text.substr(m_next, end - m_next);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    m_next = end + 1;
    if (line.find('\0') != std::string_view::npos)
        return Fail(error, static_cast<std::size_t>(m_nLine), "the line holds a NUL character.");
    if (m_bUtf8 && !IsValidUtf8(line))
        return Fail(error, static_cast<std::size_t>(m_nLine),
                    "the text is not valid UTF-8 (save the file as UTF-8 or as UTF-16).");
    ++m_nLine;
    return true;
}
