// CStatic (icon) and CTreeCtrl (item count): the little the program asks of them.
#include "platform/ui/afx.h"

#include "platform/ui/qt/handles.h"
#include "platform/ui/qt/icons.h"

#include <QLabel>
#include <QTreeWidget>
#include <QVariant>

using namespace vexor::ui::qt;

namespace {
constexpr const char* kIconProperty = "vexorStaticIcon";
}

HICON CStatic::SetIcon(HICON hIcon) {
    auto* label = dynamic_cast<QLabel*>(toWidget(m_hWnd));
    if (!label)
        return nullptr;
    auto previous = reinterpret_cast<HICON>(label->property(kIconProperty).value<quintptr>());
    label->setProperty(kIconProperty, QVariant::fromValue(reinterpret_cast<quintptr>(hIcon)));
    const QIcon* icon = iconFromHandle(hIcon);
    label->setPixmap(icon ? icon->pixmap(label->size()) : QPixmap());
    return previous;
}

UINT CTreeCtrl::GetCount() const {
    auto* tree = dynamic_cast<QTreeWidget*>(toWidget(m_hWnd));
    if (!tree)
        return 0;
    UINT count = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        ++count;
    return count;
}
