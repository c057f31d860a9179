// Finding resources by id, and the string table entries that must agree with the templates.
#include "resources/resource.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace vexor::res;

namespace {

const ControlTemplate* findControl(const DialogTemplate& dlg, int id) {
    const auto it = std::ranges::find(dlg.controls, id, &ControlTemplate::id);
    return it == dlg.controls.end() ? nullptr : &*it;
}

} // namespace

TEST(ResourceLookup, EveryDialogIsFoundByItsOwnIdAndTheIdsAreTheProgramsSix) {
    std::set<int> ids;
    for (const DialogTemplate* dlg : allDialogs()) {
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(findDialog(dlg->id), dlg);
        EXPECT_TRUE(ids.insert(dlg->id).second) << "dialog id " << dlg->id << " twice";
    }
    EXPECT_EQ(ids, (std::set<int>{IDD_ACCESSMANAGER, IDD_ADDUSER, IDD_ACCESSRIGHTS, IDD_ADDADMIN,
                                  IDD_SETPASSWORD, IDD_ADMINLOGIN}));
}

TEST(ResourceLookup, UnknownIdsGiveNullptr) {
    // Ids of the other kinds of resource must not be found as this kind.
    for (int id : {0, -1, 1, 101, 103, IDS_PROTECT_SWITCH, IDR_MAINFRAME, 65535, 1 << 30})
        EXPECT_EQ(findDialog(id), nullptr) << id;
    for (int id : {0, -1, 132, 135, IDD_ACCESSMANAGER, IDR_MAINFRAME, 65535})
        EXPECT_EQ(findString(id), nullptr) << id;
    for (int id : {0, -1, 129, 136, IDD_ACCESSMANAGER, IDS_PROTECT_SWITCH, 65535})
        EXPECT_EQ(findIcon(id), nullptr) << id;
}

TEST(ResourceLookup, ProgramIconAndDialogIconsExist) {
    for (int id : {IDR_MAINFRAME, IDI_PADLOCK, IDI_USERS}) {
        const Icon* icon = findIcon(id);
        ASSERT_NE(icon, nullptr) << id;
        EXPECT_EQ(icon->id, id);
        EXPECT_FALSE(icon->images.empty()) << id;
    }
}

// The switch's caption is loaded from the string table when the main dialog binds it; if the template
// said something else, the text would change under the user's eyes.
TEST(StringTable, SwitchCaptionMatchesTheCheckBoxInTheMainDialog) {
    const char* caption = findString(IDS_PROTECT_SWITCH);
    ASSERT_NE(caption, nullptr);
    const DialogTemplate* dlg = findDialog(IDD_ACCESSMANAGER);
    ASSERT_NE(dlg, nullptr);
    const ControlTemplate* box = findControl(*dlg, IDC_PROTECT);
    ASSERT_NE(box, nullptr);
    EXPECT_STREQ(caption, box->text);
}

TEST(StringTable, SetPasswordCaptionFormatMatchesItsTemplate) {
    const char* format = findString(IDS_SETPASSWORD_CAPTION);
    ASSERT_NE(format, nullptr);
    const DialogTemplate* dlg = findDialog(IDD_SETPASSWORD);
    ASSERT_NE(dlg, nullptr);
    EXPECT_STREQ(format, dlg->caption);
}

// The format is filled with a user name as its only argument: one %s and no other conversion, or a
// name would be read from where there is none.
TEST(StringTable, SetPasswordCaptionTakesExactlyOneStringArgument) {
    const std::string format = findString(IDS_SETPASSWORD_CAPTION);
    EXPECT_EQ(std::ranges::count(format, '%'), 1);
    const auto percent = format.find('%');
    ASSERT_NE(percent, std::string::npos);
    EXPECT_EQ(format.substr(percent, 2), "%s");
}
