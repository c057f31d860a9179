// Handles: predefined roots, keys opened below open keys, closing, and handles that are not (or no
// longer) valid.
#include "tests/registry/conformance_fixture.h"

using namespace registry_test;

namespace {
const HKEY kBogusHandles[] = {nullptr, reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0xDEADBEEF)),
                              reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(4))};
}

TEST_F(Conformance, PredefinedRootOpenedWithoutSubkeyIsTheRootItself) {
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE}) {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(root, nullptr, 0, KEY_READ, &key), ERROR_SUCCESS);
        EXPECT_EQ(key, root);
        key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(root, "", 0, KEY_READ, &key), ERROR_SUCCESS);
        EXPECT_EQ(key, root);
        EXPECT_EQ(RegCloseKey(root), ERROR_SUCCESS);
    }
    // Closing a predefined root does not close it.
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, kScratch));
}

TEST_F(Conformance, KeysOpenBelowOpenKeysAndShareTheirValues) {
    HKEY child = createKey(scratch(), "Parent\\Child");
    ASSERT_EQ(setString(child, "v", "shared"), ERROR_SUCCESS);
    RegCloseKey(child);

    HKEY parent = nullptr;
    ASSERT_EQ(RegOpenKeyExA(scratch(), "Parent", 0, KEY_ALL_ACCESS, &parent), ERROR_SUCCESS);
    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyExA(parent, "Child", 0, KEY_ALL_ACCESS, &again), ERROR_SUCCESS);
    EXPECT_EQ(readBytes(again, "v"), std::string("shared", 7));
    RegCloseKey(again);
    RegCloseKey(parent);
}

TEST_F(Conformance, EmptySubkeyOfAnOpenKeyGivesASecondHandle) {
    HKEY second = nullptr;
    ASSERT_EQ(RegOpenKeyExA(scratch(), "", 0, KEY_ALL_ACCESS, &second), ERROR_SUCCESS);
    EXPECT_NE(second, scratch());
    EXPECT_EQ(RegCloseKey(second), ERROR_SUCCESS);
    // The first handle is still open.
    EXPECT_EQ(setString(scratch(), "still", "open"), ERROR_SUCCESS);
}

TEST_F(Conformance, OpeningAMissingKeyFailsWithNullResultAndCreatesNothing) {
    HKEY key = scratch();
    EXPECT_EQ(RegOpenKeyExA(scratch(), "Missing\\Below", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_FALSE(keyExists(scratch(), "Missing"));
}

TEST_F(Conformance, ResultPointerIsRequired) {
    EXPECT_EQ(RegOpenKeyExA(scratch(), "x", 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyExA(scratch(), "x", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, nullptr, nullptr),
              ERROR_BADKEY);
    EXPECT_FALSE(keyExists(scratch(), "x"));
}

TEST_F(Conformance, ClosedHandleIsInvalidEverywhere) {
    HKEY key = createKey(scratch(), "Closed");
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "v", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(setString(key, "v", "x"), ERROR_INVALID_HANDLE);
    char name[32];
    DWORD length = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
    HKEY child = nullptr;
    EXPECT_EQ(RegOpenKeyExA(key, "", 0, KEY_READ, &child), ERROR_INVALID_HANDLE);
}

TEST_F(Conformance, BogusHandlesAreRefusedByEveryCall) {
    for (HKEY bogus : kBogusHandles) {
        HKEY result = scratch();
        EXPECT_EQ(RegOpenKeyExA(bogus, "x", 0, KEY_READ, &result), ERROR_INVALID_HANDLE);
        EXPECT_EQ(result, scratch()) << "left unchanged when the handle is bad";
        EXPECT_EQ(RegCreateKeyExA(bogus, "x", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &result, nullptr),
                  ERROR_INVALID_HANDLE);
        DWORD size = 0;
        EXPECT_EQ(RegQueryValueExA(bogus, "v", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
        EXPECT_EQ(setString(bogus, "v", "x"), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegDeleteValueA(bogus, "v"), ERROR_INVALID_HANDLE);
        char name[32];
        DWORD length = sizeof name;
        EXPECT_EQ(RegEnumKeyExA(bogus, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
                  ERROR_INVALID_HANDLE);
        length = sizeof name;
        EXPECT_EQ(RegEnumValueA(bogus, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
                  ERROR_INVALID_HANDLE);
        EXPECT_EQ(SHDeleteKeyA(bogus, "x"), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(RegCloseKey(bogus), ERROR_INVALID_HANDLE);
    }
}

TEST_F(Conformance, HandleOfADeletedKeyReportsKeyDeleted) {
    HKEY doomed = createKey(scratch(), "Doomed");
    ASSERT_EQ(setString(doomed, "v", "x"), ERROR_SUCCESS);
    ASSERT_EQ(SHDeleteKeyA(scratch(), "Doomed"), static_cast<DWORD>(ERROR_SUCCESS));

    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(doomed, "v", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
    EXPECT_EQ(setString(doomed, "w", "y"), ERROR_KEY_DELETED);
    char name[32];
    DWORD length = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(doomed, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
    length = sizeof name;
    EXPECT_EQ(RegEnumValueA(doomed, 0, name, &length, nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
    HKEY child = nullptr;
    EXPECT_EQ(RegCreateKeyExA(doomed, "Child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr),
              ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(doomed), ERROR_SUCCESS);
    EXPECT_FALSE(keyExists(scratch(), "Doomed"));
}

TEST_F(Conformance, RecreatingADeletedKeyDoesNotReviveOldHandles) {
    HKEY old = createKey(scratch(), "Phoenix");
    ASSERT_EQ(SHDeleteKeyA(scratch(), "Phoenix"), static_cast<DWORD>(ERROR_SUCCESS));
    HKEY reborn = createKey(scratch(), "Phoenix");
    ASSERT_EQ(setString(reborn, "v", "new"), ERROR_SUCCESS);

    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(old, "v", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
    RegCloseKey(old);
    RegCloseKey(reborn);
}

TEST_F(Conformance, HandleRightsLimitWhatItCanDo) {
    HKEY writable = createKey(scratch(), "Rights");
    ASSERT_EQ(setString(writable, "v", "x"), ERROR_SUCCESS);
    RegCloseKey(writable);

    HKEY reader = nullptr;
    ASSERT_EQ(RegOpenKeyExA(scratch(), "Rights", 0, KEY_READ, &reader), ERROR_SUCCESS);
    EXPECT_EQ(setString(reader, "v", "changed"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValueA(reader, "v"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(readBytes(reader, "v"), std::string("x", 2));
    RegCloseKey(reader);

    HKEY setter = nullptr;
    ASSERT_EQ(RegOpenKeyExA(scratch(), "Rights", 0, KEY_SET_VALUE, &setter), ERROR_SUCCESS);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(setter, "v", nullptr, nullptr, nullptr, &size), ERROR_ACCESS_DENIED);
    char name[32];
    DWORD length = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(setter, 0, name, &length, nullptr, nullptr, nullptr, nullptr),
              ERROR_ACCESS_DENIED);
    RegCloseKey(setter);
}
