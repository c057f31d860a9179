// Handles: predefined roots, keys opened below open keys, closing, and handles that are not (or no
// longer) valid.
#include "tests/registry/conformance_fixture.h"

TEST_F(Conformance, PredefinedRootOpenedWithoutSubkeyIsTheRootItself) {
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE}) {
        for (const char* path : {static_cast<const char*>(nullptr), ""}) {
            HKEY key = nullptr;
            ASSERT_EQ(openStatus(root, path, KEY_READ, &key), ERROR_SUCCESS);
            EXPECT_EQ(key, root);
        }
        EXPECT_EQ(RegCloseKey(root), ERROR_SUCCESS);
    }
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, kScratch)) << "closing a predefined root does not close it";
}

TEST_F(Conformance, KeysOpenBelowOpenKeysAndShareTheirValues) {
    writeString(scratch(), "Parent\\Child", "v", "shared");
    const Key parent = openKey(scratch(), "Parent");
    EXPECT_EQ(readBytes(openKey(parent, "Child"), "v"), withNul("shared"));

    HKEY second = nullptr; // an empty subkey of an open key gives a second handle
    ASSERT_EQ(openStatus(scratch(), "", KEY_ALL_ACCESS, &second), ERROR_SUCCESS);
    EXPECT_NE(second, scratch());
    EXPECT_EQ(RegCloseKey(second), ERROR_SUCCESS);
    EXPECT_EQ(setString(scratch(), "still", "open"), ERROR_SUCCESS) << "the first handle is still open";
}

TEST_F(Conformance, FailedOpensCreateNothing) {
    HKEY key = scratch();
    EXPECT_EQ(openStatus(scratch(), "Missing\\Below", KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_FALSE(keyExists(scratch(), "Missing"));

    EXPECT_EQ(RegOpenKeyExA(scratch(), "x", 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyExA(scratch(), "x", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, nullptr, nullptr),
              ERROR_BADKEY);
    EXPECT_FALSE(keyExists(scratch(), "x"));
}

TEST_F(Conformance, ClosedAndBogusHandlesAreRefusedByEveryCall) {
    HKEY closed = createKey(scratch(), "Closed").release();
    ASSERT_EQ(RegCloseKey(closed), ERROR_SUCCESS);
    for (HKEY bad :
         {closed, static_cast<HKEY>(nullptr), reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0xDEADBEEF)),
          reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(4))}) {
        HKEY result = scratch();
        EXPECT_EQ(openStatus(bad, "x", KEY_READ, &result), ERROR_INVALID_HANDLE);
        EXPECT_EQ(result, scratch()) << "left unchanged when the handle is bad";
        expectCalls(bad, kEveryCallButClose, ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegCloseKey(bad), ERROR_INVALID_HANDLE);
    }
}

TEST_F(Conformance, HandleOfADeletedKeyReportsKeyDeletedEvenWhenTheKeyIsBack) {
    HKEY doomed = createKey(scratch(), "Doomed").release();
    ASSERT_EQ(setString(doomed, "v", "x"), ERROR_SUCCESS);
    ASSERT_EQ(deleteTree(scratch(), "Doomed"), ERROR_SUCCESS);
    expectCalls(doomed, {Call::Query, Call::Set, Call::EnumKey, Call::EnumValue, Call::Create},
                ERROR_KEY_DELETED);
    EXPECT_FALSE(keyExists(scratch(), "Doomed"));

    const Key reborn = createKey(scratch(), "Doomed");
    ASSERT_EQ(setString(reborn, "v", "new"), ERROR_SUCCESS);
    EXPECT_EQ(queryStatus(doomed, "v"), ERROR_KEY_DELETED) << "a new key at the place is another key";
    EXPECT_EQ(RegCloseKey(doomed), ERROR_SUCCESS);
}

TEST_F(Conformance, HandleRightsLimitWhatItCanDo) {
    writeString(scratch(), "Rights", "v", "x");
    const Key reader = openKey(scratch(), "Rights", KEY_READ);
    expectCalls(reader, {Call::Set, Call::DeleteValue}, ERROR_ACCESS_DENIED);
    EXPECT_EQ(readBytes(reader, "v"), withNul("x"));
    expectCalls(openKey(scratch(), "Rights", KEY_SET_VALUE), {Call::Query, Call::EnumKey}, ERROR_ACCESS_DENIED);
}
