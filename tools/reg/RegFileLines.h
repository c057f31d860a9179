// Turns a .reg file's bytes into its lines of store text: detects UTF-16LE (by its byte-order mark)
// or UTF-8 (with or without one), and splits at CRLF or LF.
#pragma once

#include "tools/reg/RegFileParser.h"

#include <string>
#include <string_view>
#include <vector>

// UTF-8 files must be valid UTF-8 and no file may hold a NUL character; the error names the line.
bool SplitRegFileLines(std::string_view bytes, std::vector<std::string>& lines, CRegParseError& error);
