// Finding the resources by id, and what the dialog backends rely on in every template.
#include "resources/resource.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <string>

using namespace vexor::res;

TEST(ResourceLookup, EveryResourceIsFoundByItsIdAndKindOnly) {
    const std::set<int> dialogs{IDD_ACCESSMANAGER, IDD_ADDUSER,     IDD_ACCESSRIGHTS,
                                IDD_ADDADMIN,      IDD_SETPASSWORD, IDD_ADMINLOGIN};
    const std::set<int> strings{IDS_PROTECT_SWITCH, IDS_SETPASSWORD_CAPTION};
    const std::set<int> icons{IDR_MAINFRAME, IDI_PADLOCK, IDI_USERS};
    std::set<int> listed;
    for (const DialogTemplate* dlg : allDialogs())
        EXPECT_TRUE(dlg && findDialog(dlg->id) == dlg && listed.insert(dlg->id).second);
    EXPECT_EQ(listed, dialogs);
    std::set<int> ids{0, -1, 1, 101, 103, 129, 132, 136, 65535, 1 << 30};
    for (const std::set<int>* kind : {&dialogs, &strings, &icons})
        ids.insert(kind->begin(), kind->end());
    for (int id : ids) { // 134 is both a dialog and a string
        EXPECT_EQ(findDialog(id) != nullptr, dialogs.contains(id)) << id;
        EXPECT_EQ(findString(id) != nullptr, strings.contains(id)) << id;
        EXPECT_EQ(findIcon(id) != nullptr, icons.contains(id)) << id;
    }
}

// Both captions are loaded from the string table at run time: if a template said something else, the
// text would change under the user's eyes. The set-password caption is filled with a user name as its
// only argument: one %s and no other conversion, or a name would be read from where there is none.
TEST(StringTable, CaptionsMatchTheirTemplatesAndTheFormatTakesOneString) {
    const DialogTemplate* main = findDialog(IDD_ACCESSMANAGER);
    const DialogTemplate* setPassword = findDialog(IDD_SETPASSWORD);
    ASSERT_TRUE(main && setPassword && findString(IDS_PROTECT_SWITCH) && findString(IDS_SETPASSWORD_CAPTION));
    const auto box = std::ranges::find(main->controls, IDC_PROTECT, &ControlTemplate::id);
    ASSERT_NE(box, main->controls.end());
    EXPECT_STREQ(findString(IDS_PROTECT_SWITCH), box->text);
    const std::string format = findString(IDS_SETPASSWORD_CAPTION);
    EXPECT_EQ(format, setPassword->caption);
    EXPECT_EQ(std::ranges::count(format, '%'), 1);
    EXPECT_NE(format.find("%s"), std::string::npos);
}

// Statics are never addressed, every other control has an id of its own; every control lies inside
// its dialog; Alt+letter reaches one control only; an icon static shows a 32 px icon (21 x 20 dialog
// units) and has no text, and every other control has a text (never a null pointer) and no icon.
TEST(DialogTemplates, EveryControlIsAddressableInsideItsDialogWithItsOwnMnemonicAndIcon) {
    for (const DialogTemplate* dlg : allDialogs()) {
        ASSERT_TRUE(dlg->cx > 0 && dlg->cy > 0);
        std::set<int> ids;
        std::set<char> letters;
        for (const ControlTemplate& c : dlg->controls) {
            SCOPED_TRACE("dialog " + std::to_string(dlg->id) + ", control " + std::to_string(c.id));
            ASSERT_NE(c.text, nullptr);
            const bool isStatic = c.cls == ControlClass::Static ||
                                  (c.cls == ControlClass::Button && (c.style & BS_TYPEMASK) == BS_GROUPBOX);
            if (isStatic)
                EXPECT_EQ(c.id, -1) << c.text;
            else
                EXPECT_TRUE(c.id > 0 && ids.insert(c.id).second) << "id " << c.id << " twice or none";
            EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.cx > 0 && c.cy > 0 && c.x + c.cx <= dlg->cx &&
                        c.y + c.cy <= dlg->cy);
            if (const char* amp = std::strchr(c.text, '&')) {
                const unsigned char letter = static_cast<unsigned char>(amp[1]);
                ASSERT_TRUE(std::isalnum(letter)) << c.text;
                EXPECT_TRUE(letters.insert(static_cast<char>(std::tolower(letter))).second) << c.text;
                EXPECT_EQ(std::strchr(amp + 1, '&'), nullptr) << "two mnemonics in " << c.text;
            }
            if (c.cls != ControlClass::Static || (c.style & SS_TYPEMASK) != SS_ICON) {
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
