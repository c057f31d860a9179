// The files import reads and export writes, on Windows. Paths are UTF-8 and reach the system's W
// calls; the registry is no file there, so export has no store to keep clear of.
#include "tools/reg/FileIo.h"

#include "platform/win32/text.h"
#include "platform/win32/types.h"

#include <string>

namespace {

std::string Reason(const std::string& strPath, const char* pszWhat, DWORD error) {
    std::string strReason = vexor::win32::systemMessage(error);
    if (!strReason.empty() && strReason.back() == '.')
        strReason.pop_back();
    return std::string("cannot ") + pszWhat + " \"" + strPath + "\": " + strReason + ".";
}

} // namespace

bool ReadRegFile(const std::string& strPath, std::string& bytes, std::string& strError) {
    const HANDLE hFile = CreateFileW(vexor::win32::widen(strPath).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        strError = Reason(strPath, "open", GetLastError());
        return false;
    }
    bytes.clear();
    char buffer[65536];
    DWORD dwCount = 0;
    BOOL bRead = TRUE;
    while (bytes.size() <= kMaxRegFileSize && (bRead = ReadFile(hFile, buffer, sizeof(buffer), &dwCount, nullptr)) &&
           dwCount > 0)
        bytes.append(buffer, dwCount);
    const DWORD error = GetLastError();
    CloseHandle(hFile);
    if (!bRead)
        strError = Reason(strPath, "read", error);
    else if (bytes.size() > kMaxRegFileSize)
        strError = "cannot read \"" + strPath + "\": it is larger than " + std::to_string(kMaxRegFileSize >> 20) +
                   " MiB, the limit for .reg files.";
    else
        return true;
    bytes.clear();
    return false;
}

bool CheckExportTarget(const std::string& strPath, const std::string&, bool& bTaken, std::string& strError) {
    const DWORD dwAttributes = GetFileAttributesW(vexor::win32::widen(strPath).c_str());
    bTaken = dwAttributes != INVALID_FILE_ATTRIBUTES;
    // A link (reparse point) is replaced like a file; a folder, or a link to one, is refused.
    if (bTaken && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        strError = "cannot write \"" + strPath + "\": it is a folder.";
        return false;
    }
    return true;
}

// MoveFileEx replaces a link at the path with the new file rather than writing through it.
bool ReplaceFile(const std::string& strPath, const std::string& bytes, std::string& strError) {
    const std::wstring wstrPath = vexor::win32::widen(strPath);
    const std::wstring wstrTemporary =
        wstrPath + L".vexor-reg-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount());
    const HANDLE hFile = CreateFileW(wstrTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) {
        strError = Reason(strPath, "create", GetLastError());
        return false;
    }
    std::size_t done = 0;
    DWORD dwWritten = 0;
    bool bWritten = true;
    while (bWritten && done < bytes.size()) {
        bWritten = WriteFile(hFile, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &dwWritten, nullptr) &&
                   dwWritten > 0;
        done += dwWritten;
    }
    bWritten = bWritten && FlushFileBuffers(hFile);
    DWORD error = GetLastError();
    const bool bClosed = CloseHandle(hFile);
    if (bWritten && bClosed) {
        SetFileAttributesW(wstrTemporary.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (MoveFileExW(wstrTemporary.c_str(), wstrPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        error = GetLastError();
    }
    strError = Reason(strPath, "write", error) + " Whatever was there before is unchanged.";
    DeleteFileW(wstrTemporary.c_str());
    return false;
}
