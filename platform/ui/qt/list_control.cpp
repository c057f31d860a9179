// CListCtrl over the layer's ListView widget.
#include "platform/ui/afx.h"

#include "platform/ui/qt/handles.h"
#include "platform/ui/qt/list_view.h"
#include "platform/ui/qt/text.h"

using namespace vexor::ui::qt;

namespace {
ListView* viewOf(HWND hWnd) { return dynamic_cast<ListView*>(toWidget(hWnd)); }
} // namespace

int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth) {
    ListView* view = viewOf(m_hWnd);
    return view ? view->insertColumn(nCol, fromProgram(lpszColumnHeading), nFormat, nWidth) : -1;
}

BOOL CListCtrl::DeleteColumn(int nCol) {
    ListView* view = viewOf(m_hWnd);
    return view && view->deleteColumn(nCol) ? TRUE : FALSE;
}

int CListCtrl::GetColumnCount() const {
    const ListView* view = viewOf(m_hWnd);
    return view ? static_cast<int>(view->listModel().listColumns().size()) : 0;
}

int CListCtrl::GetColumnWidth(int nCol) const {
    const ListView* view = viewOf(m_hWnd);
    if (!view || nCol < 0 || nCol >= GetColumnCount())
        return 0;
    return view->listModel().listColumns()[static_cast<std::size_t>(nCol)].width;
}

std::string CListCtrl::GetColumnHeading(int nCol) const {
    const ListView* view = viewOf(m_hWnd);
    if (!view || nCol < 0 || nCol >= GetColumnCount())
        return {};
    return toProgram(view->listModel().listColumns()[static_cast<std::size_t>(nCol)].heading);
}

int CListCtrl::GetColumnFormat(int nCol) const {
    const ListView* view = viewOf(m_hWnd);
    if (!view || nCol < 0 || nCol >= GetColumnCount())
        return LVCFMT_LEFT;
    return view->listModel().listColumns()[static_cast<std::size_t>(nCol)].format;
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    ListView* view = viewOf(m_hWnd);
    return view ? view->setExtendedStyle(dwNewStyle) : 0;
}

DWORD CListCtrl::GetExtendedStyle() const {
    const ListView* view = viewOf(m_hWnd);
    return view ? view->extendedStyle() : 0;
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem) {
    ListView* view = viewOf(m_hWnd);
    return view ? view->listModel().insertItem(nItem, lpszItem ? lpszItem : "") : -1;
}

// Only whole-text searches (LVFI_STRING) are offered; any other kind finds nothing.
int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const {
    const ListView* view = viewOf(m_hWnd);
    if (!view || !pFindInfo || pFindInfo->flags != LVFI_STRING || !pFindInfo->psz)
        return -1;
    return view->listModel().findItem(pFindInfo->psz, nStart);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText) {
    ListView* view = viewOf(m_hWnd);
    return view && view->listModel().setItemText(nItem, nSubItem, lpszText ? lpszText : "") ? TRUE : FALSE;
}

std::string CListCtrl::GetItemText(int nItem, int nSubItem) const {
    const ListView* view = viewOf(m_hWnd);
    return view ? view->listModel().itemText(nItem, nSubItem) : std::string();
}

BOOL CListCtrl::DeleteItem(int nItem) {
    ListView* view = viewOf(m_hWnd);
    return view && view->listModel().deleteItem(nItem) ? TRUE : FALSE;
}

BOOL CListCtrl::DeleteAllItems() {
    ListView* view = viewOf(m_hWnd);
    if (!view)
        return FALSE;
    view->listModel().deleteAllItems();
    return TRUE;
}

int CListCtrl::GetItemCount() const {
    const ListView* view = viewOf(m_hWnd);
    return view ? view->listModel().itemCount() : 0;
}

int CListCtrl::GetSelectionMark() const {
    const ListView* view = viewOf(m_hWnd);
    return view ? view->listModel().selectionMark() : -1;
}

int CListCtrl::SetSelectionMark(int iIndex) {
    ListView* view = viewOf(m_hWnd);
    return view ? view->listModel().setSelectionMark(iIndex) : -1;
}
