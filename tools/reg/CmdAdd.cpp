#include "tools/reg/Commands.h"

#include "tools/reg/Console.h"
#include "tools/reg/KeyHandle.h"
#include "tools/reg/Status.h"
#include "tools/reg/ValueData.h"

#include "platform/registry/store.h"

namespace {

std::string ValueLabel(const std::string& strName) {
    return strName.empty() ? "the unnamed (Default) value" : "the value \"" + strName + "\"";
}

bool ValueExists(const CKeyPath& path, const std::string& strName) {
    CKeyHandle key;
    return key.Open(path, KEY_READ) == ERROR_SUCCESS &&
           RegQueryValueExA(key.Get(), strName.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// Asked before the write begins, so that no transaction waits on a person.
int ConfirmOverwrite(const CRegArguments& args, const std::string& strName) {
    if (args.bForce || !ValueExists(args.key, strName))
        return 0;
    std::string strLabel = ValueLabel(strName) + " of " + args.key.FullPath();
    strLabel[0] = 'T';
    return ConfirmOrFail(strLabel + " exists. Overwrite it", strLabel + " exists and was not changed", "/f");
}

LONG Write(const CRegArguments& args, bool bValue, const std::string& strName, const std::string& data) {
    vexor::registry::Transaction transaction;
    if (transaction.status() != ERROR_SUCCESS)
        return transaction.status();
    CKeyHandle key;
    LONG status = key.Create(args.key, KEY_READ | KEY_WRITE);
    // A value's size is 32 bits: larger data would be stored cut short.
    if (status == ERROR_SUCCESS && bValue && data.size() > 0xFFFFFFFFu)
        status = ERROR_INVALID_PARAMETER;
    else if (status == ERROR_SUCCESS && bValue)
        status = RegSetValueExA(key.Get(), strName.c_str(), 0, args.bType ? args.dwType : REG_SZ,
                                reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    return status == ERROR_SUCCESS ? transaction.commit() : status;
}

} // namespace

// Without /v or /ve, /t or /d still set the unnamed value (as in reg.exe); with none of them the key
// is only created, and an unnamed value already there is left alone.
int RunAdd(const CRegArguments& args) {
    const bool bValue = args.bValueName || args.bDefaultValue || args.bType || args.bData;
    const std::string strName = args.bValueName ? args.strValueName : std::string();
    std::string data, strError;
    if (bValue && !MakeValueData(args.bType ? args.dwType : REG_SZ, args.bData ? &args.strData : nullptr,
                                 data, strError))
        return ReportError(strError);
    if (bValue && ConfirmOverwrite(args, strName) != 0)
        return 1;
    const LONG status = Write(args, bValue, strName, data);
    const std::string strAction =
        bValue ? "add " + ValueLabel(strName) + " to " + args.key.FullPath() : "add the key " + args.key.FullPath();
    return status == ERROR_SUCCESS ? ReportSuccess() : ReportError(DescribeFailure(strAction, status));
}
