#include "tools/reg/Commands.h"

#include "tools/reg/Console.h"
#include "tools/reg/KeyHandle.h"
#include "tools/reg/QueryFormat.h"
#include "tools/reg/RegRead.h"
#include "tools/reg/Status.h"

#include "platform/registry/store.h"

#include <cstdio>

namespace {

// Names and data in the text are already escaped where they would drive the terminal.
int Print(const std::string& strText) {
    std::fwrite(strText.data(), 1, strText.size(), stdout);
    return 0;
}

std::string Action(const CRegArguments& args) {
    return "query " + args.key.FullPath();
}

// /v or /ve with /s: every key of the tree that has the value (names compared as the registry does).
int SearchValue(const CRegArguments& args, const std::string& strName) {
    std::vector<CRegFileKey> keys, matches;
    const LONG status = ReadTree(args.key, keys);
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeFailure(Action(args), status));
    for (CRegFileKey& key : keys) {
        for (CRegFileValue& value : key.values) {
            if (vexor::registry::sameKeyName(value.strName, strName)) {
                matches.push_back({std::move(key.strPath), false, {std::move(value)}, 0});
                break;
            }
        }
    }
    Print(FormatQueryMatches(matches, true));
    return matches.empty() ? ReportError(DescribeFailure(Action(args), ERROR_FILE_NOT_FOUND)) : 0;
}

int QueryValue(const CRegArguments& args, HKEY hKey, const std::string& strName) {
    CRegFileValue value;
    const LONG status = ReadValue(hKey, strName, value);
    if (status == ERROR_FILE_NOT_FOUND && args.bDefaultValue)
        return Print(FormatQueryUnsetDefault(args.key.FullPath()));
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeFailure(Action(args), status));
    return Print(FormatQueryMatches({{args.key.FullPath(), false, {value}, 0}}, false));
}

int QueryTree(const CRegArguments& args) {
    std::vector<CRegFileKey> keys;
    const LONG status = ReadTree(args.key, keys);
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeFailure(Action(args), status));
    return Print(FormatQueryTree(keys));
}

int QueryKey(const CRegArguments& args, HKEY hKey) {
    CRegFileKey key{args.key.FullPath(), false, {}, 0};
    std::vector<std::string> names;
    LONG status = ReadValues(hKey, key.values);
    if (status == ERROR_SUCCESS)
        status = ReadSubKeyNames(hKey, names);
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeFailure(Action(args), status));
    return Print(FormatQueryKey(key, names));
}

} // namespace

// Everything printed comes from one view of the store, whatever other programs commit meanwhile.
int RunQuery(const CRegArguments& args) {
    vexor::registry::ReadScope view;
    CKeyHandle key;
    const LONG status = key.Open(args.key, KEY_READ);
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeFailure(Action(args), status));
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
