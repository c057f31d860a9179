// What our store chooses where Windows leaves room: buffers after ERROR_MORE_DATA, classes, times.
#include "tests/registry/store_fixture.h"

TEST_F(StoreTest, BuffersThatAreTooSmallAreLeftAloneAndTheSizesTold) {
    createKey(HKEY_CLASSES_ROOT, "LongerName");
    ASSERT_EQ(setString(HKEY_CLASSES_ROOT, "LongerName", "data"), ERROR_SUCCESS);
    char name[8] = {'#', '#', '#', '#', '#', '#', '#', '#'};
    const std::string untouched(8, '#');
    DWORD size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(std::string(name, 8), untouched);

    char data[8] = {'#', '#', '#', '#', '#', '#', '#', '#'};
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    EXPECT_EQ(RegEnumValueA(HKEY_CLASSES_ROOT, 0, name, &size, nullptr, &type, reinterpret_cast<BYTE*>(data),
                            &dataSize),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(dataSize, 5u) << "the data size is told all the same";
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(std::string(name, 8), untouched);
    EXPECT_EQ(std::string(data, 8), untouched);

    dataSize = 4;
    EXPECT_EQ(RegQueryValueExA(HKEY_CLASSES_ROOT, "LongerName", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(data), &dataSize),
              ERROR_MORE_DATA);
    EXPECT_EQ(std::string(data, 8), untouched);
}

TEST_F(StoreTest, SubkeysHaveNoClassAndALastWriteTimeAndReservedArgumentsMustBeNull) {
    createKey(HKEY_CLASSES_ROOT, "Key");
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

    // Reserved arguments must be null.
    ASSERT_EQ(setString(HKEY_CLASSES_ROOT, "v", "x"), ERROR_SUCCESS);
    DWORD reserved = 0;
    size = 0;
    EXPECT_EQ(RegQueryValueExA(HKEY_CLASSES_ROOT, "v", &reserved, nullptr, nullptr, &size),
              ERROR_INVALID_PARAMETER);
    size = sizeof name;
    EXPECT_EQ(RegEnumValueA(HKEY_CLASSES_ROOT, 0, name, &size, &reserved, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegEnumKeyExA(HKEY_CLASSES_ROOT, 0, name, &size, &reserved, nullptr, nullptr, nullptr),
              ERROR_INVALID_PARAMETER);
}
