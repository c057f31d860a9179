#include "store/RegistryAccess.h"

#include "tests/common/TempStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char* const kKey = "CLSID\\{00000000-1111-2222-3333-444444444444}\\Account";

// Writes raw bytes of any type, below the layer, to set up what another program might have stored.
void PutRaw(const std::string& subkey, const std::string& name, DWORD type, std::vector<BYTE> data) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

std::vector<BYTE> GetRaw(const std::string& subkey, const std::string& name, DWORD* type = nullptr) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return {};
    DWORD size = 0;
    DWORD t = 0;
    RegQueryValueExA(key, name.c_str(), nullptr, &t, nullptr, &size);
    std::vector<BYTE> data(size);
    RegQueryValueExA(key, name.c_str(), nullptr, &t, data.data(), &size);
    RegCloseKey(key);
    if (type)
        *type = t;
    return data;
}

class RegistryAccess : public ::testing::Test {
  protected:
    TempStore store;
};

TEST_F(RegistryAccess, TextIsStoredWithItsNulAndReadBack) {
    WriteRegString(HKEY_CLASSES_ROOT, kKey, "Password", "geheim %s \\ ä", REG_SZ, __FILE__, __LINE__);
    DWORD type = 0;
    const std::string expected = "geheim %s \\ ä";
    std::vector<BYTE> bytes(expected.begin(), expected.end());
    bytes.push_back(0);
    EXPECT_EQ(GetRaw(kKey, "Password", &type), bytes);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, kKey, "Password", __FILE__, __LINE__), expected);

    WriteRegString(HKEY_CLASSES_ROOT, kKey, "Empty", "", REG_SZ, __FILE__, __LINE__);
    EXPECT_EQ(GetRaw(kKey, "Empty"), std::vector<BYTE>{0});
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, kKey, "Empty", __FILE__, __LINE__), "");
}

TEST_F(RegistryAccess, WritingBelowAMissingPathCreatesTheWholePath) {
    const std::string deep = std::string(kKey) + "\\a\\b\\c";
    EXPECT_TRUE(WriteRegDword(HKEY_CLASSES_ROOT, deep, "Enable Login", 0x01020304, REG_DWORD, __FILE__, __LINE__));
    EXPECT_EQ(GetRaw(deep, "Enable Login"), (std::vector<BYTE>{4, 3, 2, 1}));
    EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, std::string(kKey) + "\\a", __FILE__, __LINE__));
    EXPECT_EQ(ReadRegDword(HKEY_CLASSES_ROOT, deep, "Enable Login", __FILE__, __LINE__), 0x01020304u);
}

TEST_F(RegistryAccess, MissingThingsFallBackAndLeaveTheirStatus) {
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, kKey, "Password", __FILE__, __LINE__), "");
    EXPECT_EQ(g_lastRegStatus, ERROR_FILE_NOT_FOUND);
    WriteRegString(HKEY_CLASSES_ROOT, kKey, "Group", "Gast", REG_SZ, __FILE__, __LINE__);
    EXPECT_EQ(g_lastRegStatus, ERROR_SUCCESS);
    EXPECT_EQ(ReadRegDword(HKEY_CLASSES_ROOT, kKey, "Enable Login", __FILE__, __LINE__), 0u);
    EXPECT_EQ(g_lastRegStatus, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(RegValueExists(HKEY_CLASSES_ROOT, kKey, "Enable Login", __FILE__, __LINE__));
    EXPECT_TRUE(RegValueExists(HKEY_CLASSES_ROOT, kKey, "Group", __FILE__, __LINE__));
    EXPECT_FALSE(DeleteRegValue(HKEY_CLASSES_ROOT, kKey, "Enable Login"));
    EXPECT_TRUE(DeleteRegValue(HKEY_CLASSES_ROOT, kKey, "Group"));
    EXPECT_FALSE(RegValueExists(HKEY_CLASSES_ROOT, kKey, "Group", __FILE__, __LINE__));
}

TEST_F(RegistryAccess, AnyTypeCountsForExistence) {
    PutRaw(kKey, "", REG_NONE, {});
    EXPECT_TRUE(RegValueExists(HKEY_CLASSES_ROOT, kKey, "", __FILE__, __LINE__));
    EXPECT_FALSE(RegValueExists(HKEY_CLASSES_ROOT, "CLSID\\{nothing}", "", __FILE__, __LINE__));
}

TEST_F(RegistryAccess, AKeyRefusingFullAccessBehavesAsMissing) {
    WriteRegString(HKEY_CLASSES_ROOT, kKey, "Password", "alt", REG_SZ, __FILE__, __LINE__);
    ASSERT_EQ(vexor::registry::setFullAccessDenied(HKEY_CLASSES_ROOT, kKey, true), ERROR_SUCCESS);

    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, kKey, __FILE__, __LINE__));
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, kKey, "Password", __FILE__, __LINE__), "");
    EXPECT_EQ(g_lastRegStatus, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(RegValueExists(HKEY_CLASSES_ROOT, kKey, "Password", __FILE__, __LINE__));
    EXPECT_TRUE(WriteRegString(HKEY_CLASSES_ROOT, kKey, "Password", "neu", REG_SZ, __FILE__, __LINE__));
    EXPECT_FALSE(DeleteRegValue(HKEY_CLASSES_ROOT, kKey, "Password"));

    ASSERT_EQ(vexor::registry::setFullAccessDenied(HKEY_CLASSES_ROOT, kKey, false), ERROR_SUCCESS);
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, kKey, "Password", __FILE__, __LINE__), "alt");
}

TEST_F(RegistryAccess, DeletingATreeRemovesEverythingBelowAndOnlyIt) {
    const std::string store = "CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}";
    WriteRegString(HKEY_CLASSES_ROOT, store + "\\Administrator\\deep", "x", "1", REG_SZ, __FILE__, __LINE__);
    WriteRegString(HKEY_CLASSES_ROOT, "CLSID\\{other}", "", "bleibt", REG_SZ, __FILE__, __LINE__);

    EXPECT_FALSE(DeleteRegTree(HKEY_CLASSES_ROOT, "CLSID", "{missing}"));
    EXPECT_FALSE(DeleteRegTree(HKEY_CLASSES_ROOT, "NoParent", "{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}"));
    EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, store + "\\Administrator\\deep", __FILE__, __LINE__));

    EXPECT_TRUE(DeleteRegTree(HKEY_CLASSES_ROOT, "CLSID", "{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}"));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, store, __FILE__, __LINE__));
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, "CLSID\\{other}", "", __FILE__, __LINE__), "bleibt");
}

} // namespace
