// What our store chooses for key calls where Windows is vague or unsafe, and names of random bytes.
#include "tests/registry/store_fixture.h"

#include <random>

TEST_F(StoreTest, EmptySubkeyDeletesTheHandlesOwnKeyButNoSubkeyOrARootIsNeverDeleted) {
    createKey(HKEY_CLASSES_ROOT, "Parent\\Own\\Below");
    const Key key = openKey(HKEY_CLASSES_ROOT, "Parent\\Own");
    EXPECT_EQ(deleteTree(key, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Parent\\Own\\Below"));
    EXPECT_EQ(deleteTree(key, ""), ERROR_SUCCESS);
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, "Parent\\Own"));
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Parent"));
    EXPECT_EQ(deleteTree(HKEY_CLASSES_ROOT, ""), ERROR_ACCESS_DENIED);
    EXPECT_EQ(deleteTree(HKEY_LOCAL_MACHINE, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, "Parent"));
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
        Key key;
        const LONG created = createStatus(HKEY_CLASSES_ROOT, path, KEY_ALL_ACCESS, key.put());
        ASSERT_TRUE(created == ERROR_SUCCESS || created == ERROR_BAD_PATHNAME) << path;
        if (created != ERROR_SUCCESS)
            continue;
        const std::string value = randomName();
        ASSERT_EQ(setString(key, value.c_str(), path), ERROR_SUCCESS) << value;
        EXPECT_EQ(readBytes(key, value.c_str()), withNul(path));
        if (round % 3 == 0) {
            const LONG deleted = deleteTree(HKEY_CLASSES_ROOT, path.c_str());
            EXPECT_TRUE(deleted == ERROR_SUCCESS || deleted == ERROR_ACCESS_DENIED) << path; // "" is the root
        }
    }
    vexor::registry::closeStore();
    EXPECT_EQ(vexor::registry::checkStore(), ERROR_SUCCESS);
}
