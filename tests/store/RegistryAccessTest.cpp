#include "store/RegistryAccess.h"

#include "tests/common/TempStore.h"
#include "tests/registry/registry_test_support.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const char* const kKey = "CLSID\\{00000000-1111-2222-3333-444444444444}\\Account";

class RegistryAccess : public ::testing::Test {
  protected:
    TempStore store;
};

TEST_F(RegistryAccess, TextIsStoredWithItsNulAndReadBack) {
    for (const std::string text : {"geheim %s \\ ä", ""}) {
        WriteRegString(HKEY_CLASSES_ROOT, kKey, "Password", text, REG_SZ, __FILE__, __LINE__);
        DWORD type = 0;
        EXPECT_EQ(readBytes(openKey(HKEY_CLASSES_ROOT, kKey, KEY_READ), "Password", &type), withNul(text));
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, kKey, "Password", __FILE__, __LINE__), text);
    }
}

// What the reads make of bytes another program stored: text only from REG_SZ, ending at the first NUL or
// at the end of the data; numbers only from REG_DWORD or REG_BINARY of at most four bytes, zero-extended,
// and never read past them. (On Linux the fuzz inputs check these as properties too.)
TEST_F(RegistryAccess, ReadsTakeOnlyTheirOwnTypesAndNeverReadPastTheData) {
    const std::tuple<DWORD, std::string, const char*, DWORD> cases[] = {
        {REG_SZ, {"1\0", 2}, "1", 0},          {REG_SZ, "abc", "abc", 0},
        {REG_SZ, {"a\0b\0", 4}, "a", 0},      {REG_SZ, "", "", 0},
        {REG_EXPAND_SZ, {"a\0", 2}, "", 0},    {REG_MULTI_SZ, {"a\0\0", 3}, "", 0},
        {REG_DWORD, {"\1\0\0\0", 4}, "", 1}, {REG_DWORD, {"\1\0\0\0\0\0\0\0", 8}, "", 0},
        {REG_BINARY, {"\1\2\0\0", 4}, "", 0x0201}, {REG_BINARY, "\7", "", 7},
        {REG_BINARY, "", "", 0},                {REG_BINARY, {"\1\0\0\0\11", 5}, "", 0},
    };
    for (const auto& [type, data, text, number] : cases) {
        ASSERT_EQ(setBytes(createKey(HKEY_CLASSES_ROOT, kKey), "value", type, data), ERROR_SUCCESS);
        SCOPED_TRACE(::testing::Message() << "type " << type << ", " << data.size() << " bytes");
        EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, kKey, "value", __FILE__, __LINE__), text);
        EXPECT_EQ(ReadRegDword(HKEY_CLASSES_ROOT, kKey, "value", __FILE__, __LINE__), number);
    }
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
    ASSERT_EQ(setBytes(createKey(HKEY_CLASSES_ROOT, kKey), "", REG_NONE, ""), ERROR_SUCCESS);
    EXPECT_TRUE(RegValueExists(HKEY_CLASSES_ROOT, kKey, "", __FILE__, __LINE__)) << "any type counts";
    EXPECT_FALSE(RegValueExists(HKEY_CLASSES_ROOT, "CLSID\\{nothing}", "", __FILE__, __LINE__));
}

#ifndef _WIN32 // a test hook of our store
TEST_F(RegistryAccess, AKeyRefusingFullAccessBehavesAsMissingAndEndsAnEnumeration) {
    WriteRegString(HKEY_CLASSES_ROOT, kKey, "Password", "alt", REG_SZ, __FILE__, __LINE__);
    WriteRegString(HKEY_CLASSES_ROOT, std::string(kKey) + "\\Sub", "v", "x", REG_SZ, __FILE__, __LINE__);
    ASSERT_EQ(vexor::registry::setFullAccessDenied(HKEY_CLASSES_ROOT, kKey, true), ERROR_SUCCESS);

    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, kKey, __FILE__, __LINE__));
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, kKey, "Password", __FILE__, __LINE__), "");
    EXPECT_EQ(g_lastRegStatus, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(RegValueExists(HKEY_CLASSES_ROOT, kKey, "Password", __FILE__, __LINE__));
    EXPECT_TRUE(WriteRegString(HKEY_CLASSES_ROOT, kKey, "Password", "neu", REG_SZ, __FILE__, __LINE__));
    EXPECT_EQ(g_lastRegStatus, ERROR_ACCESS_DENIED) << "the refused write is told by the status alone";
    EXPECT_FALSE(DeleteRegValue(HKEY_CLASSES_ROOT, kKey, "Password"));
    std::string out; // an enumeration ends at its first step, with the path
    EXPECT_FALSE(EnumRegSubKey(HKEY_CLASSES_ROOT, kKey, out));
    EXPECT_EQ(out, kKey);
    EXPECT_EQ(g_lastRegStatus, ERROR_ACCESS_DENIED);

    ASSERT_EQ(vexor::registry::setFullAccessDenied(HKEY_CLASSES_ROOT, kKey, false), ERROR_SUCCESS);
    EXPECT_EQ(ReadRegString(HKEY_CLASSES_ROOT, kKey, "Password", __FILE__, __LINE__), "alt");
}
#endif

// What a tree deletion removes, and leaves, is the registry's own rule; here: the parent and the name
// come apart, and either missing is no success.
TEST_F(RegistryAccess, DeletingATreeNeedsItsParentAndItsName) {
    const std::string store = "CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}";
    WriteRegString(HKEY_CLASSES_ROOT, store + "\\Administrator", "x", "1", REG_SZ, __FILE__, __LINE__);
    EXPECT_FALSE(DeleteRegTree(HKEY_CLASSES_ROOT, "CLSID", "{missing}"));
    EXPECT_FALSE(DeleteRegTree(HKEY_CLASSES_ROOT, "NoParent", "{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}"));
    EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, store + "\\Administrator", __FILE__, __LINE__));
    EXPECT_TRUE(DeleteRegTree(HKEY_CLASSES_ROOT, "CLSID", "{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}"));
    EXPECT_FALSE(RegKeyExists(HKEY_CLASSES_ROOT, store, __FILE__, __LINE__));
}

} // namespace
