#include "store/TextResources.h"

#include "platform/strings.h"

std::string LoadText(UINT nID, const char*, int) {
    return vexor::strings::load(nID);
}

std::string FormatText(UINT nID, const std::string& strArgument, const char* pszFile, int nLine) {
    const std::string strFormat = LoadText(nID, pszFile, nLine);
    std::string strResult;
    strResult.reserve(strFormat.size() + strArgument.size());
    for (std::size_t i = 0; i < strFormat.size(); ++i) {
        if (strFormat[i] == '%' && i + 1 < strFormat.size() && strFormat[i + 1] == 's') {
            strResult += strArgument;
            ++i;
        } else if (strFormat[i] == '%' && i + 1 < strFormat.size() && strFormat[i + 1] == '%') {
            strResult += '%';
            ++i;
        } else {
            strResult += strFormat[i];
        }
    }
    return strResult;
}
