// The string table as the Linux build hands it to LoadStringA.
#include "resources/resource.h"
#include "resources/resources.h"

namespace vexor::res {

std::span<const strings::Entry> stringTable() {
    static constexpr strings::Entry aStrings[] = {
#define VEXOR_STRING(id, text) {id, text},
#include "resources/string_table.inc"
#undef VEXOR_STRING
    };
    return aStrings;
}

} // namespace vexor::res
