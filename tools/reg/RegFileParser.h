// Reads a .reg file: "Windows Registry Editor Version 5.00" or "REGEDIT4"; UTF-16LE with its
// byte-order mark, or UTF-8 with or without one; CRLF or LF line ends. Understands [KEY], [-KEY],
// "name"="text", @=..., dword:, hex:, hex(N): with "\" continuations, "name"=- and ";" comments.
#pragma once

#include "tools/reg/RegFile.h"

#include <string>
#include <string_view>

struct CRegParseError {
    int nLine = 0;
    std::string strMessage;
};

// All or nothing: on any fault the error names its line and the caller gets no partial file.
// In the current format hex(1), hex(2) and hex(7) data are UTF-16LE and come back as store text; in
// REGEDIT4 files they are taken as store bytes as they stand.
bool ParseRegFile(std::string_view bytes, CRegFile& file, CRegParseError& error);
