#include "dialogs/CheckBoxEx.h"

#include "store/RegistryAccess.h"
#include "store/StoreFailure.h"
#include "store/TextResources.h"

CCheckBoxEx::CCheckBoxEx() = default;
CCheckBoxEx::~CCheckBoxEx() = default;

void CCheckBoxEx::BindToRegistry(UINT nCaptionId, int nKind, HKEY hRoot, const std::string& strSubKey,
                                 const std::string& strValueName, const std::string& strChecked,
                                 const std::string& strUnchecked, DWORD dwChecked, DWORD dwUnchecked,
                                 BOOL bLockIfMissing, BOOL bDefaultOn, BOOL bDefaultForUnknown) {
    m_bMirror = FALSE;
    m_bDeleteOnState = FALSE;
    m_bLocked = FALSE;
    m_bChanged = FALSE;

    m_strCaption = LoadText(nCaptionId, __FILE__, __LINE__);
    SetWindowText(m_strCaption.c_str());

    m_nKind = nKind == 0 ? CheckBoxKindDword : nKind;
    m_hRoot = hRoot;
    m_strSubKey = strSubKey;
    m_strValueName = strValueName;
    m_strChecked = strChecked;
    m_strUnchecked = strUnchecked;
    m_dwChecked = dwChecked;
    m_dwUnchecked = dwUnchecked;

    ReadState(bDefaultOn, bDefaultForUnknown);
    if (bDefaultOn && IsValueMissing())
        SetCheck(BST_CHECKED);
    if (bLockIfMissing && IsValueMissing())
        SetLocked(TRUE);
}

void CCheckBoxEx::ReadState(BOOL bDefaultOn, BOOL bDefaultForUnknown) {
    if (m_nKind == CheckBoxKindString)
        ReadStringState(bDefaultOn, bDefaultForUnknown);
    else if (m_nKind == CheckBoxKindDword || m_nKind == CheckBoxKindBinary)
        ReadNumberState(bDefaultOn, bDefaultForUnknown);
}

// An empty text is no state at all and leaves the box as it is.
void CCheckBoxEx::ReadStringState(BOOL bDefaultOn, BOOL bDefaultForUnknown) {
    m_strCurrent = ReadRegString(m_hRoot, m_strSubKey, m_strValueName, __FILE__, __LINE__);
    if (m_strCurrent.empty())
        return;
    if (m_strCurrent == m_strChecked)
        SetCheck(BST_CHECKED);
    else if (m_strCurrent == m_strUnchecked)
        SetCheck(BST_UNCHECKED);
    else if (bDefaultForUnknown)
        SetCheck(bDefaultOn ? BST_CHECKED : BST_UNCHECKED);
}

// The tests run in this order, so with 0 as the unchecked number a missing value reads as unchecked.
void CCheckBoxEx::ReadNumberState(BOOL bDefaultOn, BOOL bDefaultForUnknown) {
    m_dwCurrent = ReadRegDword(m_hRoot, m_strSubKey, m_strValueName, __FILE__, __LINE__);
    if (m_dwCurrent == m_dwChecked)
        SetCheck(BST_CHECKED);
    else if (m_dwCurrent == m_dwUnchecked)
        SetCheck(BST_UNCHECKED);
    else if (m_dwCurrent == 0)
        return;
    else if (bDefaultForUnknown)
        SetCheck(bDefaultOn ? BST_CHECKED : BST_UNCHECKED);
}

// A stored 0 can't be told from no value for the number kinds; both count as missing.
bool CCheckBoxEx::IsValueMissing() const {
    if (m_nKind == CheckBoxKindString)
        return m_strCurrent.empty();
    if (m_nKind == CheckBoxKindDword || m_nKind == CheckBoxKindBinary)
        return m_dwCurrent == 0;
    return false;
}

BOOL CCheckBoxEx::SaveToRegistry() {
    bool bWritten = true;
    if (!m_bLocked && m_bChanged) {
        const bool bChecked = GetCheck() != BST_UNCHECKED;
        bWritten = WriteState(m_hRoot, m_strSubKey, bChecked);
        if (m_bMirror)
            bWritten = WriteState(m_hMirrorRoot, m_strMirrorSubKey, bChecked) && bWritten;
        if (m_bDeleteOnState && GetCheck() == m_nDeleteState)
            bWritten = (DeleteRegValue(m_hRoot, m_strSubKey, m_strValueName) || IsMissingStatus(g_lastRegStatus)) &&
                       bWritten;
    }
    m_bChanged = FALSE;
    return bWritten ? TRUE : FALSE;
}

void CCheckBoxEx::DiscardChange() { m_bChanged = FALSE; }

// The writes themselves always say TRUE; whether the value arrived is in g_lastRegStatus.
bool CCheckBoxEx::WriteState(HKEY hRoot, const std::string& strSubKey, bool bChecked) {
    if (m_nKind == CheckBoxKindString) {
        m_strCurrent = bChecked ? m_strChecked : m_strUnchecked;
        WriteRegString(hRoot, strSubKey, m_strValueName, m_strCurrent, REG_SZ, __FILE__, __LINE__);
    } else if (m_nKind == CheckBoxKindDword || m_nKind == CheckBoxKindBinary) {
        m_dwCurrent = bChecked ? m_dwChecked : m_dwUnchecked;
        WriteRegDword(hRoot, strSubKey, m_strValueName, m_dwCurrent,
                      m_nKind == CheckBoxKindDword ? REG_DWORD : REG_BINARY, __FILE__, __LINE__);
    } else {
        return true;
    }
    return g_lastRegStatus == ERROR_SUCCESS;
}

void CCheckBoxEx::SetLocked(BOOL bLocked) {
    m_bLocked = bLocked;
    EnableWindow(!bLocked);
}

void CCheckBoxEx::MarkChanged() { m_bChanged = TRUE; }

void CCheckBoxEx::SetMirrorKey(HKEY hRoot, const std::string& strSubKey) {
    m_bMirror = TRUE;
    m_hMirrorRoot = hRoot;
    m_strMirrorSubKey = strSubKey;
}

void CCheckBoxEx::SetDeleteOnState(int nState) {
    m_bDeleteOnState = TRUE;
    m_nDeleteState = nState;
}

// A user change is a mouse-button release over the box or a space-key release while it has the focus.
// Both are seen here before the button toggles and tells the dialog, so the dialog's handler already
// finds the flag set.
BOOL CCheckBoxEx::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_LBUTTONUP && IsReleaseOverControl())
        m_bChanged = TRUE;
    else if (message == WM_KEYUP && wParam == VK_SPACE)
        m_bChanged = TRUE;
    return CButton::OnWndMsg(message, wParam, lParam, pResult);
}

// All four edges count as inside; only where the button is released matters, not where it was pressed.
bool CCheckBoxEx::IsReleaseOverControl() const {
    POINT point{};
    RECT rect{};
    GetCursorPos(&point);
    GetWindowRect(&rect);
    return rect.left <= point.x && point.x <= rect.right && rect.top <= point.y && point.y <= rect.bottom;
}
