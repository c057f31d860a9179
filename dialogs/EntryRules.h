// Rules shared by the entry dialogs' OK buttons.
#pragma once

#include "platform/ui/afx.h"

#include <string>
#include <vector>

// Two password fields agree when both are filled and byte for byte equal: no trimming, no case folding.
bool PasswordsAgree(const std::string& strPassword, const std::string& strRepetition);

// FALSE when any of the controls holds text the program's code page can't represent: taking it would
// silently store another text than the one typed (a password turned into "?" is another password).
bool AllTextsRepresentable(std::initializer_list<const CWnd*> controls);

// A name can become an account key when the store takes it as one key name (no "\", at most 255
// characters) and no account of the list already has it, compared as the store compares key names.
bool IsNewAccountName(const std::string& strName, const std::vector<std::string>& existingNames);
