// Talking to the person at the terminal: messages in reg.exe's manner and yes/no questions.
#pragma once

#include <string>

// Prints "ERROR: message" on stderr and gives the failure exit status, 1.
int ReportError(const std::string& strMessage);

// Prints "The operation completed successfully." and gives 0.
int ReportSuccess();

// Asks "question (Yes/No)?" on the terminal until the answer is yes or no (end of input counts as
// no). Yes gives 0; otherwise the refusal is reported and 1 comes back. Without a terminal on stdin
// nobody can answer, so nothing is asked and the message names pszSwitch, which skips the question.
int ConfirmOrFail(const std::string& strQuestion, const std::string& strRefusal, const char* pszSwitch);
