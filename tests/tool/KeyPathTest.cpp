#include "tools/reg/KeyPath.h"

#include <gtest/gtest.h>

static CKeyPath Parsed(const std::string& text) {
    CKeyPath path;
    std::string strError;
    EXPECT_TRUE(ParseKeyPath(text, path, strError)) << text << ": " << strError;
    return path;
}

static std::string Refusal(const std::string& text) {
    CKeyPath path;
    std::string strError;
    EXPECT_FALSE(ParseKeyPath(text, path, strError)) << text;
    return strError;
}

TEST(RegToolKeyPath, AcceptsShortAndFullRootNamesInAnyCaseAndKeepsTheSubKeyAsTyped) {
    EXPECT_EQ(Parsed("HKCR").hRoot, HKEY_CLASSES_ROOT);
    EXPECT_EQ(Parsed("hkey_classes_root\\CLSID").hRoot, HKEY_CLASSES_ROOT);
    EXPECT_EQ(Parsed("hKlM\\Software").hRoot, HKEY_LOCAL_MACHINE);
    EXPECT_EQ(Parsed("HKEY_LOCAL_MACHINE").strRootName, "HKEY_LOCAL_MACHINE");
    const CKeyPath path = Parsed("hkcr\\CLSID\\{4F1A6B2E}\\M\xC3\xBCller");
    EXPECT_EQ(path.strSubKey, "CLSID\\{4F1A6B2E}\\M\xC3\xBCller");
    EXPECT_EQ(path.FullPath(), "HKEY_CLASSES_ROOT\\CLSID\\{4F1A6B2E}\\M\xC3\xBCller");
    EXPECT_TRUE(Parsed("HKLM").IsRoot());
    EXPECT_EQ(Parsed("HKLM").FullPath(), "HKEY_LOCAL_MACHINE");
    EXPECT_EQ(Parsed("HKCR\\CLSID\\").strSubKey, "CLSID") << "one trailing backslash is forgiven";
    EXPECT_EQ(Parsed("HKCR\\a/b:c").strSubKey, "a/b:c");
}

TEST(RegToolKeyPath, RefusesEmptyPartsAndRootsTheStoreDoesNotKeep) {
    for (const char* pszPath : {"HKCR\\a\\\\b", "HKCR\\a\\\\", "HKCR\\", "HKCR\\\\a", "\\HKCR\\a", "", "HKCRX\\a"})
        Refusal(pszPath);
    EXPECT_NE(Refusal("HKEY_USERS").find("not kept in this store"), std::string::npos);
    EXPECT_NE(Refusal("HKXX\\a").find("not a root key"), std::string::npos);
}
