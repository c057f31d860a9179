// Any type and bytes stored as a value, then read through the access layer and the raw query.
#include "fuzz/FuzzVerdict.h"
#include "fuzz/ValueRead.h"

#include "tests/common/TempStore.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// A store file of the fuzzer's own, never the user's; it goes away when the run ends normally.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static TempStore store;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AbortUnlessHolds(CheckValueRead(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
