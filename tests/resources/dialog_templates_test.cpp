// The shape of every dialog template: the controls the program addresses, in tab order, and what the
// dialog backends rely on to lay them out.
#include "resources/resource.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace vexor::res;

namespace {

bool isStatic(const ControlTemplate& c) {
    return c.cls == ControlClass::Static ||
           (c.cls == ControlClass::Button && (c.style & BS_TYPEMASK) == BS_GROUPBOX);
}

// The ids of the controls the program addresses, in template (= tab) order.
std::vector<int> addressedIds(const DialogTemplate& dlg) {
    std::vector<int> ids;
    for (const ControlTemplate& c : dlg.controls)
        if (c.id != -1)
            ids.push_back(c.id);
    return ids;
}

} // namespace

TEST(DialogTemplates, ProgramControlsComeInTabOrder) {
    const std::map<int, std::vector<int>> expected = {
        {IDD_ACCESSMANAGER,
         {IDOK, IDC_USERLIST, IDC_ADD, IDC_DELETE, IDC_SETPASSWORD, IDC_PROTECT, IDC_ACCESSRIGHTS}},
        {IDD_ADDUSER, {IDOK, IDCANCEL, IDC_USERNAME, IDC_NEEDS_PASSWORD, IDC_PASSWORD, IDC_REPEAT}},
        {IDD_ACCESSRIGHTS, {IDOK, IDCANCEL, IDC_GROUP, IDC_RIGHTS}},
        {IDD_ADDADMIN, {IDOK, IDCANCEL, IDC_ADMINNAME, IDC_PASSWORD, IDC_REPEAT}},
        {IDD_SETPASSWORD, {IDOK, IDCANCEL, IDC_NEW_PASSWORD, IDC_CONFIRM_PASSWORD, IDC_SETPW_NEEDS_PASSWORD}},
        {IDD_ADMINLOGIN, {IDOK, IDCANCEL, IDC_LOGIN_PASSWORD}},
    };
    for (const auto& [id, ids] : expected) {
        const DialogTemplate* dlg = findDialog(id);
        ASSERT_NE(dlg, nullptr) << id;
        EXPECT_EQ(addressedIds(*dlg), ids) << "dialog " << id;
    }
}

TEST(DialogTemplates, ControlIdsAreUniqueWithinADialogAndStaticsAreUnnamed) {
    for (const DialogTemplate* dlg : allDialogs()) {
        SCOPED_TRACE("dialog " + std::to_string(dlg->id));
        std::set<int> seen;
        for (const ControlTemplate& c : dlg->controls) {
            if (isStatic(c)) {
                EXPECT_EQ(c.id, -1) << "a static the program never addresses: " << c.text;
                continue;
            }
            EXPECT_GT(c.id, 0) << c.text;
            EXPECT_TRUE(seen.insert(c.id).second) << "control id " << c.id << " twice";
        }
    }
}

TEST(DialogTemplates, EveryControlLiesInsideItsDialog) {
    for (const DialogTemplate* dlg : allDialogs()) {
        ASSERT_GT(dlg->cx, 0);
        ASSERT_GT(dlg->cy, 0);
        for (const ControlTemplate& c : dlg->controls) {
            SCOPED_TRACE("dialog " + std::to_string(dlg->id) + ", control " + std::to_string(c.id) + " " +
                         c.text);
            EXPECT_GE(c.x, 0);
            EXPECT_GE(c.y, 0);
            EXPECT_GT(c.cx, 0);
            EXPECT_GT(c.cy, 0);
            EXPECT_LE(c.x + c.cx, dlg->cx);
            EXPECT_LE(c.y + c.cy, dlg->cy);
        }
    }
}

TEST(DialogTemplates, EveryDialogIsAModalPopupWithCaptionCloseBoxAndTheDialogFont) {
    const DWORD required = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS;
    for (const DialogTemplate* dlg : allDialogs()) {
        SCOPED_TRACE("dialog " + std::to_string(dlg->id));
        EXPECT_EQ(dlg->style & required, required);
        ASSERT_NE(dlg->caption, nullptr);
        EXPECT_STRNE(dlg->caption, "");
        ASSERT_NE(dlg->fontName, nullptr);
        EXPECT_STREQ(dlg->fontName, "MS Shell Dlg");
        EXPECT_EQ(dlg->fontPointSize, 8);
    }
}

// Only the main dialog is the program's own window, with a button on the task bar.
TEST(DialogTemplates, OnlyTheMainDialogHasATaskBarButton) {
    for (const DialogTemplate* dlg : allDialogs())
        EXPECT_EQ((dlg->exStyle & WS_EX_APPWINDOW) != 0, dlg->id == IDD_ACCESSMANAGER) << dlg->id;
}

TEST(DialogTemplates, ControlsAreChildrenWithAStyleTheirClassKnows) {
    const std::set<DWORD> buttonTypes = {BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_AUTOCHECKBOX, BS_GROUPBOX};
    for (const DialogTemplate* dlg : allDialogs()) {
        for (const ControlTemplate& c : dlg->controls) {
            SCOPED_TRACE("dialog " + std::to_string(dlg->id) + ", control " + std::to_string(c.id) + " " +
                         c.text);
            EXPECT_TRUE(c.style & WS_CHILD);
            EXPECT_FALSE(c.style & WS_POPUP);
            if (c.cls == ControlClass::Button) {
                EXPECT_TRUE(buttonTypes.contains(c.style & BS_TYPEMASK));
            }
            if (c.cls == ControlClass::Static) {
                EXPECT_TRUE((c.style & SS_TYPEMASK) == SS_LEFT || (c.style & SS_TYPEMASK) == SS_ICON);
            }
        }
    }
}

// Icon statics show a 32 px image (21 x 20 dialog units); everything else shows no icon and has a
// text, never a null pointer, for the backends to set.
TEST(DialogTemplates, IconStaticsNameAnIconWithADialogSizedImage) {
    for (const DialogTemplate* dlg : allDialogs()) {
        for (const ControlTemplate& c : dlg->controls) {
            SCOPED_TRACE("dialog " + std::to_string(dlg->id) + ", control " + std::to_string(c.id));
            ASSERT_NE(c.text, nullptr);
            const bool iconStatic = c.cls == ControlClass::Static && (c.style & SS_TYPEMASK) == SS_ICON;
            if (!iconStatic) {
                EXPECT_EQ(c.iconId, 0);
                continue;
            }
            EXPECT_STREQ(c.text, "");
            const Icon* icon = findIcon(c.iconId);
            ASSERT_NE(icon, nullptr) << "icon " << c.iconId;
            EXPECT_TRUE(std::ranges::any_of(icon->images, [](const IconImage& image) {
                return image.width == 32 && image.height == 32;
            }));
        }
    }
}

// Alt+letter must reach one control only; a letter used twice in a dialog would make the second
// control unreachable that way.
TEST(DialogTemplates, MnemonicsAreUniqueWithinADialog) {
    for (const DialogTemplate* dlg : allDialogs()) {
        SCOPED_TRACE("dialog " + std::to_string(dlg->id));
        std::set<char> letters;
        for (const ControlTemplate& c : dlg->controls) {
            const char* amp = std::strchr(c.text, '&');
            if (!amp)
                continue;
            const unsigned char letter = static_cast<unsigned char>(amp[1]);
            ASSERT_TRUE(std::isalnum(letter)) << c.text;
            EXPECT_TRUE(letters.insert(static_cast<char>(std::tolower(letter))).second) << c.text;
            EXPECT_EQ(std::strchr(amp + 1, '&'), nullptr) << "two mnemonics in " << c.text;
        }
    }
}
