#include "store/TextResources.h"

#include "platform/strings.h"

#include <vector>

#ifdef _WIN32
// The .rc's string table holds UTF-16; the program's text is UTF-8 on Windows too, which
// LoadStringA (the ANSI code page) would not give.
std::string LoadText(UINT nID, const char*, int) {
    const wchar_t* text = nullptr; // with no buffer, LoadStringW points at the entry itself
    const int n = LoadStringW(nullptr, nID, reinterpret_cast<LPWSTR>(&text), 0);
    if (n <= 0 || !text)
        return "";
    std::string result(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text, n, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, n, result.data(), static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}
#else
std::string LoadText(UINT nID, const char*, int) {
    // LoadStringA cuts a text at the buffer's end; grow until the whole entry fits.
    for (std::size_t size = 256; size <= (1u << 20); size *= 2) {
        std::vector<char> buffer(size, '\0');
        const int n = LoadStringA(nullptr, nID, buffer.data(), static_cast<int>(size));
        if (n <= 0)
            return "";
        if (static_cast<std::size_t>(n) < size - 1)
            return std::string(buffer.data(), static_cast<std::size_t>(n));
    }
    return "";
}
#endif

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
