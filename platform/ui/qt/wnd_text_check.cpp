// Whether a window's text survives the way into the program's code page unchanged.
#include "platform/ui/afx.h"

#include "platform/ui/qt/handles.h"
#include "platform/ui/qt/text.h"

#include <QWidget>

// The program's code page here is UTF-8, which holds every character; only text that isn't valid
// UTF-16 to begin with (a lone surrogate from an input method) would come out altered.
BOOL CWnd::IsWindowTextRepresentable() const {
    return vexor::ui::qt::widgetText(vexor::ui::qt::toWidget(m_hWnd)).isValidUtf16() ? TRUE : FALSE;
}
