#include "store/TextResources.h"

#include "platform/strings.h"

#include <gtest/gtest.h>

namespace {

// The table a program hands over at start-up; these tests hand over their own.
constexpr vexor::strings::Entry kTable[] = {
    {133, "Vexor IDE durch Benutzername und Kennwort sichern"},
    {134, "Kennwort festlegen für %s"},
};

class TextResources : public ::testing::Test {
  protected:
    void SetUp() override { vexor::strings::setTable(kTable); }
    void TearDown() override { vexor::strings::setTable({}); }
};

TEST_F(TextResources, LoadsEntriesAndGivesEmptyForUnknownIds) {
    EXPECT_EQ(LoadText(133, __FILE__, __LINE__), "Vexor IDE durch Benutzername und Kennwort sichern");
    EXPECT_EQ(LoadText(4711, __FILE__, __LINE__), "");
}

TEST_F(TextResources, TheArgumentIsInsertedNeverReadAsAFormat) {
    EXPECT_EQ(FormatText(134, "Bob", __FILE__, __LINE__), "Kennwort festlegen für Bob");
    EXPECT_EQ(FormatText(134, "%s%n%d%%", __FILE__, __LINE__), "Kennwort festlegen für %s%n%d%%");
    EXPECT_EQ(FormatText(134, "", __FILE__, __LINE__), "Kennwort festlegen für ");
    EXPECT_EQ(FormatText(4711, "x", __FILE__, __LINE__), "");
}

} // namespace
