// What our store chooses where Windows leaves room: buffers after ERROR_MORE_DATA, classes, times.
#include "tests/registry/store_fixture.h"

#include <cstring>

using namespace registry_test;

TEST_F(StoreTest, NameThatDoesNotFitLeavesBufferAndCountAlone) {
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "LongerName"));
    ASSERT_EQ(setString(HKEY_CLASSES_ROOT, "LongerName", "data"), ERROR_SUCCESS);
    char name[8];
    std::memset(name, '#', sizeof name);
    DWORD size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(std::string(name, 8), std::string(8, '#'));

    char data[16];
    std::memset(data, '#', sizeof data);
    DWORD dataSize = sizeof data;
    size = sizeof name;
    DWORD type = 0;
    EXPECT_EQ(RegEnumValueA(HKEY_CLASSES_ROOT, 0, name, &size, nullptr, &type, reinterpret_cast<BYTE*>(data),
                            &dataSize),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(dataSize, 5u) << "the data size is told all the same";
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::string(name, 8), std::string(8, '#'));
    EXPECT_EQ(std::string(data, 16), std::string(16, '#'));
}

TEST_F(StoreTest, TooSmallQueryBufferIsLeftAlone) {
    ASSERT_EQ(setString(HKEY_CLASSES_ROOT, "v", "abcdef"), ERROR_SUCCESS);
    char data[4] = {'#', '#', '#', '#'};
    DWORD size = sizeof data;
    EXPECT_EQ(
        RegQueryValueExA(HKEY_CLASSES_ROOT, "v", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size),
        ERROR_MORE_DATA);
    EXPECT_EQ(std::string(data, 4), "####");
}

TEST_F(StoreTest, SubkeysHaveNoClassAndALastWriteTime) {
    RegCloseKey(createKey(HKEY_CLASSES_ROOT, "Key"));
    char name[8];
    DWORD size = sizeof name;
    char keyClass[8] = "xxxxxxx";
    DWORD classSize = sizeof keyClass;
    FILETIME written{};
    ASSERT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, 0, name, &size, nullptr, keyClass, &classSize, &written),
              ERROR_SUCCESS);
    EXPECT_EQ(classSize, 0u);
    EXPECT_STREQ(keyClass, "");
    const std::uint64_t time = (std::uint64_t(written.dwHighDateTime) << 32) | written.dwLowDateTime;
    EXPECT_GT(time, 132000000000000000ull) << "after 2019, in 100 ns since 1601";
    classSize = 0;
    size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, 0, name, &size, nullptr, keyClass, &classSize, nullptr),
              ERROR_MORE_DATA)
        << "no room for the class's NUL";
}

TEST_F(StoreTest, ReservedArgumentsMustBeNull) {
    ASSERT_EQ(setString(HKEY_CLASSES_ROOT, "v", "x"), ERROR_SUCCESS);
    DWORD reserved = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(HKEY_CLASSES_ROOT, "v", &reserved, nullptr, nullptr, &size),
              ERROR_INVALID_PARAMETER);
    char name[8];
    size = sizeof name;
    EXPECT_EQ(RegEnumValueA(HKEY_CLASSES_ROOT, 0, name, &size, &reserved, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, 0, name, &size, &reserved, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(StoreTest, ManySubkeysEnumerateCompletelyInOrder) {
    {
        vexor::registry::Transaction transaction;
        for (int i = 999; i >= 0; --i) {
            char name[16];
            std::snprintf(name, sizeof name, "User%04d", i);
            RegCloseKey(createKey(HKEY_CLASSES_ROOT, std::string("Accounts\\") + name));
        }
        ASSERT_EQ(transaction.commit(), ERROR_SUCCESS);
    }
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "Accounts", 0, KEY_READ, &key), ERROR_SUCCESS);
    const auto names = subkeyNames(key);
    RegCloseKey(key);
    ASSERT_EQ(names.size(), 1000u);
    for (int i = 0; i < 1000; ++i) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "User%04d", i);
        EXPECT_EQ(names[i], expected);
    }
}
