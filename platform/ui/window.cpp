// What every backend's CWnd shares: the object's place among the dialog's controls, and the
// message map dispatch.
#include "platform/ui/afx.h"

#include "platform/ui/default_action.h"
#include "platform/ui/dialog_controls.h"

using vexor::ui::DialogControls;

CWnd::CWnd() = default;

CWnd::~CWnd() {
    // A bound member that dies before its dialog window leaves the control to the framework object.
    if (vexor::ui::ControlRecord* control = DialogControls::recordOf(m_hWnd))
        if (control->bound == this)
            control->bound = nullptr;
}

int CWnd::GetDlgCtrlID() const {
    const vexor::ui::ControlRecord* control = DialogControls::recordOf(m_hWnd);
    return control ? control->id() : 0;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    DialogControls* dialog = DialogControls::fromHandle(m_hWnd);
    vexor::ui::ControlRecord* control = dialog ? dialog->controlById(nID) : nullptr;
    return control ? control->object() : nullptr;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM, LRESULT* pResult) {
    LRESULT ignored = 0;
    LRESULT* result = pResult ? pResult : &ignored;
    switch (message) {
    case WM_COMMAND:
        return DispatchMessageMap(WM_COMMAND, vexor::ui::hiWord(wParam), vexor::ui::loWord(wParam), result);
    case WM_PAINT:
    case WM_QUERYDRAGICON: return DispatchMessageMap(message, 0, 0, result);
    default: return FALSE;
    }
}

LRESULT CWnd::Default() { return vexor::ui::DefaultAction::runCurrent(); }

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::DispatchMessageMap(UINT message, UINT nCode, UINT nID, LRESULT* pResult) {
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage != 0; ++entry) {
            if (entry->nMessage != message || entry->nCode != nCode || entry->nID != nID || !entry->pfn)
                continue;
            if (entry->nSig == AfxSig_hv) {
                auto handler = std::bit_cast<HCURSOR (CWnd::*)()>(entry->pfn);
                HCURSOR cursor = (this->*handler)();
                if (pResult)
                    *pResult = reinterpret_cast<LRESULT>(cursor);
            } else {
                (this->*(entry->pfn))();
            }
            return TRUE;
        }
    }
    return FALSE;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, AfxSig_vv, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}
