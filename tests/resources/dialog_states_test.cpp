// The initial states the dialogs' code builds on: what starts disabled or hidden, which button Enter
// presses, which fields mask or refuse typing.
#include "resources/resource.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

using namespace vexor::res;

namespace {

// Throws when the template is missing, so that the test fails instead of crashing.
const DialogTemplate& dialog(int dialogId) {
    const DialogTemplate* dlg = findDialog(dialogId);
    if (!dlg)
        throw std::runtime_error("no dialog " + std::to_string(dialogId));
    return *dlg;
}

const ControlTemplate& control(int dialogId, int controlId) {
    const DialogTemplate* dlg = &dialog(dialogId);
    const auto it = std::ranges::find(dlg->controls, controlId, &ControlTemplate::id);
    if (it == dlg->controls.end())
        throw std::runtime_error("no control " + std::to_string(controlId) + " in " +
                                 std::to_string(dialogId));
    return *it;
}

std::set<int> idsWhere(int dialogId, auto predicate) {
    std::set<int> ids;
    for (const ControlTemplate& c : dialog(dialogId).controls)
        if (c.id != -1 && predicate(c))
            ids.insert(c.id);
    return ids;
}

bool disabled(const ControlTemplate& c) {
    return (c.style & WS_DISABLED) != 0;
}
bool hidden(const ControlTemplate& c) {
    return (c.style & WS_VISIBLE) == 0;
}
bool defaultButton(const ControlTemplate& c) {
    return c.cls == ControlClass::Button && (c.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

} // namespace

TEST(DialogStates, ControlsThatStartDisabled) {
    EXPECT_EQ(idsWhere(IDD_ACCESSMANAGER, disabled), std::set<int>{IDC_ACCESSRIGHTS});
    EXPECT_EQ(idsWhere(IDD_ADDUSER, disabled), (std::set<int>{IDOK, IDC_PASSWORD, IDC_REPEAT}));
    EXPECT_EQ(idsWhere(IDD_ACCESSRIGHTS, disabled), (std::set<int>{IDC_GROUP, IDC_RIGHTS}));
    EXPECT_EQ(idsWhere(IDD_ADDADMIN, disabled), std::set<int>{IDOK});
    EXPECT_TRUE(idsWhere(IDD_SETPASSWORD, disabled).empty());
    EXPECT_TRUE(idsWhere(IDD_ADMINLOGIN, disabled).empty());
}

// The access-rights button is the only control created hidden, and no static is hidden either.
TEST(DialogStates, OnlyTheAccessRightsButtonStartsHidden) {
    for (const DialogTemplate* dlg : allDialogs())
        for (const ControlTemplate& c : dlg->controls)
            EXPECT_EQ(hidden(c), dlg->id == IDD_ACCESSMANAGER && c.id == IDC_ACCESSRIGHTS)
                << dlg->id << "/" << c.id << " " << c.text;
}

// Enter presses the default button: OK in every entry dialog. The main dialog marks none, so Enter
// there ends it like "Schließen" (IDOK) unless the focus is on another push button.
TEST(DialogStates, EnterPressesOkInEntryDialogsAndNothingIsMarkedInTheMainDialog) {
    for (const DialogTemplate* dlg : allDialogs()) {
        const std::set<int> expected = dlg->id == IDD_ACCESSMANAGER ? std::set<int>{} : std::set<int>{IDOK};
        EXPECT_EQ(idsWhere(dlg->id, defaultButton), expected) << dlg->id;
    }
    EXPECT_EQ(control(IDD_ACCESSMANAGER, IDOK).cls, ControlClass::Button);
}

TEST(DialogStates, PasswordFieldsMaskAndTheAdministratorNameCannotBeTyped) {
    const std::pair<int, int> passwordFields[] = {
        {IDD_ADMINLOGIN, IDC_LOGIN_PASSWORD},
        {IDD_ADDADMIN, IDC_PASSWORD},
        {IDD_ADDADMIN, IDC_REPEAT},
        {IDD_ADDUSER, IDC_PASSWORD},
        {IDD_ADDUSER, IDC_REPEAT},
        {IDD_SETPASSWORD, IDC_NEW_PASSWORD},
        {IDD_SETPASSWORD, IDC_CONFIRM_PASSWORD},
    };
    for (const auto& [dialogId, controlId] : passwordFields) {
        const ControlTemplate& c = control(dialogId, controlId);
        EXPECT_EQ(c.cls, ControlClass::Edit) << dialogId << "/" << controlId;
        EXPECT_TRUE(c.style & ES_PASSWORD) << dialogId << "/" << controlId;
        EXPECT_FALSE(c.style & ES_READONLY) << dialogId << "/" << controlId;
    }
    const ControlTemplate& name = control(IDD_ADDADMIN, IDC_ADMINNAME);
    EXPECT_EQ(name.cls, ControlClass::Edit);
    EXPECT_TRUE(name.style & ES_READONLY);
    EXPECT_FALSE(name.style & ES_PASSWORD);
}

TEST(DialogStates, ControlsHaveTheKindTheProgramBindsThemTo) {
    EXPECT_EQ(control(IDD_ACCESSMANAGER, IDC_USERLIST).cls, ControlClass::ListView);
    EXPECT_EQ(control(IDD_ACCESSMANAGER, IDC_USERLIST).style & (LVS_REPORT | LVS_SINGLESEL),
              DWORD(LVS_REPORT | LVS_SINGLESEL));
    EXPECT_EQ(control(IDD_ACCESSRIGHTS, IDC_RIGHTS).cls, ControlClass::TreeView);
    for (const auto& [dialogId, controlId] :
         {std::pair{IDD_ACCESSMANAGER, IDC_PROTECT}, std::pair{IDD_ADDUSER, IDC_NEEDS_PASSWORD},
          std::pair{IDD_SETPASSWORD, IDC_SETPW_NEEDS_PASSWORD}}) {
        const ControlTemplate& box = control(dialogId, controlId);
        EXPECT_EQ(box.cls, ControlClass::Button) << dialogId << "/" << controlId;
        EXPECT_EQ(box.style & BS_TYPEMASK, DWORD(BS_AUTOCHECKBOX)) << dialogId << "/" << controlId;
    }
}

// The name can be typed or picked; without CBS_AUTOHSCROLL a typed name is limited to what the box
// shows, while a picked one is taken whole.
TEST(DialogStates, UserNameIsAnEditableSortedComboThatDoesNotScroll) {
    const ControlTemplate& combo = control(IDD_ADDUSER, IDC_USERNAME);
    EXPECT_EQ(combo.cls, ControlClass::ComboBox);
    EXPECT_EQ(combo.style & CBS_DROPDOWNLIST, DWORD(CBS_DROPDOWN));
    EXPECT_TRUE(combo.style & CBS_SORT);
    EXPECT_FALSE(combo.style & CBS_AUTOHSCROLL);
}
