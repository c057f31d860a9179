#include "platform/registry/detail/names.h"

#include "platform/registry/detail/text.h"

#include <array>
#include <string_view>

namespace vexor::registry::detail {

Name makeName(std::string text) {
    std::string folded = foldName(text);
    return {std::move(text), std::move(folded)};
}

namespace {

LONG splitKeyPath(std::string_view rest, std::vector<Name>& components) {
    components.clear();
    bool tooLong = false;
    while (true) {
        const std::size_t separator = rest.find('\\');
        const std::string_view component = rest.substr(0, separator);
        if (component.empty())
            return ERROR_BAD_PATHNAME;
        tooLong = tooLong || nameLength(component) > kMaxKeyNameLength;
        components.push_back(makeName(std::string(component)));
        if (separator == std::string_view::npos)
            break;
        rest.remove_prefix(separator + 1);
    }
    return tooLong ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
}

// Callers open the same few paths again and again (every value of an account opens the account's key
// anew, between the steps of an enumeration of their parent), and splitting and folding a path costs
// more than finding its key: the two paths used last are kept, with what they gave.
struct ParsedPath {
    std::string text;
    LONG status = ERROR_SUCCESS;
    std::vector<Name> components;
};

std::array<ParsedPath, 2> g_recent;
std::size_t g_usedLast = 0;

} // namespace

LONG parseKeyPath(LPCSTR path, std::vector<Name>& components) {
    components.clear();
    if (!path || !*path)
        return ERROR_SUCCESS;
    for (std::size_t slot = 0; slot < g_recent.size(); ++slot) {
        if (!g_recent[slot].text.empty() && g_recent[slot].text == path) {
            g_usedLast = slot;
            components = g_recent[slot].components;
            return g_recent[slot].status;
        }
    }
    const LONG status = splitKeyPath(path, components);
    g_usedLast = 1 - g_usedLast;
    g_recent[g_usedLast] = {path, status, components};
    return status;
}

Name valueName(LPCSTR name) {
    return makeName(name ? std::string(name) : std::string());
}

bool isValueNameTooLong(const Name& name) {
    return nameLength(name.text) > kMaxValueNameLength;
}

} // namespace vexor::registry::detail
