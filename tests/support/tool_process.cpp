#include "tests/support/tool_process.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#ifdef _WIN32
#include "platform/win32/text.h"

#include <windows.h>

#include <io.h>
#else
#include <cstdlib>
#include <sys/wait.h>
#endif

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

void Check(bool bOk, const char* pszWhat) {
    if (!bOk)
        throw std::runtime_error(std::string(pszWhat) + " failed");
}

// Removed when closed. Windows' own tmpfile() may want the drive's root folder: the user's temporary
// folder is the place there, and the file is read in text mode, as programs there read a console
// tool's output (its CRLF line ends come back as LF).
File TempFile() {
#ifdef _WIN32
    wchar_t folder[MAX_PATH], path[MAX_PATH];
    Check(GetTempPathW(MAX_PATH, folder) && GetTempFileNameW(folder, L"vxr", 0, path), "GetTempFileName");
    File file(_wfopen(path, L"w+tD"), &fclose);
#else
    File file(std::tmpfile(), &fclose);
#endif
    Check(file != nullptr, "creating a temporary file");
    return file;
}

// What the child wrote through its copy of the file's descriptor.
std::string WrittenTo(FILE* file) {
    std::rewind(file);
    std::string bytes;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, n);
    return bytes;
}

#ifdef _WIN32
// One argument as the C runtime splits a command line: quoted, backslashes doubled only before a quote.
std::wstring Quoted(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        quoted.append(c == L'"' ? backslashes + 1 : 0, L'\\') += c;
        backslashes = c == L'\\' ? backslashes + 1 : 0;
    }
    return quoted.append(backslashes, L'\\') + L"\"";
}

HANDLE Inherited(FILE* file) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    Check(SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT), "SetHandleInformation");
    return handle;
}
#endif

} // namespace

#ifdef _WIN32
std::string ToolPath() {
    wchar_t self[MAX_PATH];
    const std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    return vexor::win32::narrow(path.substr(0, path.rfind(L'\\') + 1) + L"vexor-reg.exe");
}

CToolResult RunProcess(const std::vector<std::string>& argv, const std::string& stdinPath) {
    std::wstring commandLine;
    for (const std::string& argument : argv)
        commandLine += Quoted(vexor::win32::widen(argument)) + L" ";
    const File out = TempFile(), err = TempFile();
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE input = CreateFileW(stdinPath.empty() ? L"NUL" : vexor::win32::widen(stdinPath).c_str(), GENERIC_READ,
                                     FILE_SHARE_READ, &inheritable, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = Inherited(out.get());
    startup.hStdError = Inherited(err.get());
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(input);
    Check(started, "CreateProcess");
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {static_cast<int>(exitCode), WrittenTo(out.get()), WrittenTo(err.get())};
}
#else
std::string ToolPath() {
    return VEXOR_REG_PATH;
}

// Through sh, each word in single quotes; exec leaves the program's own end status to the caller.
CToolResult RunProcess(const std::vector<std::string>& argv, const std::string& stdinPath) {
    const auto word = [](const std::string& text) {
        std::string quoted = "'";
        for (const char c : text)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    };
    const File out = TempFile(), err = TempFile();
    std::string command = "exec";
    for (const std::string& argument : argv)
        command += " " + word(argument);
    command += " <" + word(stdinPath.empty() ? "/dev/null" : stdinPath) + " >/dev/fd/" + std::to_string(fileno(out.get())) + " 2>/dev/fd/" +
               std::to_string(fileno(err.get()));
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), WrittenTo(out.get()),
            WrittenTo(err.get())};
}
#endif
