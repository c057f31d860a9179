// The command line, in reg.exe's syntax: an operation, its positional arguments and its switches
// (/v NAME, /ve, /va, /s, /t TYPE, /d DATA, /f, /y), switches case-insensitive with "/" or "-".
#pragma once

#include "tools/reg/KeyPath.h"

#include "platform/win32/types.h"

#include <string>
#include <vector>

enum class ERegOperation { None, Query, Add, Delete, Export, Import };

struct CRegArguments {
    ERegOperation eOperation = ERegOperation::None;
    bool bUsage = false;   // /?, -h, --help: print the usage of eOperation (or of the whole tool)
    bool bVersion = false; // --version, alone: print the tool's name and version
    bool bStore = false;   // --store, alone: print the store in use and the rule that chose it
    CKeyPath key;
    std::string strFile;
    bool bValueName = false; // /v NAME
    std::string strValueName;
    bool bDefaultValue = false;  // /ve
    bool bAllValues = false;     // /va
    bool bRecursive = false;     // /s
    bool bForce = false;         // /f
    bool bOverwriteFile = false; // /y
    bool bType = false;          // /t TYPE
    DWORD dwType = 0;
    bool bData = false; // /d DATA
    std::string strData;
};

// args are the words after the program's name. On failure strError is a sentence for the user
// (without the "ERROR: " prefix) and out is not to be used.
bool ParseArguments(const std::vector<std::string>& args, CRegArguments& out, std::string& strError);

// The operation's name as the usage texts spell it ("QUERY"), "" for None.
const char* OperationName(ERegOperation eOperation);
