#include "platform/registry/detail/names.h"

#include "platform/registry/detail/text.h"

#include <string_view>

namespace vexor::registry::detail {

Name makeName(std::string text) {
    std::string folded = foldName(text);
    return {std::move(text), std::move(folded)};
}

LONG parseKeyPath(LPCSTR path, std::vector<Name>& components) {
    components.clear();
    if (!path || !*path)
        return ERROR_SUCCESS;
    bool tooLong = false;
    std::string_view rest(path);
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

Name valueName(LPCSTR name) {
    return makeName(name ? std::string(name) : std::string());
}

bool isValueNameTooLong(const Name& name) {
    return nameLength(name.text) > kMaxValueNameLength;
}

} // namespace vexor::registry::detail
