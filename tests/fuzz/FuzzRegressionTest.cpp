// Every input kept in reg-file/ and value-read/ must pass the property checks the fuzzers run: one
// test per file, named after it, so a broken input names itself.
#include "fuzz/RegRoundTrip.h"
#include "fuzz/ValueRead.h"
#include "tests/common/TempStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsIn(const char* pszFolder) {
    std::vector<fs::path> inputs;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(VEXOR_FUZZ_INPUTS) / pszFolder)) {
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Test names may hold letters, digits and underscores only.
std::string NameOf(const testing::TestParamInfo<fs::path>& info) {
    std::string name = info.param.filename().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

class RegFileInput : public testing::TestWithParam<fs::path> {};

TEST_P(RegFileInput, IsRefusedAtALineOrSurvivesWritingAndReadingBack) {
    const std::string bytes = ReadBytes(GetParam());
    EXPECT_EQ(CheckRegRoundTrip(bytes), "");
}

INSTANTIATE_TEST_SUITE_P(Kept, RegFileInput, testing::ValuesIn(InputsIn("reg-file")), NameOf);

class ValueReadInput : public testing::TestWithParam<fs::path> {
  protected:
    TempStore m_store;
};

TEST_P(ValueReadInput, ReadsBackWhatWasStoredWithinItsBytes) {
    const std::string input = ReadBytes(GetParam());
    EXPECT_EQ(CheckValueRead(input), "");
}

INSTANTIATE_TEST_SUITE_P(Kept, ValueReadInput, testing::ValuesIn(InputsIn("value-read")), NameOf);

// A moved folder would leave both suites empty, and an empty suite passes in silence.
TEST(FuzzInputs, BothFoldersHoldInputs) {
    EXPECT_FALSE(InputsIn("reg-file").empty());
    EXPECT_FALSE(InputsIn("value-read").empty());
}

} // namespace
