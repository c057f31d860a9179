// Gives a .reg file's lines of store text one at a time, so that memory does not grow with the number
// of lines: detects UTF-16LE (by its byte-order mark) or UTF-8 (with or without one), and splits at
// CRLF or LF.
#pragma once

#include "tools/reg/RegFileParser.h"

#include <string>
#include <string_view>

class CRegFileLines {
  public:
    // Decodes the file; false (with the error) for UTF-16 big-endian or a cut-off UTF-16 character.
    bool Open(std::string_view bytes, CRegParseError& error);

    // The next line without its line end; false at the end of the file, or when the line holds a NUL
    // or (in a UTF-8 file) text that is not valid UTF-8: then the error names the line.
    bool Next(std::string_view& line, CRegParseError& error);

    // The number of the line Next gave last, counting from 1.
    int LineNumber() const { return m_nLine; }

  private:
    std::string m_decoded; // the text of a UTF-16 file
    std::string_view m_text;
    std::size_t m_next = 0;
    int m_nLine = 0;
    bool m_bUtf8 = false;
};
