// CListCtrl over a SysListView32 in report view.
#include "platform/ui/afx.h"

#include "platform/win32/text.h"

#include <commctrl.h>

using namespace vexor::win32;

namespace {
// Wine's header control clips a heading's last letters to a width it measured too small, however wide
// the column ("Kennwort" showed as "Kennwor"); one trailing space, which Windows draws as nothing, gives
// them room. The control holds the heading so; the program reads it back as it gave it.
constexpr wchar_t kHeadingRoom = L' ';

LRESULT send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return hWnd ? SendMessageW(hWnd, message, wParam, lParam) : 0;
}

bool getColumn(HWND hWnd, int nCol, LVCOLUMNW& column) {
    return nCol >= 0 && send(hWnd, LVM_GETCOLUMNW, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(&column));
}
} // namespace

// A negative width leaves the column's width to the control.
int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth) {
    std::wstring heading = widen(lpszColumnHeading ? lpszColumnHeading : "") + kHeadingRoom;
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | (nWidth >= 0 ? LVCF_WIDTH : 0);
    column.fmt = nFormat;
    column.cx = nWidth;
    column.pszText = heading.data();
    return m_hWnd ? static_cast<int>(send(m_hWnd, LVM_INSERTCOLUMNW, static_cast<WPARAM>(nCol),
                                          reinterpret_cast<LPARAM>(&column)))
                  : -1;
}

BOOL CListCtrl::DeleteColumn(int nCol) { return send(m_hWnd, LVM_DELETECOLUMN, static_cast<WPARAM>(nCol)) ? TRUE : FALSE; }

int CListCtrl::GetColumnCount() const {
    return static_cast<int>(send(reinterpret_cast<HWND>(send(m_hWnd, LVM_GETHEADER)), HDM_GETITEMCOUNT));
}

int CListCtrl::GetColumnWidth(int nCol) const {
    return nCol >= 0 && nCol < GetColumnCount() ? static_cast<int>(send(m_hWnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol))) : 0;
}

std::string CListCtrl::GetColumnHeading(int nCol) const {
    wchar_t buffer[256] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = buffer;
    column.cchTextMax = static_cast<int>(std::size(buffer));
    if (!getColumn(m_hWnd, nCol, column))
        return {};
    std::wstring heading = buffer;
    if (!heading.empty() && heading.back() == kHeadingRoom)
        heading.pop_back();
    return narrow(heading);
}

int CListCtrl::GetColumnFormat(int nCol) const {
    LVCOLUMNW column{};
    column.mask = LVCF_FMT;
    return getColumn(m_hWnd, nCol, column) ? (column.fmt & LVCFMT_JUSTIFYMASK) : LVCFMT_LEFT;
}

// LVM_SETEXTENDEDLISTVIEWSTYLE with a mask of 0 replaces every extended style.
DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    return static_cast<DWORD>(send(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle)));
}

DWORD CListCtrl::GetExtendedStyle() const { return static_cast<DWORD>(send(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE)); }

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem) {
    std::wstring text = widen(lpszItem ? lpszItem : "");
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = text.data();
    return m_hWnd ? static_cast<int>(send(m_hWnd, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item))) : -1;
}

// Only whole-text searches (LVFI_STRING), which the list view makes without regard to case.
int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const {
    if (!m_hWnd || !pFindInfo || pFindInfo->flags != LVFI_STRING || !pFindInfo->psz)
        return -1;
    const std::wstring text = widen(pFindInfo->psz);
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = text.c_str();
    return static_cast<int>(send(m_hWnd, LVM_FINDITEMW, static_cast<WPARAM>(nStart), reinterpret_cast<LPARAM>(&find)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText) {
    if (nItem < 0 || nItem >= GetItemCount())
        return FALSE;
    std::wstring text = widen(lpszText ? lpszText : "");
    LVITEMW item{};
    item.iSubItem = nSubItem;
    item.pszText = text.data();
    return send(m_hWnd, LVM_SETITEMTEXTW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)) ? TRUE : FALSE;
}

// The list view cuts a text at the buffer's end; grow until the whole text fits.
std::string CListCtrl::GetItemText(int nItem, int nSubItem) const {
    if (nItem < 0 || nItem >= GetItemCount() || nSubItem < 0 || nSubItem >= GetColumnCount())
        return {};
    for (std::size_t size = 256;; size *= 2) {
        std::wstring buffer(size, L'\0');
        LVITEMW item{};
        item.iSubItem = nSubItem;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        const auto length = static_cast<std::size_t>(
            send(m_hWnd, LVM_GETITEMTEXTW, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < size)
            return narrow(std::wstring_view(buffer.data(), length));
    }
}

BOOL CListCtrl::DeleteItem(int nItem) { return send(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(nItem)) ? TRUE : FALSE; }

// The selection mark goes with the rows.
BOOL CListCtrl::DeleteAllItems() {
    if (!send(m_hWnd, LVM_DELETEALLITEMS))
        return FALSE;
    send(m_hWnd, LVM_SETSELECTIONMARK, 0, -1);
    return TRUE;
}

int CListCtrl::GetItemCount() const { return static_cast<int>(send(m_hWnd, LVM_GETITEMCOUNT)); }

int CListCtrl::GetSelectionMark() const { return m_hWnd ? static_cast<int>(send(m_hWnd, LVM_GETSELECTIONMARK)) : -1; }

int CListCtrl::SetSelectionMark(int iIndex) {
    return m_hWnd ? static_cast<int>(send(m_hWnd, LVM_SETSELECTIONMARK, 0, iIndex)) : -1;
}
