#include "tools/reg/RegApply.h"

#include "tools/reg/KeyHandle.h"

namespace {

LONG Failed(LONG status, int nLine, std::string strWhat, CRegApplyError& error) {
    error.nLine = nLine;
    error.strWhat = std::move(strWhat);
    return status;
}

std::string ValueLabel(const CRegFileValue& value, const CRegFileKey& key) {
    return (value.strName.empty() ? std::string("the unnamed value")
                                  : "the value \"" + value.strName + "\"") +
           " of " + key.strPath;
}

LONG ApplyValue(HKEY hKey, const CRegFileKey& key, const CRegFileValue& value, CRegApplyError& error) {
    if (value.bDelete) {
        const LONG status = RegDeleteValueA(hKey, value.strName.c_str());
        if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND)
            return ERROR_SUCCESS;
        return Failed(status, value.nLine, "cannot delete " + ValueLabel(value, key), error);
    }
    // A value's size is 32 bits: larger data would be stored cut short.
    const LONG status = value.data.size() > 0xFFFFFFFFu
                            ? ERROR_INVALID_PARAMETER
                            : RegSetValueExA(hKey, value.strName.c_str(), 0, value.dwType,
                                             reinterpret_cast<const BYTE*>(value.data.data()),
                                             static_cast<DWORD>(value.data.size()));
    if (status == ERROR_SUCCESS)
        return status;
    return Failed(status, value.nLine, "cannot set " + ValueLabel(value, key), error);
}

LONG ApplyKey(const CRegFileKey& key, CRegApplyError& error) {
    CKeyPath path;
    std::string strError;
    if (!ParseKeyPath(key.strPath, path, strError))
        return Failed(ERROR_BAD_PATHNAME, key.nLine, strError, error);
    if (key.bDelete) {
        const LONG status = SHDeleteKeyA(path.hRoot, path.strSubKey.c_str());
        if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND)
            return ERROR_SUCCESS;
        return Failed(status, key.nLine, "cannot delete the key " + key.strPath, error);
    }
    CKeyHandle handle;
    const LONG status = handle.Create(path, KEY_READ | KEY_WRITE);
    if (status != ERROR_SUCCESS)
        return Failed(status, key.nLine, "cannot create the key " + key.strPath, error);
    for (const CRegFileValue& value : key.values) {
        const LONG valueStatus = ApplyValue(handle.Get(), key, value, error);
        if (valueStatus != ERROR_SUCCESS)
            return valueStatus;
    }
    return ERROR_SUCCESS;
}

} // namespace

LONG ApplyRegFile(const CRegFile& file, CRegApplyError& error) {
    for (const CRegFileKey& key : file.keys) {
        const LONG status = ApplyKey(key, error);
        if (status != ERROR_SUCCESS)
            return status;
    }
    return ERROR_SUCCESS;
}
