// Any bytes as a .reg file: refused with a line, or written back and read again unchanged.
#include "fuzz/FuzzVerdict.h"
#include "fuzz/RegRoundTrip.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AbortUnlessHolds(CheckRegRoundTrip(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
