// CComboBox over the layer's ComboBox widget.
#include "platform/ui/afx.h"

#include "platform/ui/qt/combo_box.h"
#include "platform/ui/qt/handles.h"
#include "platform/ui/qt/text.h"

using namespace vexor::ui::qt;

namespace {
ComboBox* comboOf(HWND hWnd) { return dynamic_cast<ComboBox*>(toWidget(hWnd)); }
} // namespace

int CComboBox::AddString(LPCSTR lpszString) {
    ComboBox* combo = comboOf(m_hWnd);
    return combo ? combo->addString(fromProgram(lpszString)) : CB_ERR;
}

int CComboBox::GetCount() const {
    const ComboBox* combo = comboOf(m_hWnd);
    return combo ? combo->count() : CB_ERR;
}

int CComboBox::GetCurSel() const {
    const ComboBox* combo = comboOf(m_hWnd);
    return combo ? combo->curSel() : CB_ERR;
}

int CComboBox::SetCurSel(int nSelect) {
    ComboBox* combo = comboOf(m_hWnd);
    return combo ? combo->setCurSel(nSelect) : CB_ERR;
}

std::string CComboBox::GetLBText(int nIndex) const {
    const ComboBox* combo = comboOf(m_hWnd);
    if (!combo || nIndex < 0 || nIndex >= combo->count())
        return {};
    return toProgram(combo->itemText(nIndex));
}

BOOL CComboBox::GetDroppedState() const {
    const ComboBox* combo = comboOf(m_hWnd);
    return combo && combo->isDropped() ? TRUE : FALSE;
}
