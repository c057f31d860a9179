// The program's texts: UTF-8 in the source, German with umlauts and ß, and every one of them shown on
// Windows in the Windows-1252 code page, so each must convert to it without loss.
#include "resources/resource.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

using namespace vexor::res;

namespace {

struct Text {
    std::string where;
    std::string_view text;
};

std::vector<Text> allTexts() {
    std::vector<Text> texts;
    for (const DialogTemplate* dlg : allDialogs()) {
        const std::string where = "dialog " + std::to_string(dlg->id);
        texts.push_back({where + " caption", dlg->caption});
        for (const ControlTemplate& c : dlg->controls)
            texts.push_back({where + " control " + std::to_string(c.id), c.text});
    }
    for (int id : {IDS_PROTECT_SWITCH, IDS_SETPASSWORD_CAPTION})
        texts.push_back({"string " + std::to_string(id), findString(id)});
    return texts;
}

// The Windows-1252 bytes of a UTF-8 text; nothing when the text is not valid UTF-8 or holds a
// character the code page lacks.
std::optional<std::string> toWindows1252(std::string_view utf8) {
    iconv_t cd = iconv_open("WINDOWS-1252", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert to WINDOWS-1252");
    std::string in(utf8);
    std::string out(in.size(), '\0'); // never longer: one byte for each character
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace

// The converter itself must tell good from bad, or the tests below prove nothing.
TEST(ProgramTexts, ConverterRejectsBrokenUtf8AndForeignCharacters) {
    EXPECT_EQ(toWindows1252("f\xC3\xBCr"), std::optional<std::string>("f\xFCr"));
    EXPECT_EQ(toWindows1252("f\xFCr"), std::nullopt);   // Windows-1252 byte, not UTF-8
    EXPECT_EQ(toWindows1252("f\xC3"), std::nullopt);    // cut off in the middle of a character
    EXPECT_EQ(toWindows1252("\xC0\xAF"), std::nullopt); // overlong form of '/'
    EXPECT_EQ(toWindows1252("\xD0\x96"), std::nullopt); // Cyrillic, not in the code page
}

// Every text converts. A text saved or pasted in the wrong encoding turns "ü" into "Ã¼": every
// character beyond ASCII in these German texts is one of the umlauts or ß. A line break is a real one
// (an escaped "\n" written twice would show a backslash), and only the administrator setup's
// explanation has one, between its two sentences.
TEST(ProgramTexts, EveryTextIsGermanThatWindows1252CanShowWithRealLineBreaks) {
    const std::string_view german = "\xE4\xF6\xFC\xC4\xD6\xDC\xDF"; // äöüÄÖÜß in Windows-1252
    std::size_t breaks = 0;
    for (const Text& t : allTexts()) {
        EXPECT_EQ(t.text.find('\\'), std::string_view::npos) << t.where << ": " << t.text;
        const std::optional<std::string> bytes = toWindows1252(t.text);
        EXPECT_TRUE(bytes) << t.where << ": " << t.text;
        for (char ch : bytes.value_or("")) {
            breaks += ch == '\n';
            const bool asciiOrGerman = static_cast<unsigned char>(ch) < 0x80 || german.find(ch) != std::string_view::npos;
            EXPECT_TRUE(asciiOrGerman) << t.where << ": " << t.text;
        }
    }
    EXPECT_EQ(breaks, 1u);
}
