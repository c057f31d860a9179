#include "store/TextResources.h"

#include <gtest/gtest.h>

namespace {

TEST(TextResources, LoadsEntriesAndGivesEmptyForUnknownIds) {
    EXPECT_EQ(LoadText(133, __FILE__, __LINE__), "Vexor IDE durch Benutzername und Kennwort sichern");
    EXPECT_EQ(LoadText(4711, __FILE__, __LINE__), "");
}

TEST(TextResources, TheArgumentIsInsertedNeverReadAsAFormat) {
    EXPECT_EQ(FormatText(134, "Bob", __FILE__, __LINE__), "Kennwort festlegen für Bob");
    EXPECT_EQ(FormatText(134, "%s%n%d%%", __FILE__, __LINE__), "Kennwort festlegen für %s%n%d%%");
    EXPECT_EQ(FormatText(134, "", __FILE__, __LINE__), "Kennwort festlegen für ");
    EXPECT_EQ(FormatText(4711, "x", __FILE__, __LINE__), "");
}

} // namespace
