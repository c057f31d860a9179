// A test of the program's logic on a store of its own: fixtures go in through vexor-reg import, and
// what the program left is read back through an export, as an administrator would check it.
#pragma once

#include "dialogs/AccessManagerDlg.h"
#include "tests/common/TempStore.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/modal_script.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The main dialog with its insides open to the test.
class CTestAccessManagerDlg : public CAccessManagerDlg {
  public:
    CUserList& UserList() { return m_userList; }
    CCheckBoxEx& ProtectSwitch() { return m_protectSwitch; }
    using CAccessManagerDlg::OnAccessRights;
};

class ProgramTest : public ::testing::Test {
  protected:
    ProgramTest();
    ~ProgramTest() override;

    // The machine's account names the add dialog offers.
    void OfferAccountNames(const std::vector<std::string>& names);

    // Imports a .reg text (UTF-8, REGEDIT4 or version 5 header) into the store.
    void Import(const std::string& strRegText);
    // The accounts key and the settings key, each with everything below it, as .reg text (UTF-8, LF
    // line ends, no header); "" when there is neither.
    std::string ExportClsid();
    // Starts the program as its entry point does; what it answers (FALSE: no message loop follows).
    static BOOL Start();
    // Runs the main dialog: the actions work in it while it is up, then its close button ends it.
    void RunMainDialog(const std::function<void(CTestAccessManagerDlg&, vexor::test::DialogDriver&)>& actions);

    TempStore m_store;
    vexor::test::ModalScript m_script;
};

// The .reg text of one account as the program writes it.
std::string AccountReg(const std::string& strName, int nEnableLogin, const std::string& strGroup,
                       const std::string& strPassword, const std::string& strOffset = "0");

// What ExportClsid() gives for a store holding these accounts (as AccountReg texts, in store order)
// and this settings text ("" for none).
std::string ExportOf(const std::vector<std::string>& accounts, const std::string& settings = "");

inline const char* const kStoreKeyReg = "[HKEY_CLASSES_ROOT\\CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}]\n";
inline const char* const kSettingsOnReg =
    "[HKEY_CLASSES_ROOT\\CLSID\\{C27D5E90-1B4A-4F36-8E2D-63A9F07B84D1}]\n@=dword:00000001\n";
// The administrator's account as most fixtures have it.
inline const std::string kAdminReg = AccountReg("Administrator", 1, "Administrator", "a");
inline const char* const kSettingsOffReg =
    "[HKEY_CLASSES_ROOT\\CLSID\\{C27D5E90-1B4A-4F36-8E2D-63A9F07B84D1}]\n@=dword:00000000\n";
