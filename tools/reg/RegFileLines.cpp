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

bool CheckLine(std::string_view line, bool bUtf8, std::size_t index, CRegParseError& error) {
    if (line.find('\0') != std::string_view::npos)
        return Fail(error, index, "the line holds a NUL character.");
    if (bUtf8 && !IsValidUtf8(line))
        return Fail(error, index, "the text is not valid UTF-8 (save the file as UTF-8 or as UTF-16).");
    return true;
}

} // namespace

bool SplitRegFileLines(std::string_view bytes, std::vector<std::string>& lines, CRegParseError& error) {
    std::string text;
    const bool bUtf16 = bytes.substr(0, 2) == kBomUtf16Le;
    if (bytes.substr(0, 2) == kBomUtf16Be)
        return Fail(error, 0,
                    "UTF-16 big-endian files are not supported; save the file as UTF-16LE or UTF-8.");
    if (bUtf16 && !DecodeUtf16(bytes.substr(2), text, error))
        return false;
    if (!bUtf16)
        text = bytes.substr(bytes.substr(0, 3) == kBomUtf8 ? 3 : 0);
    lines.clear();
    std::size_t start = 0;
    // A final line break ends the last line; it doesn't start another one.
    while (start < text.size() || (start == 0 && text.empty())) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line = std::string_view(text).substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!CheckLine(line, !bUtf16, lines.size(), error))
            return false;
        lines.emplace_back(line);
        start = end + 1;
    }
    return true;
}
