#include "tests/program/ProgramFixture.h"

#include "tests/common/RunsOnWine.h"

#include "app/AccessManagerApp.h"
#include "resources/resources.h"
#include "store/RegistryAccess.h"
#include "store/StoreKeys.h"
#include "tests/common/FileBytes.h"
#include "tests/support/tool_process.h"
#include "tools/reg/Utf16.h"

// Runs vexor-reg with the arguments; its exit status.
static int RunTool(std::vector<std::string> args) {
    vexor::registry::closeStore(); // the tool is another process: nothing of ours may stand in its way
    args.insert(args.begin(), ToolPath());
    return RunProcess(args).nExitCode;
}

ProgramTest::ProgramTest() { vexor::res::registerProgramResources(); }
ProgramTest::~ProgramTest() {
#ifndef _WIN32
    vexor::registry::setAccountSource(nullptr);
#endif
}

void ProgramTest::OfferAccountNames(const std::vector<std::string>& names) {
#ifdef _WIN32
    for (const std::string& name : names)
        WriteRegString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DocFolderPaths",
                       name, "C:\\Users\\" + name + "\\Documents", REG_SZ, __FILE__, __LINE__);
#else
    vexor::registry::setAccountSource([names] { return names; });
#endif
}

BOOL ProgramTest::Start() {
    CAccessManagerApp app;
    return app.InitInstance();
}

void ProgramTest::RunMainDialog(
    const std::function<void(CTestAccessManagerDlg&, vexor::test::DialogDriver&)>& actions) {
    CTestAccessManagerDlg dlg;
    m_script.expectDialog(CAccessManagerDlg::IDD, [&](vexor::test::DialogDriver& d) {
        actions(dlg, d);
        d.click(IDOK);
    });
    dlg.DoModal();
}

void ProgramTest::Import(const std::string& strRegText) {
    const std::string file = (m_store.dir() / "fixture.reg").string();
    writeFile(file, "Windows Registry Editor Version 5.00\n\n" + strRegText);
    ASSERT_EQ(RunTool({"import", file}), 0) << strRegText;
}

// Each key's export is UTF-16LE with a BOM, the header and CRLF line ends.
std::string ProgramTest::ExportClsid() {
    std::string text;
    for (const char* key : {AccountStoreKey, SettingsKey}) {
        const std::string file = (m_store.dir() / "export.reg").string();
        std::u16string exported;
        if (RunTool({"export", std::string("HKCR\\") + key, file, "/y"}) != 0 || !FromUtf16Le(fileBytes(file), exported))
            continue;
        std::string utf8 = Utf16ToUtf8(exported);
        for (std::size_t crlf; (crlf = utf8.find("\r\n")) != std::string::npos;)
            utf8.erase(crlf, 1);
        text += utf8.substr(utf8.find("\n\n") + 2);
    }
    return text;
}

// Wine lists a key's values by name; Windows and our store in the order they were created, which is
// the order the program writes them in.
std::string AccountReg(const std::string& strName, int nEnableLogin, const std::string& strGroup,
                       const std::string& strPassword, const std::string& strOffset) {
    const std::string password = "\"Password\"=\"" + strPassword + "\"\n", offset = "\"Offset\"=\"" + strOffset + "\"\n";
    return "[HKEY_CLASSES_ROOT\\CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}\\" + strName + "]\n" +
           "\"Enable Login\"=dword:0000000" + std::to_string(nEnableLogin) + "\n\"Group\"=\"" + strGroup + "\"\n" +
           (runsOnWine() ? offset + password : password + offset);
}

std::string ExportOf(const std::vector<std::string>& accounts, const std::string& settings) {
    std::string text = accounts.empty() ? "" : std::string(kStoreKeyReg) + "\n";
    for (const std::string& account : accounts)
        text += account + "\n";
    return settings.empty() ? text : text + settings + "\n";
}
