// CComboBox over a Windows combo box.
#include "platform/ui/afx.h"

#include "platform/win32/text.h"

using namespace vexor::win32;

int CComboBox::AddString(LPCSTR lpszString) {
    const std::wstring text = widen(lpszString ? lpszString : "");
    return m_hWnd ? static_cast<int>(SendMessageW(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())))
                  : CB_ERR;
}

int CComboBox::GetCount() const { return m_hWnd ? static_cast<int>(SendMessageW(m_hWnd, CB_GETCOUNT, 0, 0)) : CB_ERR; }

int CComboBox::GetCurSel() const { return m_hWnd ? static_cast<int>(SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0)) : CB_ERR; }

int CComboBox::SetCurSel(int nSelect) {
    return m_hWnd ? static_cast<int>(SendMessageW(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(nSelect), 0)) : CB_ERR;
}

std::string CComboBox::GetLBText(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount())
        return {};
    const auto length = SendMessageW(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text.data()))));
    return narrow(text);
}

BOOL CComboBox::GetDroppedState() const {
    return m_hWnd && SendMessageW(m_hWnd, CB_GETDROPPEDSTATE, 0, 0) ? TRUE : FALSE;
}
