// The program's texts: UTF-8 in the source, German with umlauts and ß, and every one of them shown on
// Windows in the Windows-1252 code page. Beyond ASCII they hold only äöüÄÖÜß, which that code page
// has: a text saved or pasted in the wrong encoding ("ü" as "Ã¼") or holding any other character
// fails here.
#include "resources/resource.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace vexor::res;

namespace {

// The text when it is valid UTF-8 of ASCII and German letters only; nothing otherwise.
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

} // namespace

// The check itself must tell good from bad, or the test below proves nothing.
TEST(ProgramTexts, TheCheckRejectsBrokenUtf8AndForeignCharacters) {
    EXPECT_EQ(germanText("f\xC3\xBCr"), QStringLiteral(u"f\u00FCr"));
    for (const char* bad : {"f\xFCr", "f\xC3", "\xC0\xAF", "\xD0\x96", "\xC3\x83\xC2\xBC"})
        EXPECT_EQ(germanText(bad), std::nullopt) << bad; // 1252 byte, cut off, overlong, Cyrillic, "Ã¼"
}

// A line break is a real one (an escaped "\n" written twice would show a backslash), and only the
// administrator setup's explanation has one, between its two sentences.
TEST(ProgramTexts, EveryTextIsGermanWithRealLineBreaks) {
    std::vector<std::pair<std::string, std::string_view>> texts;
    for (const DialogTemplate* dlg : allDialogs()) {
        texts.emplace_back("dialog " + std::to_string(dlg->id), dlg->caption);
        for (const ControlTemplate& c : dlg->controls)
            texts.emplace_back("dialog " + std::to_string(dlg->id) + " control " + std::to_string(c.id),
                               c.text);
    }
    for (int id : {IDS_PROTECT_SWITCH, IDS_SETPASSWORD_CAPTION})
        texts.emplace_back("string " + std::to_string(id), findString(id));
    std::size_t breaks = 0;
    for (const auto& [where, text] : texts) {
        EXPECT_TRUE(germanText(text)) << where << ": " << text;
        EXPECT_EQ(text.find('\\'), std::string_view::npos) << where << ": " << text;
        breaks += static_cast<std::size_t>(std::ranges::count(text, '\n'));
    }
    EXPECT_EQ(breaks, 1u);
}
