// CEdit: the selection of an edit control.
#include "platform/ui/afx.h"

#include "platform/ui/qt/handles.h"

#include <QLineEdit>

using namespace vexor::ui::qt;

// EM_SETSEL: a start of -1 removes the selection; an end of -1 (or past the text) means its end.
void CEdit::SetSel(int nStartChar, int nEndChar) {
    auto* edit = dynamic_cast<QLineEdit*>(toWidget(m_hWnd));
    if (!edit)
        return;
    if (nStartChar < 0) {
        edit->deselect();
        return;
    }
    const int length = static_cast<int>(edit->text().size());
    const int end = (nEndChar < 0 || nEndChar > length) ? length : nEndChar;
    const int start = qMin(nStartChar, length);
    edit->setSelection(qMin(start, end), qAbs(end - start));
}
