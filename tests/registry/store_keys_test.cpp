// What our store chooses for key calls where Windows is vague or unsafe, and names of random bytes.
#include "tests/registry/store_fixture.h"

#include <random>

using namespace registry_test;

TEST_F(StoreTest, EmptySubkeyDeletesTheHandlesOwnKey) {
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Parent\\Own\\Below");
    RegCloseKey(key);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Parent\\Own", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    EXPECT_EQ(SHDeleteKeyA(key, ""), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Parent\\Own"));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Parent"));
    RegCloseKey(key);
}

TEST_F(StoreTest, NullSubkeyOrARootIsNeverDeleted) {
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "Kept"));
    HKEY key = createKey(HKEY_CLASSES_ROOT, "Kept\\Child");
    EXPECT_EQ(SHDeleteKeyA(key, nullptr), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    RegCloseKey(key);
    EXPECT_EQ(SHDeleteKeyA(HKEY_CLASSES_ROOT, ""), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(SHDeleteKeyA(HKEY_LOCAL_MACHINE, nullptr), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Kept\\Child"));
}

TEST_F(StoreTest, RootsAreSeparateHives) {
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "OnlyHere"));
    EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, "OnlyHere"));
    EXPECT_TRUE(subkeyNames(HKEY_LOCAL_MACHINE).empty());
}

TEST_F(StoreTest, RandomNamesGetDefinedAnswersAndNeverDamageTheStore) {
    std::mt19937 random(7);
    const char alphabet[] = "ab\\\\%\xC3\xBC\xFF\x80 Z_";
    auto randomName = [&] {
        std::string name(random() % 12, 'x');
        for (char& c : name)
            c = alphabet[random() % (sizeof alphabet - 1)];
        return name;
    };
    for (int round = 0; round < 300; ++round) {
        const std::string path = randomName();
        HKEY key = nullptr;
        const LONG created = RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, &key, nullptr);
        ASSERT_TRUE(created == ERROR_SUCCESS || created == ERROR_BAD_PATHNAME) << path;
        if (created != ERROR_SUCCESS)
            continue;
        const std::string value = randomName();
        ASSERT_EQ(setString(key, value.c_str(), path), ERROR_SUCCESS) << value;
        EXPECT_EQ(readBytes(key, value.c_str()), std::string(path.c_str(), path.size() + 1));
        RegCloseKey(key);
        if (round % 3 == 0) {
            const DWORD deleted = SHDeleteKeyA(HKEY_CLASSES_ROOT, path.c_str());
            EXPECT_TRUE(deleted == ERROR_SUCCESS || deleted == ERROR_ACCESS_DENIED) << path; // "" is the root
        }
    }
    vexor::registry::closeStore();
    EXPECT_EQ(vexor::registry::checkStore(), ERROR_SUCCESS);
}
