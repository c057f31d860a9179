// What must hold when a value of any type and any bytes is read back through the registry access
// layer and the registry's own query, in the current store (VEXOR_REGISTRY).
//
// The input says what is stored and how it is read:
//   byte 0      the size of the caller's buffer for a direct query (0 to 255 bytes)
//   bytes 1..4  the value's type, little-endian
//   the rest    the value's data
// Missing header bytes count as 0, so that every input means something.
#pragma once

#include <string>
#include <string_view>

// "" when the properties hold; otherwise a sentence saying which one broke.
std::string CheckValueRead(std::string_view input);
