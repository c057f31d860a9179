#include "tests/program/ProgramFixture.h"

#include "platform/registry/fault_injection.h"
#include "store/RegistryAccess.h"
#include "store/StoreKeys.h"

namespace {

using vexor::test::DialogDriver;

// Runs the main dialog (which loads the list) and hands its list to the test while it is up.
class UserListTest : public ProgramTest {
  protected:
    void WithList(const std::function<void(CUserList&)>& work) {
        RunMainDialog([&](CTestAccessManagerDlg& dlg, DialogDriver&) { work(dlg.UserList()); });
    }
};

// The operations of a save that changes the first row's password; the row is saved back afterwards. A
// save writes only what changed, so a save without a change makes fewer.
std::uint64_t OperationsOfAChangedSave(CUserList& list) {
    const std::string old = list.GetItemText(0, 3);
    list.SetItemText(0, 3, "changed");
    const std::uint64_t start = vexor::registry::testing::operationCount();
    list.SaveUsers();
    const std::uint64_t operations = vexor::registry::testing::operationCount() - start;
    list.SetItemText(0, 3, old.c_str());
    list.SaveUsers();
    return operations;
}

std::vector<std::string> Column(CUserList& list, int nCol) {
    std::vector<std::string> cells;
    for (int row = 0; row < list.GetItemCount(); ++row)
        cells.push_back(list.GetItemText(row, nCol));
    return cells;
}

TEST_F(UserListTest, ShowsTheStoreNewestOnTopInFiveColumnsHoweverOftenItLoads) {
    Import(AccountReg("Carl", 0, "Gast", "c") + kAdminReg + AccountReg("Bob", 0, "Gast", "b"));
    WithList([](CUserList& list) {
        list.LoadUsers();
        list.LoadUsers();
        EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Carl", "Bob", "Administrator"}));
        EXPECT_EQ(Column(list, 3), (std::vector<std::string>{"c", "b", "a"}));
        ASSERT_EQ(list.GetColumnCount(), 5);
        const std::pair<const char*, int> columns[] = {
            {"Name", 171}, {"Kennwort", 70}, {"Gruppe", 0}, {"Passwort", 0}, {"Offset", 0}};
        for (int col = 0; col < 5; ++col) {
            EXPECT_EQ(list.GetColumnHeading(col), columns[col].first);
            EXPECT_EQ(list.GetColumnWidth(col), columns[col].second);
        }
        EXPECT_EQ(list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT));
        EXPECT_EQ(list.GetSelectionMark(), -1);
    });
}

// Only exactly 1, as a number, needs a password; anything else loads as "Nein" and saves as 0.
// Unknown groups and offsets travel unchanged; values and subkeys of other names do not survive a save.
TEST_F(UserListTest, LoadsWhatIsThereAndSavesExactlyTheFourValues) {
    const std::string key = "[HKEY_CLASSES_ROOT\\CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}\\";
    Import(key + "a1]\n\"Enable Login\"=dword:00000001\n" + key + "a2]\n\"Enable Login\"=hex:01,00,00,00\n" + key +
           "a3]\n\"Enable Login\"=dword:00000002\n" + key + "a4]\n\"Enable Login\"=\"1\"\n\"Group\"=\"Chef\"\n" + key +
           "a5]\n\"Offset\"=\"17\"\n\"Other\"=\"x\"\n" + key + "a5\\sub]\n" + key + "a6]\n");
    WithList([](CUserList& list) {
        EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"a6", "a5", "a4", "a3", "a2", "a1"}));
        EXPECT_EQ(Column(list, 1), (std::vector<std::string>{"Nein", "Nein", "Nein", "Nein", "Ja", "Ja"}));
        list.SetItemText(5, 1, "ja"); // a1: "Ja" in another case is not "Ja"
        list.SaveUsers();
    });
    EXPECT_EQ(ExportClsid(), ExportOf({AccountReg("a1", 0, "", "", ""), AccountReg("a2", 1, "", "", ""),
                                       AccountReg("a3", 0, "", "", ""), AccountReg("a4", 0, "Chef", "", ""),
                                       AccountReg("a5", 0, "", "", "17"), AccountReg("a6", 0, "", "", "")}));
}

// The list holds the program's bytes: text another program wrote in another code page comes back from a
// save exactly as it was, even though the display can't show it.
TEST_F(UserListTest, BytesThatAreNoUtf8SurviveASaveUnchanged) {
    const std::string odd = "K\xE4se\xFF\xC3";
    const std::string key = std::string(AccountStoreKey) + "\\" + odd;
    const char* const values[] = {"Group", "Password", "Offset"};
    for (const char* value : values)
        WriteRegString(HKEY_CLASSES_ROOT, key, value, odd + value, REG_SZ, __FILE__, __LINE__);
    WithList([](CUserList& list) {
        list.InsertItem(0, "neu");
        list.SaveUsers();
    });
    std::vector<std::string> names;
    std::string name;
    while (EnumRegSubKey(HKEY_CLASSES_ROOT, AccountStoreKey, name))
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{odd, "neu"}));
    for (const char* value : values)
        EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, key, value, __FILE__, __LINE__), odd + value);
}

// A save deletes the store and writes it anew; whatever fails in between, the store is the old one
// whole, never a store without its administrator; killed anywhere, it is the old one or the new one.
TEST_F(UserListTest, ASaveThatFailsOrIsKilledAnywhereLeavesTheOldStoreOrTheNewOne) {
    Import(kSettingsOnReg + kAdminReg + AccountReg("bob", 0, "Gast", "b"));
    const std::string before = ExportClsid();
    std::uint64_t operations = 0;
    WithList([&](CUserList& list) {
        operations = OperationsOfAChangedSave(list);
        for (std::uint64_t k = 1; k <= operations; ++k) {
            list.SetItemText(0, 3, ("neu" + std::to_string(k)).c_str());
            vexor::registry::testing::failAtOperation(k, ERROR_WRITE_FAULT);
            list.SaveUsers();
            vexor::registry::testing::clearFaults();
            list.LoadUsers();
            EXPECT_EQ(list.GetItemText(0, 3), "b") << "failure at operation " << k;
        }
    });
    ASSERT_GT(operations, 8u);
    EXPECT_EQ(ExportClsid(), before);

    const std::string after = ExportOf({kAdminReg, AccountReg("bob", 0, "Gast", "neu")}, kSettingsOnReg);
    bool sawNew = false;
    for (std::uint64_t k = 1; k <= operations + 1; ++k) {
        EXPECT_EXIT(
            {
                vexor::registry::closeStore();
                vexor::test::ModalScript script;
                CTestAccessManagerDlg dlg;
                script.expectDialog(CAccessManagerDlg::IDD, [&](DialogDriver&) {
                    dlg.UserList().SetItemText(0, 3, "neu");
                    vexor::registry::testing::exitAtOperation(k);
                    dlg.UserList().SaveUsers();
                    std::_Exit(77); // the save came through whole
                });
                dlg.DoModal();
            },
            ::testing::ExitedWithCode(77), "");
        const std::string now = ExportClsid();
        EXPECT_TRUE(now == before || now == after) << "killed at operation " << k << ":\n" << now;
        sawNew = now == after;
    }
    EXPECT_TRUE(sawNew) << "the save that was not killed came through";
}

} // namespace
