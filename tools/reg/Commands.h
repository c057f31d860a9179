// The five operations over the store; each returns the process's exit status (0 or 1) and has
// already printed its output or its error.
#pragma once

#include "tools/reg/Arguments.h"

int RunQuery(const CRegArguments& args);
int RunAdd(const CRegArguments& args);
int RunDelete(const CRegArguments& args);
int RunExport(const CRegArguments& args);
int RunImport(const CRegArguments& args);

// Checks the store first: a damaged or unreadable store file stops every operation before it
// starts, with the store's own sentence naming the file.
int RunCommand(const CRegArguments& args);
