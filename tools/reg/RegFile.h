// What a .reg file says, independent of its encoding: key blocks in file order, each with its value
// lines. Names and data are store bytes (UTF-8 text on Linux); paths are spelled with the root's full
// name ("HKEY_CLASSES_ROOT\CLSID").
#pragma once

#include "platform/win32/types.h"

#include <string>
#include <vector>

struct CRegFileValue {
    std::string strName;  // "" is the key's unnamed value, written @
    bool bDelete = false; // "name"=-
    DWORD dwType = 0;
    std::string data; // the value's raw bytes
    int nLine = 0;    // where the value starts in the file, for messages
};

struct CRegFileKey {
    std::string strPath;
    bool bDelete = false; // [-path]
    std::vector<CRegFileValue> values;
    int nLine = 0;
};

struct CRegFile {
    std::vector<CRegFileKey> keys;
};
