#include "tools/reg/Usage.h"

namespace {

constexpr const char* kOverview =
    R"(Usage: vexor-reg QUERY  KEY [/v NAME | /ve] [/s]
  or:  vexor-reg ADD    KEY [/v NAME | /ve] [/t TYPE] [/d DATA] [/f]
  or:  vexor-reg DELETE KEY [/v NAME | /ve | /va] [/f]
  or:  vexor-reg EXPORT KEY FILE [/y]
  or:  vexor-reg IMPORT FILE
  or:  vexor-reg --store    (which store is in use, and why)
  or:  vexor-reg --version
Inspect and change the registry store of the Vexor IDE Access Manager.

  KEY   ROOT[\SUBKEY], ROOT one of HKCR, HKLM, HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE
  Operations and switches are case-insensitive; "vexor-reg OPERATION /?" shows details.
  The store is the file named by $VEXOR_REGISTRY, else the machine-wide store
  /var/lib/vexor/registry.db when the folder /var/lib/vexor exists (the package makes it),
  else $XDG_DATA_HOME/vexor/registry.db, else ~/.local/share/vexor/registry.db.
  Exit status: 0 on success, 1 on failure (with a message on stderr).
)";

constexpr const char* kQuery = R"(vexor-reg QUERY KEY [/v NAME | /ve] [/s]

  Shows the values of KEY and lists its subkeys, in the layout of reg.exe.
  /v NAME  only the value NAME        /ve  only the unnamed (Default) value
  /s       every key below KEY as well (with /v or /ve: search the whole tree)

  vexor-reg query "HKCR\CLSID\{C27D5E90-1B4A-4F36-8E2D-63A9F07B84D1}" /ve
)";

constexpr const char* kAdd = R"(vexor-reg ADD KEY [/v NAME | /ve] [/t TYPE] [/d DATA] [/f]

  Creates KEY (with every missing key above it) and sets a value in it.
  /v NAME  the value to set            /ve  the unnamed (Default) value
  /t TYPE  REG_SZ (the default), REG_EXPAND_SZ, REG_MULTI_SZ, REG_DWORD, REG_BINARY, REG_NONE
  /d DATA  REG_DWORD: decimal or 0x-hex; REG_BINARY: hex digits; REG_MULTI_SZ: strings
           separated by \0; text types: the text as it stands
  /f       overwrite an existing value without asking (needed when there is no terminal)

  vexor-reg add "HKCR\CLSID\{C27D5E90-1B4A-4F36-8E2D-63A9F07B84D1}" /ve /t REG_DWORD /d 1 /f
)";

constexpr const char* kDelete = R"(vexor-reg DELETE KEY [/v NAME | /ve | /va] [/f]

  Deletes KEY with everything below it, or only values of it.
  /v NAME  the value NAME    /ve  the unnamed (Default) value    /va  all values of KEY
  /f       delete without asking (needed when there is no terminal)

  vexor-reg delete "HKCR\CLSID\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}" /f
)";

constexpr const char* kExport = R"(vexor-reg EXPORT KEY FILE [/y]

  Writes KEY and everything below it to FILE as reg.exe does: "Windows Registry Editor
  Version 5.00", UTF-16LE with byte-order mark, CRLF line ends.
  /y  overwrite FILE without asking (needed when there is no terminal)

  vexor-reg export "HKCR\CLSID" accounts.reg /y
)";

constexpr const char* kImport = R"(vexor-reg IMPORT FILE

  Applies a .reg file (current format or REGEDIT4; UTF-16LE or UTF-8) in one step: a file
  with an error changes nothing, and the message names the line.

  vexor-reg import accounts.reg
)";

} // namespace

std::string UsageText(ERegOperation eOperation) {
    switch (eOperation) {
    case ERegOperation::Query:
        return kQuery;
    case ERegOperation::Add:
        return kAdd;
    case ERegOperation::Delete:
        return kDelete;
    case ERegOperation::Export:
        return kExport;
    case ERegOperation::Import:
        return kImport;
    default:
        return kOverview;
    }
}
