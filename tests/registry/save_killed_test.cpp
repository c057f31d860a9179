// A save killed after any of its registry changes, on a registry without transactions (Wine's keeps
// what was written up to the kill, as Windows' does): no account of the old list is missing at any
// point, nothing but old and new accounts appears, and the save that completes leaves the new list.
#include "platform/registry/fault_injection.h"
#include "platform/registry/store.h"
#include "tests/registry/registry_test_support.h"

#include <algorithm>
#include <cstdlib>

namespace {
const std::string kList = "VexorSaveKilled";
const std::vector<std::string> kOld{"Admin", "Old"}, kNew{"Admin", "New1", "New2"}; // Admin: in every list

int save() {
    vexor::registry::Transaction transaction;
    SHDeleteKeyA(HKEY_CLASSES_ROOT, kList.c_str());
    for (const std::string& name : kNew)
        setString(createKey(HKEY_CLASSES_ROOT, kList + "\\" + name), "Password", "new");
    return transaction.commit() == ERROR_SUCCESS ? 0 : 1;
}

bool listed(const std::vector<std::string>& list, const std::string& name) { return std::ranges::count(list, name) > 0; }
} // namespace

TEST(SaveKilled, AtAnyChangeLosesNoAccountAndCompletesWithTheNewList) {
    if (const char* exitAt = std::getenv("VEXOR_EXIT_AT")) { // the saving process, ended at change k
        vexor::registry::testing::exitAtOperation(std::strtoull(exitAt, nullptr, 10), 99);
        std::exit(save());
    }
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    int k = 1;
    for (int exitCode = 99; exitCode == 99; ++k) {
        SHDeleteKeyA(HKEY_CLASSES_ROOT, kList.c_str());
        for (const std::string& name : kOld)
            createKey(HKEY_CLASSES_ROOT, kList + "\\" + name);
        SetEnvironmentVariableA("VEXOR_EXIT_AT", std::to_string(k).c_str());
        exitCode = std::system(("\"\"" + std::string(self) + "\" --gtest_filter=SaveKilled.*\"").c_str());
        SetEnvironmentVariableA("VEXOR_EXIT_AT", nullptr);
        const std::vector<std::string> names = subkeyNames(openKey(HKEY_CLASSES_ROOT, kList.c_str(), KEY_READ));
        EXPECT_TRUE(exitCode == 99 || (exitCode == 0 && names == kNew)) << exitCode << " at change " << k;
        for (const std::string& name : kOld)
            EXPECT_TRUE(exitCode == 0 || listed(names, name)) << name << " lost at change " << k;
        for (const std::string& name : names)
            EXPECT_TRUE(listed(kOld, name) || listed(kNew, name)) << name << " at change " << k;
    }
    // Each new account is at least one change, so the save was ended at least that often.
    EXPECT_GT(k, static_cast<int>(kNew.size()) + 1) << "the save was never ended part-way";
    SHDeleteKeyA(HKEY_CLASSES_ROOT, kList.c_str());
}
