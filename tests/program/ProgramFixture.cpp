#include "tests/program/ProgramFixture.h"

#include "app/AccessManagerApp.h"
#include "resources/resources.h"
#include "tests/common/FileBytes.h"

#include <QByteArray>
#include <QString>

#include <cstdlib>

namespace {

// The export is UTF-16LE with a BOM and CRLF line ends; tests compare UTF-8 text with LF.
std::string ExportToUtf8(const std::string& strBytes) {
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(strBytes.data()),
                                      static_cast<qsizetype>(strBytes.size() / 2));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace("\r\n", "\n");
    const QString header = "Windows Registry Editor Version 5.00\n\n";
    if (text.startsWith(header))
        text.remove(0, header.size());
    return text.toStdString();
}

} // namespace

ProgramTest::ProgramTest() { vexor::res::registerProgramResources(); }
ProgramTest::~ProgramTest() { vexor::registry::setAccountSource(nullptr); }

int ProgramTest::RunTool(const std::string& strArguments) {
    vexor::registry::closeStore(); // the tool is another process: nothing of ours may stand in its way
    const std::string command = std::string("'") + VEXOR_REG_TOOL + "' " + strArguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
    const auto file = m_store.dir() / "fixture.reg";
    writeFile(file.string(), "Windows Registry Editor Version 5.00\n\n" + strRegText);
    ASSERT_EQ(RunTool("import '" + file.string() + "'"), 0) << strRegText;
}

std::string ProgramTest::ExportClsid() {
    const auto file = m_store.dir() / "export.reg";
    std::filesystem::remove(file);
    if (RunTool("export 'HKCR\\CLSID' '" + file.string() + "' /y") != 0)
        return "";
    std::string text = ExportToUtf8(fileBytes(file.string()));
    const std::string clsid = "[HKEY_CLASSES_ROOT\\CLSID]\n\n";
    if (text.rfind(clsid, 0) == 0)
        text.erase(0, clsid.size());
    return text;
}

std::string AccountReg(const std::string& strName, int nEnableLogin, const std::string& strGroup,
                       const std::string& strPassword, const std::string& strOffset) {
    return "[HKEY_CLASSES_ROOT\\CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}\\" + strName + "]\n" +
           "\"Enable Login\"=dword:0000000" + std::to_string(nEnableLogin) + "\n\"Group\"=\"" + strGroup +
           "\"\n\"Password\"=\"" + strPassword + "\"\n\"Offset\"=\"" + strOffset + "\"\n";
}

std::string ExportOf(const std::vector<std::string>& accounts, const std::string& settings) {
    std::string text = accounts.empty() ? "" : std::string(kStoreKeyReg) + "\n";
    for (const std::string& account : accounts)
        text += account + "\n";
    return settings.empty() ? text : text + settings + "\n";
}
