#include "tools/reg/Arguments.h"

#include "platform/registry/registry.h"

#include <gtest/gtest.h>

static CRegArguments Parsed(const std::vector<std::string>& words) {
    CRegArguments args;
    std::string strError;
    EXPECT_TRUE(ParseArguments(words, args, strError)) << strError;
    return args;
}

static std::string Refusal(const std::vector<std::string>& words) {
    CRegArguments args;
    std::string strError;
    EXPECT_FALSE(ParseArguments(words, args, strError));
    EXPECT_FALSE(strError.empty());
    return strError;
}

// What each switch sets is seen end to end (every operation with its switches, "/?" alone and after an
// operation, --version and --store); here: what those tests don't spell, operation names in any case,
// switches with "-", help anywhere, and a file name starting with "-".
TEST(RegToolArguments, ReadsOperationsAndSwitchesInAnySpelling) {
    const CRegArguments del = Parsed({"Delete", "HKLM\\A", "/VA", "-f"});
    EXPECT_EQ(del.eOperation, ERegOperation::Delete);
    EXPECT_TRUE(del.bAllValues && del.bForce);
    EXPECT_EQ(Parsed({"import", "-file.reg"}).strFile, "-file.reg");
    EXPECT_TRUE(Parsed({"--help"}).bUsage);
    EXPECT_TRUE(Parsed({"add", "HKXX", "-H"}).bUsage) << "help anywhere, whatever comes before it";
}

TEST(RegToolArguments, TakesTheWordAfterASwitchAsItStands) {
    EXPECT_EQ(Parsed({"add", "HKCR\\A", "/v", "/f", "/d", "-1"}).strValueName, "/f");
    EXPECT_EQ(Parsed({"add", "HKCR\\A", "/v", "x", "/d", "-1"}).strData, "-1");
    EXPECT_EQ(Parsed({"add", "HKCR\\A", "/v", "%s \\ \"", "/d", ""}).strValueName, "%s \\ \"");
}

TEST(RegToolArguments, RefusesWrongShapes) {
    EXPECT_NE(Refusal({}).find("Invalid syntax"), std::string::npos);
    EXPECT_NE(Refusal({"copy", "HKCR\\A"}).find("not an operation"), std::string::npos);
    EXPECT_NE(Refusal({"--version", "query"}).find("not an operation"), std::string::npos);
    EXPECT_NE(Refusal({"query"}).find("needs a key"), std::string::npos);
    EXPECT_NE(Refusal({"export", "HKCR\\A"}).find("a key and a file"), std::string::npos);
    EXPECT_NE(Refusal({"import"}).find("file name"), std::string::npos);
    EXPECT_NE(Refusal({"query", "HKCR\\A", "HKCR\\B"}).find("Unexpected argument"), std::string::npos);
    EXPECT_NE(Refusal({"query", "HKCR\\A", "/s", "/S"}).find("twice"), std::string::npos);
    EXPECT_NE(Refusal({"add", "HKCR\\A", "/v"}).find("needs an argument"), std::string::npos);
    EXPECT_NE(Refusal({"add", "HKCR\\A", "/v", ""}).find("/ve"), std::string::npos);
    EXPECT_NE(Refusal({"add", "HKCR\\A", "/v", "a", "/ve"}).find("exclude"), std::string::npos);
    EXPECT_NE(Refusal({"delete", "HKCR\\A", "/ve", "/va"}).find("exclude"), std::string::npos);
    EXPECT_NE(Refusal({"add", "HKCR\\A", "/y"}).find("not a switch of ADD"), std::string::npos);
    EXPECT_NE(Refusal({"query", "HKCR\\A", "/d", "x"}).find("not a switch of QUERY"), std::string::npos);
    EXPECT_NE(Refusal({"add", "HKCR\\A", "/t", "REG_QWORD"}).find("not a type"), std::string::npos);
    EXPECT_NE(Refusal({"add", "HKCR\\A", "/t", ""}).find("not a type"), std::string::npos);
    EXPECT_NE(Refusal({"add", "HKCR\\A", "/t", "SZ"}).find("not a type"), std::string::npos);
    EXPECT_NE(Refusal({"add", "HKCR\\A", "/a"}).find("Unexpected argument"), std::string::npos);
    EXPECT_NE(Refusal({"query", "HKCU\\A"}).find("not kept"), std::string::npos);
    CRegArguments args; // a failed line still names its operation, for the usage hint
    std::string strError;
    EXPECT_FALSE(ParseArguments({"delete"}, args, strError));
    EXPECT_STREQ(OperationName(args.eOperation), "DELETE");
}
