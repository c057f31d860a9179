// A check box that keeps its state in one registry value and writes only what the user changed: a
// state set by the program (binding, SetCheck) is never written on its own.
#pragma once

#include "platform/registry/registry.h"
#include "platform/ui/afx.h"

#include <string>

// How the bound value is stored.
enum CheckBoxValueKind : int {
    CheckBoxKindString = 8,  // REG_SZ: the checked or the unchecked string
    CheckBoxKindDword = 22,  // REG_DWORD: the checked or the unchecked number
    CheckBoxKindBinary = 50, // REG_BINARY of 4 bytes: the same numbers
};

class CCheckBoxEx : public CButton {
  public:
    CCheckBoxEx();
    ~CCheckBoxEx() override;

    // Binds the control to root\subkey, value name, and sets the check state from the stored value.
    // Writes nothing and leaves the changed flag clear.
    void BindToRegistry(UINT nCaptionId, int nKind, HKEY hRoot, const std::string& strSubKey,
                        const std::string& strValueName, const std::string& strChecked,
                        const std::string& strUnchecked, DWORD dwChecked, DWORD dwUnchecked, BOOL bLockIfMissing,
                        BOOL bDefaultOn, BOOL bDefaultForUnknown);
    // Writes the value for the current state if the user changed it since the last save. FALSE when a
    // write failed (g_lastRegStatus says why); the change is then forgotten all the same.
    BOOL SaveToRegistry();
    // Forgets the user's change since the last save, so that the next save writes nothing.
    void DiscardChange();
    void SetLocked(BOOL bLocked);
    void MarkChanged();
    void SetMirrorKey(HKEY hRoot, const std::string& strSubKey);
    void SetDeleteOnState(int nState);

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  private:
    void ReadState(BOOL bDefaultOn, BOOL bDefaultForUnknown);
    void ReadStringState(BOOL bDefaultOn, BOOL bDefaultForUnknown);
    void ReadNumberState(BOOL bDefaultOn, BOOL bDefaultForUnknown);
    bool IsValueMissing() const;
    bool WriteState(HKEY hRoot, const std::string& strSubKey, bool bChecked);
    bool IsReleaseOverControl() const;

    HKEY m_hRoot = nullptr;
    std::string m_strSubKey;
    std::string m_strValueName;
    int m_nKind = 0;
    std::string m_strChecked;
    std::string m_strUnchecked;
    std::string m_strCurrent;
    DWORD m_dwChecked = 0;
    DWORD m_dwUnchecked = 0;
    DWORD m_dwCurrent = 0;
    std::string m_strCaption;
    BOOL m_bLocked = FALSE;
    BOOL m_bChanged = FALSE;
    BOOL m_bMirror = FALSE;
    HKEY m_hMirrorRoot = nullptr;
    std::string m_strMirrorSubKey;
    BOOL m_bDeleteOnState = FALSE;
    int m_nDeleteState = 0;
};
