#include "tests/program/ProgramFixture.h"

#include "store/RegistryAccess.h"
#include "tests/registry/registry_test_support.h"

#include <variant>

namespace {

using namespace std::string_literals;
using vexor::test::DialogDriver;

const std::string kKey = "Software\\Vexor\\Test";
const std::string kMirror = "Software\\Vexor\\Mirror";

// A value's type and bytes as the store holds them; {0, ""} when it isn't there.
using Raw = std::pair<DWORD, std::string>;
Raw ReadRaw(const std::string& path, const std::string& name) {
    Raw raw;
    Key key;
    openStatus(HKEY_CLASSES_ROOT, path.c_str(), KEY_READ, key.put());
    raw.second = readBytes(key, name.c_str(), &raw.first);
    return raw;
}

// The check box of the main dialog, bound anew by each test.
class CheckBoxEx : public ProgramTest {
  protected:
    void WithBox(const std::function<void(CCheckBoxEx&)>& work) {
        RunMainDialog([&](CTestAccessManagerDlg& dlg, DialogDriver&) { work(dlg.ProtectSwitch()); });
    }
    void Bind(CCheckBoxEx& box, int kind, BOOL lockIfMissing, BOOL defaultOn, BOOL defaultForUnknown) {
        box.BindToRegistry(IDS_PROTECT_SWITCH, kind, HKEY_CLASSES_ROOT, kKey, "Flag", "an", "aus", 7, 3, lockIfMissing, defaultOn,
                           defaultForUnknown);
    }
    void Store(const std::string& text) {
        WriteRegString(HKEY_CLASSES_ROOT, kKey, "Flag", text, REG_SZ, __FILE__, __LINE__);
    }
    void Store(DWORD number) { WriteRegDword(HKEY_CLASSES_ROOT, kKey, "Flag", number, REG_DWORD, __FILE__, __LINE__); }
};

// Texts match only exactly; for the number kinds 0 (or a value of another type, which reads as 0) is
// missing. Unknown values leave the box as it was unless the default for unknown values applies.
TEST_F(CheckBoxEx, TheStoredValueSetsTheStateAsItsKindReadsIt) {
    struct Case {
        std::variant<std::string, DWORD> stored;
        int kind;
        BOOL defaultOn, defaultForUnknown;
        int before, after;
    };
    const Case cases[] = {
        {"an", CheckBoxKindString, FALSE, FALSE, BST_UNCHECKED, BST_CHECKED},
        {"aus", CheckBoxKindString, FALSE, FALSE, BST_CHECKED, BST_UNCHECKED},
        {"AN", CheckBoxKindString, FALSE, FALSE, BST_CHECKED, BST_CHECKED},
        {"AN", CheckBoxKindString, TRUE, TRUE, BST_UNCHECKED, BST_CHECKED},
        {DWORD{7}, CheckBoxKindString, FALSE, FALSE, BST_CHECKED, BST_CHECKED},
        {DWORD{7}, CheckBoxKindDword, FALSE, FALSE, BST_UNCHECKED, BST_CHECKED},
        {DWORD{5}, CheckBoxKindDword, FALSE, FALSE, BST_CHECKED, BST_CHECKED},
        {DWORD{5}, CheckBoxKindDword, FALSE, TRUE, BST_CHECKED, BST_UNCHECKED},
        {"7", CheckBoxKindDword, TRUE, FALSE, BST_UNCHECKED, BST_CHECKED},
    };
    WithBox([&](CCheckBoxEx& box) {
        for (const Case& c : cases) {
            if (const auto* text = std::get_if<std::string>(&c.stored))
                Store(*text);
            else
                Store(std::get<DWORD>(c.stored));
            box.SetCheck(c.before);
            Bind(box, c.kind, FALSE, c.defaultOn, c.defaultForUnknown);
            EXPECT_EQ(box.GetCheck(), c.after) << "case " << (&c - cases);
        }
        EXPECT_EQ(box.GetWindowText(), "Vexor IDE durch Benutzername und Kennwort sichern");
    });
}

TEST_F(CheckBoxEx, OnlyChangesByTheUserAreSavedALockedBoxNeverWritesAndEachKindWritesItsForm) {
    WithBox([&](CCheckBoxEx& box) {
        Bind(box, CheckBoxKindDword, TRUE, FALSE, FALSE);
        EXPECT_FALSE(box.IsWindowEnabled()) << "locked because the value is missing";
        box.MarkChanged();
        box.SaveToRegistry();
        EXPECT_EQ(ReadRaw(kKey, "Flag"), Raw());

        box.SetLocked(FALSE);
        box.SetCheck(BST_CHECKED);
        box.SaveToRegistry();
        EXPECT_EQ(ReadRaw(kKey, "Flag"), Raw()) << "a state set by the program alone is not written";
        box.MarkChanged();
        box.SaveToRegistry();
        EXPECT_EQ(ReadRaw(kKey, "Flag"), Raw(REG_DWORD, "\7\0\0\0"s));
        box.SetCheck(BST_UNCHECKED);
        box.SaveToRegistry();
        EXPECT_EQ(ReadRaw(kKey, "Flag"), Raw(REG_DWORD, "\7\0\0\0"s)) << "the changed flag was cleared";

        // The binary kind writes its mirror too, and deletes the value in its delete state.
        Bind(box, CheckBoxKindBinary, FALSE, FALSE, FALSE);
        box.SetMirrorKey(HKEY_CLASSES_ROOT, kMirror);
        box.SetDeleteOnState(BST_UNCHECKED);
        box.SetCheck(BST_CHECKED);
        box.MarkChanged();
        box.SaveToRegistry();
        EXPECT_EQ(ReadRaw(kKey, "Flag"), Raw(REG_BINARY, "\7\0\0\0"s));
        EXPECT_EQ(ReadRaw(kMirror, "Flag"), Raw(REG_BINARY, "\7\0\0\0"s));
        box.SetCheck(BST_UNCHECKED);
        box.MarkChanged();
        box.SaveToRegistry();
        EXPECT_EQ(ReadRaw(kKey, "Flag"), Raw()) << "deleted in its delete state";
        EXPECT_EQ(ReadRaw(kMirror, "Flag"), Raw(REG_BINARY, "\3\0\0\0"s)) << "the mirror keeps its value";

        Bind(box, CheckBoxKindString, FALSE, FALSE, FALSE); // the text kind writes its texts
        box.SetCheck(BST_CHECKED);
        box.MarkChanged();
        box.SaveToRegistry();
        EXPECT_EQ(ReadRaw(kKey, "Flag"), Raw(REG_SZ, "an\0"s));
    });
}

} // namespace
