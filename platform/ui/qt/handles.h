// HWND is the widget that stands for the window.
#pragma once

#include "platform/win32/types.h"

class QWidget;

namespace vexor::ui::qt {

inline QWidget* toWidget(HWND hWnd) { return reinterpret_cast<QWidget*>(hWnd); }
inline HWND toHwnd(const QWidget* widget) { return reinterpret_cast<HWND>(const_cast<QWidget*>(widget)); }

} // namespace vexor::ui::qt
