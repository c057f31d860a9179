// One line's part of hex: data in a .reg file: "xx,xx,..." with blanks allowed around the commas, a
// trailing "\" when the data go on in the next line, and an optional ";" comment.
#pragma once

#include <string>
#include <string_view>

// Appends the bytes to bytes; bContinues tells whether a "\" asked for the next line.
bool ParseHexList(std::string_view text, std::string& bytes, bool& bContinues, std::string& strError);
