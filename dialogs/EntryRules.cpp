#include "dialogs/EntryRules.h"

#include "platform/registry/store.h"

#include <algorithm>

bool PasswordsAgree(const std::string& strPassword, const std::string& strRepetition) {
    return !strPassword.empty() && !strRepetition.empty() && strPassword == strRepetition;
}

bool AllTextsRepresentable(std::initializer_list<const CWnd*> controls) {
    return std::all_of(controls.begin(), controls.end(),
                       [](const CWnd* pControl) { return pControl && pControl->IsWindowTextRepresentable(); });
}

bool IsNewAccountName(const std::string& strName, const std::vector<std::string>& existingNames) {
    if (!vexor::registry::isKeyName(strName))
        return false;
    return std::none_of(existingNames.begin(), existingNames.end(), [&](const std::string& strExisting) {
        return vexor::registry::sameKeyName(strName, strExisting);
    });
}
