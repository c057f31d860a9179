#include "tools/reg/Arguments.h"

#include "tools/reg/TextUtil.h"
#include "tools/reg/ValueData.h"

#include <array>
#include <string_view>

namespace {

struct COperation {
    ERegOperation eOperation;
    const char* pszName;
    std::size_t positionals;   // how many plain words it takes
    std::string_view switches; // the switches it allows, each followed by a space
};

constexpr std::array<COperation, 5> kOperations = {{
    {ERegOperation::Query, "QUERY", 1, "v ve s "},
    {ERegOperation::Add, "ADD", 1, "v ve t d f "},
    {ERegOperation::Delete, "DELETE", 1, "v ve va f "},
    {ERegOperation::Export, "EXPORT", 2, "y "},
    {ERegOperation::Import, "IMPORT", 1, ""},
}};

bool IsHelpWord(std::string_view word) {
    return word == "/?" || word == "-?" || EqualsNoCase(word, "/h") || EqualsNoCase(word, "-h") ||
           word == "--help";
}

bool ListHas(std::string_view list, std::string_view name) {
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = list.find(' ', start);
        if (EqualsNoCase(list.substr(start, end - start), name))
            return true;
        start = end + 1;
    }
    return false;
}

// Only the tool's own switch names count as switches: on Linux "/tmp/a.reg" is a file name.
bool IsSwitchWord(std::string_view word) {
    return word.size() >= 2 && (word[0] == '/' || word[0] == '-') &&
           ListHas("v ve va s t d f y ", word.substr(1));
}

class CArgumentParser {
  public:
    CArgumentParser(const COperation& op, CRegArguments& out, std::string& strError)
        : m_op(op), m_out(out), m_strError(strError) {}

    bool Parse(const std::vector<std::string>& args);

  private:
    bool Fail(const std::string& strMessage);
    bool TakeSwitch(std::string_view name, const std::vector<std::string>& args, std::size_t& i);
    bool SetFlag(bool& bFlag, std::string_view name);
    bool TakeArgument(bool& bFlag, std::string& strValue, std::string_view name,
                      const std::vector<std::string>& args, std::size_t& i);
    bool TakePositional(const std::string& word, std::size_t& count);
    bool Check(std::size_t positionals);

    const COperation& m_op;
    CRegArguments& m_out;
    std::string& m_strError;
    std::string m_strKey;
    std::string m_strType;
};

bool CArgumentParser::Fail(const std::string& strMessage) {
    m_strError = "Invalid syntax. " + strMessage;
    return false;
}

bool CArgumentParser::Parse(const std::vector<std::string>& args) {
    std::size_t positionals = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (IsHelpWord(word)) {
            m_out.bUsage = true;
            return true;
        }
        const bool bOk = IsSwitchWord(word) ? TakeSwitch(std::string_view(word).substr(1), args, i)
                                            : TakePositional(word, positionals);
        if (!bOk)
            return false;
    }
    return Check(positionals);
}

bool CArgumentParser::TakeSwitch(std::string_view name, const std::vector<std::string>& args,
                                 std::size_t& i) {
    if (!ListHas(m_op.switches, name))
        return Fail("/" + std::string(name) + " is not a switch of " + m_op.pszName + ".");
    if (EqualsNoCase(name, "v"))
        return TakeArgument(m_out.bValueName, m_out.strValueName, "/v", args, i);
    if (EqualsNoCase(name, "t"))
        return TakeArgument(m_out.bType, m_strType, "/t", args, i);
    if (EqualsNoCase(name, "d"))
        return TakeArgument(m_out.bData, m_out.strData, "/d", args, i);
    if (EqualsNoCase(name, "ve"))
        return SetFlag(m_out.bDefaultValue, "/ve");
    if (EqualsNoCase(name, "va"))
        return SetFlag(m_out.bAllValues, "/va");
    if (EqualsNoCase(name, "s"))
        return SetFlag(m_out.bRecursive, "/s");
    if (EqualsNoCase(name, "f"))
        return SetFlag(m_out.bForce, "/f");
    return SetFlag(m_out.bOverwriteFile, "/y");
}

bool CArgumentParser::SetFlag(bool& bFlag, std::string_view name) {
    if (bFlag)
        return Fail(std::string(name) + " is given twice.");
    bFlag = true;
    return true;
}

// The word after a switch is its argument as it stands, even when it starts with "/" or "-":
// "/d -1" and "/v /x" mean the data "-1" and the value "/x".
bool CArgumentParser::TakeArgument(bool& bFlag, std::string& strValue, std::string_view name,
                                   const std::vector<std::string>& args, std::size_t& i) {
    if (!SetFlag(bFlag, name))
        return false;
    if (i + 1 == args.size())
        return Fail(std::string(name) + " needs an argument.");
    strValue = args[++i];
    return true;
}

bool CArgumentParser::TakePositional(const std::string& word, std::size_t& count) {
    if (count == m_op.positionals)
        return Fail("Unexpected argument \"" + word + "\".");
    if (m_op.eOperation == ERegOperation::Import || count == 1)
        m_out.strFile = word;
    else
        m_strKey = word;
    ++count;
    return true;
}

bool CArgumentParser::Check(std::size_t positionals) {
    if (positionals < m_op.positionals)
        return Fail(std::string(m_op.pszName) + " needs " +
                    (m_op.eOperation == ERegOperation::Import ? "a file name."
                     : m_op.positionals == 2                  ? "a key and a file name."
                                                              : "a key."));
    if (int(m_out.bValueName) + int(m_out.bDefaultValue) + int(m_out.bAllValues) > 1)
        return Fail("/v, /ve and /va exclude each other.");
    if (m_out.bValueName && m_out.strValueName.empty())
        return Fail("/v needs a value name; use /ve for the unnamed (Default) value.");
    if (m_out.bType && !ParseTypeName(m_strType, m_out.dwType))
        return Fail(
            "\"" + m_strType +
            "\" is not a type: use REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ, REG_DWORD, REG_BINARY or REG_NONE.");
    if (m_op.eOperation == ERegOperation::Import)
        return true;
    if (!ParseKeyPath(m_strKey, m_out.key, m_strError))
        return false;
    if (m_op.eOperation != ERegOperation::Add)
        return true;
    std::string strError;
    if (!CheckNewName(m_out.key.strSubKey, "key", strError) ||
        !CheckNewName(m_out.strValueName, "value", strError))
        return Fail(strError);
    return true;
}

} // namespace

bool ParseArguments(const std::vector<std::string>& args, CRegArguments& out, std::string& strError) {
    out = CRegArguments();
    if (args.empty()) {
        strError = "Invalid syntax. Name an operation: QUERY, ADD, DELETE, EXPORT or IMPORT.";
        return false;
    }
    if (IsHelpWord(args[0])) {
        out.bUsage = true;
        return true;
    }
    if ((args[0] == "--version" || args[0] == "--store") && args.size() == 1) {
        (args[0] == "--version" ? out.bVersion : out.bStore) = true;
        return true;
    }
    for (const COperation& op : kOperations) {
        if (!EqualsNoCase(args[0], op.pszName))
            continue;
        out.eOperation = op.eOperation;
        return CArgumentParser(op, out, strError).Parse(args);
    }
    strError =
        "Invalid syntax. \"" + args[0] + "\" is not an operation: use QUERY, ADD, DELETE, EXPORT or IMPORT.";
    return false;
}

const char* OperationName(ERegOperation eOperation) {
    for (const COperation& op : kOperations) {
        if (op.eOperation == eOperation)
            return op.pszName;
    }
    return "";
}
