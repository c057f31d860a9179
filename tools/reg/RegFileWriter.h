// Writes a .reg file the way reg.exe exports one: "Windows Registry Editor Version 5.00", UTF-16LE
// with a byte-order mark, CRLF line ends, a blank line after the header and after each key block,
// hex data wrapped with ",\" continuations within 80 columns.
#pragma once

#include "tools/reg/RegFile.h"

#include <string>

// The file's bytes. Fails (with a sentence naming the key or value) only when a name holds a line
// break, which a line-based file cannot carry; nothing is then written.
bool WriteRegFile(const CRegFile& file, std::string& bytes, std::string& strError);

// How one value's data is spelled after the "=", for a line whose text before it is
// prefixLength characters long (the wrapping depends on it). Exposed for the tests of each type.
std::u16string FormatValueData(const CRegFileValue& value, std::size_t prefixLength);
