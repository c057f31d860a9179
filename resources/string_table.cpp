// The program's string table.
#include "resources/resource.h"
#include "resources/resources.h"

#include <algorithm>
#include <iterator>

namespace vexor::res {
namespace {

struct StringEntry {
    int id;
    const char* text;
};

const StringEntry aStrings[] = {
    {IDS_PROTECT_SWITCH, "Vexor IDE durch Benutzername und Kennwort sichern"},
    {IDS_SETPASSWORD_CAPTION, "Kennwort festlegen für %s"},
};

} // namespace

const char* findString(int id) {
    const auto it = std::ranges::find(aStrings, id, &StringEntry::id);
    return it == std::end(aStrings) ? nullptr : it->text;
}

} // namespace vexor::res
