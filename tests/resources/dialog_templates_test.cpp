// What the dialog backends rely on to lay out and address every template.
#include "resources/resource.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <string>

using namespace vexor::res;

namespace {

bool isStatic(const ControlTemplate& c) {
    return c.cls == ControlClass::Static ||
           (c.cls == ControlClass::Button && (c.style & BS_TYPEMASK) == BS_GROUPBOX);
}

} // namespace

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
