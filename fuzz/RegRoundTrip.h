// What must hold for any bytes handed to the .reg importer: a refusal names a line of the file, and a
// file that is accepted can be written back and read again without changing anything it says.
#pragma once

#include <string>
#include <string_view>

// "" when the properties hold; otherwise a sentence saying which one broke and where.
std::string CheckRegRoundTrip(std::string_view bytes);
