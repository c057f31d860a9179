// The program's resources as the framework gets them: found by id once registered, the templates as
// both dialog backends rely on them, the icons whole, and every text German in UTF-8.
#include "platform/strings.h"
#include "resources/resource.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QStringDecoder>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>

using namespace vexor;
using namespace vexor::res;

namespace {

std::string loadString(UINT id) {
    char buffer[256];
    return LoadStringA(nullptr, id, buffer, sizeof buffer) > 0 ? buffer : "";
}

// The text when it is valid UTF-8 of ASCII and German letters only; nothing otherwise. Windows shows
// the program's texts in Windows-1252, which has these letters: a text saved or pasted in the wrong
// encoding ("ü" as "Ã¼") or holding any other character fails.
std::optional<QString> germanText(std::string_view utf8) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
    if (decoder.hasError())
        return std::nullopt;
    for (QChar c : text)
        if (c.unicode() >= 0x80 && !QStringLiteral(u"\u00E4\u00F6\u00FC\u00C4\u00D6\u00DC\u00DF").contains(c))
            return std::nullopt;
    return text;
}

class Resources : public ::testing::Test {
  protected:
    void SetUp() override { registerProgramResources(); }
};

// Both captions are loaded from the string table at run time: if a template said something else, the
// text would change under the user's eyes. (How the set-password caption takes its user name shows in
// the program tests' captions, a name with "%s" among them.)
TEST_F(Resources, CaptionsMatchTemplatesAndEveryControlIsAddressableInsideItsDialogWithItsOwnMnemonic) {
    const DialogTemplate* main = ui::findDialog(IDD_ACCESSMANAGER);
    const DialogTemplate* setPassword = ui::findDialog(IDD_SETPASSWORD);
    ASSERT_TRUE(main && setPassword);
    const auto box = std::ranges::find(main->controls, IDC_PROTECT, &ControlTemplate::id);
    ASSERT_NE(box, main->controls.end());
    EXPECT_EQ(loadString(IDS_PROTECT_SWITCH), box->text);
    EXPECT_EQ(loadString(IDS_SETPASSWORD_CAPTION), setPassword->caption);

    // Every dialog is registered and found by its id. Statics are never addressed, every other control has
    // an id of its own; every control lies inside its dialog; Alt+letter reaches one control only; an icon
    // static shows a registered 32 px icon and has no text, and every other control has a text (never a
    // null pointer) and no icon.
    std::set<int> dialogs;
    for (const DialogTemplate* dlg : programResources().dialogs) {
        EXPECT_TRUE(ui::findDialog(dlg->id) == dlg && dialogs.insert(dlg->id).second);
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
            const Icon* icon = ui::findIcon(c.iconId);
            ASSERT_NE(icon, nullptr) << "icon " << c.iconId;
            EXPECT_TRUE(
                std::ranges::any_of(icon->images, [](const IconImage& image) { return image.width == 32; }));
        }
    }
    EXPECT_EQ(dialogs, (std::set<int>{IDD_ACCESSMANAGER, IDD_ADDUSER, IDD_ACCESSRIGHTS, IDD_ADDADMIN,
                                      IDD_SETPASSWORD, IDD_ADMINLOGIN}));
    EXPECT_EQ(ui::findDialog(0), nullptr);
}

// Each icon has the sizes Windows picks from, one image of each size, and every image is a whole PNG
// (decoded by Qt's reader) of its declared square size, 8 bits a channel with alpha.
TEST_F(Resources, EachIconHasTheSizesWindowsAsksForAsWholeRgbaPngs) {
    const std::map<int, std::set<int>> expected{
        {IDR_MAINFRAME, {16, 32, 48}}, {IDI_PADLOCK, {32}}, {IDI_USERS, {16, 32, 48}}};
    ASSERT_EQ(programResources().icons.size(), expected.size());
    EXPECT_EQ(ui::programIconId(), IDR_MAINFRAME);
    for (const Icon& icon : programResources().icons) {
        EXPECT_EQ(ui::findIcon(icon.id), &icon);
        std::set<int> seen;
        for (const IconImage& image : icon.images) {
            SCOPED_TRACE("icon " + std::to_string(icon.id) + " at " + std::to_string(image.width) + " px");
            EXPECT_TRUE(seen.insert(image.width).second) << "two images of one size";
            QImage decoded;
            ASSERT_TRUE(image.png && decoded.loadFromData(image.png, static_cast<int>(image.size), "PNG"));
            EXPECT_EQ(decoded.size(), QSize(image.width, image.width));
            EXPECT_EQ(image.height, image.width);
            EXPECT_EQ(decoded.format(), QImage::Format_ARGB32);
            // A cut-off image must fail that decoding, or it proves nothing.
            EXPECT_FALSE(QImage().loadFromData(image.png, static_cast<int>(image.size) / 2, "PNG"));
        }
        EXPECT_EQ(seen, expected.at(icon.id));
    }
}

// A line break is a real one (an escaped "\n" written twice would show a backslash), and only the
// administrator setup's explanation has one, between its two sentences. The check itself must tell
// good from bad, or it proves nothing.
TEST_F(Resources, EveryTextIsGermanUtf8WithRealLineBreaks) {
    EXPECT_EQ(germanText("f\xC3\xBCr"), QStringLiteral(u"f\u00FCr"));
    for (const char* bad : {"f\xFCr", "f\xC3", "\xC0\xAF", "\xD0\x96", "\xC3\x83\xC2\xBC"})
        EXPECT_EQ(germanText(bad), std::nullopt) << bad; // 1252 byte, cut off, overlong, Cyrillic, "Ã¼"
    std::vector<std::pair<std::string, std::string_view>> texts;
    for (const DialogTemplate* dlg : programResources().dialogs) {
        texts.emplace_back("dialog " + std::to_string(dlg->id), dlg->caption);
        for (const ControlTemplate& c : dlg->controls)
            texts.emplace_back("dialog " + std::to_string(dlg->id) + " control " + std::to_string(c.id),
                               c.text);
    }
    for (const strings::Entry& entry : stringTable())
        texts.emplace_back("string " + std::to_string(entry.id), entry.text);
    std::size_t breaks = 0;
    for (const auto& [where, text] : texts) {
        EXPECT_TRUE(germanText(text)) << where << ": " << text;
        EXPECT_EQ(text.find('\\'), std::string_view::npos) << where << ": " << text;
        breaks += static_cast<std::size_t>(std::ranges::count(text, '\n'));
    }
    EXPECT_EQ(breaks, 1u);
}

} // namespace
