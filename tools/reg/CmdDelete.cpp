#include "tools/reg/Commands.h"

#include "tools/reg/Console.h"
#include "tools/reg/KeyHandle.h"
#include "tools/reg/RegRead.h"
#include "tools/reg/Status.h"

#include "platform/registry/store.h"

namespace {

std::string Target(const CRegArguments& args) {
    if (args.bValueName)
        return "the value \"" + args.strValueName + "\" of " + args.key.FullPath();
    if (args.bDefaultValue)
        return "the unnamed (Default) value of " + args.key.FullPath();
    if (args.bAllValues)
        return "all values of " + args.key.FullPath();
    return "the key " + args.key.FullPath() + " with everything below it";
}

LONG DeleteValues(HKEY hKey, const CRegArguments& args) {
    if (!args.bAllValues)
        return RegDeleteValueA(hKey, args.bValueName ? args.strValueName.c_str() : "");
    std::vector<CRegFileValue> values;
    LONG status = ReadValues(hKey, values);
    for (std::size_t i = 0; status == ERROR_SUCCESS && i < values.size(); ++i)
        status = RegDeleteValueA(hKey, values[i].strName.c_str());
    return status;
}

LONG Delete(const CRegArguments& args) {
    vexor::registry::Transaction transaction;
    if (transaction.status() != ERROR_SUCCESS)
        return transaction.status();
    LONG status = ERROR_SUCCESS;
    if (args.bValueName || args.bDefaultValue || args.bAllValues) {
        CKeyHandle key;
        status = key.Open(args.key, KEY_READ | KEY_WRITE);
        if (status == ERROR_SUCCESS)
            status = DeleteValues(key.Get(), args);
    } else {
        status = SHDeleteKeyA(args.key.hRoot, args.key.strSubKey.c_str());
    }
    return status == ERROR_SUCCESS ? transaction.commit() : status;
}

// What is to be deleted must be there before anyone is asked about it.
LONG CheckTarget(const CRegArguments& args) {
    CKeyHandle key;
    LONG status = key.Open(args.key, KEY_READ);
    if (status == ERROR_SUCCESS && (args.bValueName || args.bDefaultValue))
        status = RegQueryValueExA(key.Get(), args.bValueName ? args.strValueName.c_str() : "", nullptr,
                                  nullptr, nullptr, nullptr);
    return status;
}

} // namespace

int RunDelete(const CRegArguments& args) {
    const bool bKey = !(args.bValueName || args.bDefaultValue || args.bAllValues);
    if (bKey && args.key.IsRoot())
        return ReportError("Invalid key name: a root key can't be deleted.");
    LONG status = CheckTarget(args);
    if (status != ERROR_SUCCESS)
        return ReportError(DescribeFailure("delete " + Target(args), status));
    if (!args.bForce &&
        ConfirmOrFail("Delete " + Target(args), "Nothing was deleted (" + Target(args) + ")", "/f") != 0)
        return 1;
    status = Delete(args);
    return status == ERROR_SUCCESS ? ReportSuccess() : ReportError(DescribeFailure("delete " + Target(args), status));
}
