#include "tools/reg/Commands.h"

#include "tools/reg/Console.h"
#include "tools/reg/KeyHandle.h"
#include "tools/reg/QueryFormat.h"
#include "tools/reg/RegRead.h"
#include "tools/reg/Status.h"

#include <cstdio>

namespace {

// Query output goes out as the bytes it holds: names and data are shown as the store keeps them.
int Print(const std::string& strText) {
    std::fwrite(strText.data(), 1, strText.size(), stdout);
    return 0;
}

// /v or /ve with /s: every key of the tree that has the value.
int SearchValue(const CRegArguments& args, const std::string& strName) {
    std::vector<CKeyPath> paths;
    std::vector<CRegFileKey> matches;
    LONG status = ListTree(args.key, paths);
    for (std::size_t i = 0; status == ERROR_SUCCESS && i < paths.size(); ++i) {
        CKeyHandle key;
        CRegFileValue value;
        status = key.Open(paths[i], KEY_READ);
        if (status == ERROR_SUCCESS)
            status = ReadValue(key.Get(), strName, value);
        if (status == ERROR_FILE_NOT_FOUND)
            status = ERROR_SUCCESS; // not in this key
        else if (status == ERROR_SUCCESS)
            matches.push_back({paths[i].FullPath(), false, {value}, 0});
    }
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeStatus(status));
    Print(FormatQueryMatches(matches, true));
    return matches.empty() ? ReportError(DescribeStatus(ERROR_FILE_NOT_FOUND)) : 0;
}

int QueryValue(const CRegArguments& args, HKEY hKey, const std::string& strName) {
    CRegFileValue value;
    const LONG status = ReadValue(hKey, strName, value);
    if (status == ERROR_FILE_NOT_FOUND && args.bDefaultValue)
        return Print(FormatQueryUnsetDefault(args.key.FullPath()));
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeStatus(status));
    return Print(FormatQueryMatches({{args.key.FullPath(), false, {value}, 0}}, false));
}

int QueryTree(const CRegArguments& args) {
    std::vector<CRegFileKey> keys;
    const LONG status = ReadTree(args.key, keys);
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeStatus(status));
    return Print(FormatQueryTree(keys));
}

int QueryKey(const CRegArguments& args, HKEY hKey) {
    CRegFileKey key{args.key.FullPath(), false, {}, 0};
    std::vector<std::string> names;
    LONG status = ReadValues(hKey, key.values);
    if (status == ERROR_SUCCESS)
        status = ReadSubKeyNames(hKey, names);
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeStatus(status));
    return Print(FormatQueryKey(key, names));
}

} // namespace

int RunQuery(const CRegArguments& args) {
    CKeyHandle key;
    const LONG status = key.Open(args.key, KEY_READ);
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeStatus(status));
    const bool bOneValue = args.bValueName || args.bDefaultValue;
    const std::string strName = args.bValueName ? args.strValueName : std::string();
    if (bOneValue && args.bRecursive)
        return SearchValue(args, strName);
    if (bOneValue)
        return QueryValue(args, key.Get(), strName);
    if (args.bRecursive)
        return QueryTree(args);
    return QueryKey(args, key.Get());
}
