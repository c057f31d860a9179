#include "tests/program/ProgramFixture.h"

#include "tests/registry/child_process.h"
#include "tests/registry/registry_test_support.h"

#include <cstdio>
#include <fcntl.h>

namespace {

using vexor::test::DialogDriver;

const char* const kStore = "CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}";
constexpr int kUsers = 20;

// A busy store is tried again, as the IDE would; any other failure is one.
template <typename Call> LONG Retrying(Call call) {
    LONG status = call();
    for (int attempt = 0; status == ERROR_BUSY && attempt < 100; ++attempt)
        status = call();
    return status;
}

// One pass of the IDE over the store: every account key with its four values. Returns "" when the
// pass saw a whole store, else what was wrong.
std::string ReadLikeTheIde() {
    Key store;
    if (LONG status = Retrying([&] { return openStatus(HKEY_CLASSES_ROOT, kStore, KEY_READ, store.put()); }))
        return "store key: status " + std::to_string(status);
    bool sawAdministrator = false;
    for (DWORD index = 0;; ++index) {
        std::string name;
        const LONG status = Retrying([&] { return enumKey(store, index, &name); });
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS)
            return "enumeration: status " + std::to_string(status);
        sawAdministrator |= name == "Administrator";
        Key account;
        if (LONG s = Retrying([&] { return openStatus(store, name.c_str(), KEY_READ, account.put()); }))
            return name + ": status " + std::to_string(s);
        for (const char* value : {"Enable Login", "Group", "Password", "Offset"})
            if (Retrying([&] { return queryStatus(account, value); }) != ERROR_SUCCESS)
                return name + " lacks " + value;
    }
    return sawAdministrator ? "" : "no administrator";
}

class ConcurrentReader : public ProgramTest {};

TEST_F(ConcurrentReader, TheIdeNeverSeesAHalfSavedStore) {
    std::string accounts = kAdminReg;
    for (int i = 0; i < kUsers; ++i)
        accounts += AccountReg("user" + std::to_string(i), i % 2, "Gast", "pw" + std::to_string(i));
    Import(accounts);

    // Nothing of the store is open here yet (the import ran in another process), so the reader starts
    // with a connection of its own. It reads until told to stop and ends with 0 after whole passes only;
    // it says when its first pass is done, so that the saves start while it reads.
    ChildProcess reader([](const ChildProcess::Channel& channel) {
        fcntl(channel.in, F_SETFL, O_NONBLOCK);
        for (bool first = true;; first = false) {
            const std::string problem = ReadLikeTheIde();
            if (!problem.empty()) {
                std::fprintf(stderr, "reader: %s\n", problem.c_str());
                return 1;
            }
            if (first)
                channel.tell();
            char stop = 0;
            if (read(channel.in, &stop, 1) == 1)
                return 0;
        }
    });
    reader.channel().wait(); // returns early, with nothing, when the reader failed

    RunMainDialog([](CTestAccessManagerDlg& dlg, DialogDriver&) {
        for (int save = 0; save < 60; ++save) {
            dlg.UserList().SetItemText(save % kUsers, 3, ("neu" + std::to_string(save)).c_str());
            dlg.UserList().SaveUsers();
            dlg.UserList().LoadUsers();
        }
    });
    reader.channel().tell();
    EXPECT_EQ(reader.join(), 0) << "the reader says on stderr what it saw";
}

} // namespace
