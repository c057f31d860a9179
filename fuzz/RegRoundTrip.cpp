#include "fuzz/RegRoundTrip.h"

#include "tools/reg/RegFileParser.h"
#include "tools/reg/RegFileWriter.h"

#include <algorithm>

namespace {

// A refusal must point into the file: line 1 up to one past its last line break.
std::string CheckRefusal(std::string_view bytes, const CRegParseError& error) {
    const auto lineBreaks = std::count(bytes.begin(), bytes.end(), '\n');
    if (error.nLine < 1 || error.nLine > lineBreaks + 1)
        return "a refusal names line " + std::to_string(error.nLine) + ", outside the file";
    if (error.strMessage.empty())
        return "a refusal at line " + std::to_string(error.nLine) + " gives no reason";
    return "";
}

bool HasLineBreak(std::string_view name) {
    return name.find_first_of("\r\n") != std::string_view::npos;
}

// The one thing the writer may refuse: a name that a line-based file cannot carry.
bool HasUnwritableName(const CRegFile& file) {
    for (const CRegFileKey& key : file.keys) {
        if (HasLineBreak(key.strPath))
            return true;
        for (const CRegFileValue& value : key.values) {
            if (HasLineBreak(value.strName))
                return true;
        }
    }
    return false;
}

std::string CompareValue(const CRegFileValue& before, const CRegFileValue& after) {
    if (before.strName != after.strName)
        return "the name changed to \"" + after.strName + "\"";
    if (before.bDelete != after.bDelete)
        return "the deletion mark changed";
    if (before.dwType != after.dwType)
        return "the type changed from " + std::to_string(before.dwType) + " to " +
               std::to_string(after.dwType);
    if (before.data != after.data)
        return "the data changed";
    return "";
}

std::string CompareKey(const CRegFileKey& before, const CRegFileKey& after) {
    if (before.strPath != after.strPath)
        return "the path changed to \"" + after.strPath + "\"";
    if (before.bDelete != after.bDelete)
        return "the deletion mark changed";
    if (before.values.size() != after.values.size())
        return "it had " + std::to_string(before.values.size()) + " values, now " +
               std::to_string(after.values.size());
    for (std::size_t i = 0; i < before.values.size(); ++i) {
        const std::string strFault = CompareValue(before.values[i], after.values[i]);
        if (!strFault.empty())
            return "value " + std::to_string(i + 1) + " (\"" + before.values[i].strName + "\"): " + strFault;
    }
    return "";
}

// Line numbers are left out on purpose: the writer lays the file out anew.
std::string CompareFiles(const CRegFile& before, const CRegFile& after) {
    if (before.keys.size() != after.keys.size())
        return "the file had " + std::to_string(before.keys.size()) + " keys, the written one " +
               std::to_string(after.keys.size());
    for (std::size_t i = 0; i < before.keys.size(); ++i) {
        const std::string strFault = CompareKey(before.keys[i], after.keys[i]);
        if (!strFault.empty())
            return "after writing and reading back, key " + std::to_string(i + 1) + " (\"" +
                   before.keys[i].strPath + "\"): " + strFault;
    }
    return "";
}

std::string CheckWritten(const CRegFile& file, const std::string& written) {
    CRegFile reread;
    CRegParseError error;
    if (!ParseRegFile(written, reread, error))
        return "the written file is refused at line " + std::to_string(error.nLine) + ": " + error.strMessage;
    const std::string strFault = CompareFiles(file, reread);
    if (!strFault.empty())
        return strFault;
    std::string rewritten;
    std::string strError;
    if (!WriteRegFile(reread, rewritten, strError) || rewritten != written)
        return "writing the file read back gives other bytes than the first writing";
    return "";
}

} // namespace

std::string CheckRegRoundTrip(std::string_view bytes) {
    CRegFile file;
    CRegParseError error;
    if (!ParseRegFile(bytes, file, error))
        return CheckRefusal(bytes, error);
    std::string written;
    std::string strError;
    if (WriteRegFile(file, written, strError))
        return CheckWritten(file, written);
    if (!HasUnwritableName(file))
        return "the writer refuses a file whose names have no line break: " + strError;
    return strError.empty() ? "the writer refuses without a reason" : "";
}
