#include "dialogs/EntryRules.h"

#include <gtest/gtest.h>

namespace {

std::string Repeat(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

// The length rule is the store's: characters, not bytes, so umlauts don't shorten what fits.
TEST(EntryRules, ANewAccountNameIsOneKeyNameTheListDoesNotHoldInAnyCase) {
    const std::vector<std::string> existing = {"Administrator", "jörg"};
    EXPECT_TRUE(IsNewAccountName(Repeat("a", 255), existing));
    EXPECT_FALSE(IsNewAccountName(Repeat("a", 256), existing));
    EXPECT_TRUE(IsNewAccountName(Repeat("ü", 255), existing));
    EXPECT_FALSE(IsNewAccountName("a\\b", existing));
    EXPECT_FALSE(IsNewAccountName("JÖRG", existing));
    EXPECT_FALSE(IsNewAccountName("ADMINISTRATOR", existing));
    EXPECT_TRUE(IsNewAccountName("jörg ", existing));
}

TEST(EntryRules, PasswordsAgreeOnlyWhenBothAreFilledAndByteForByteEqual) {
    EXPECT_TRUE(PasswordsAgree(" ", " "));
    EXPECT_FALSE(PasswordsAgree("", ""));
    EXPECT_FALSE(PasswordsAgree("Ab", "ab"));
    EXPECT_FALSE(PasswordsAgree("ab", "ab "));
}

} // namespace
