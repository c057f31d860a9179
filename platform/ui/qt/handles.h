// HWND is the widget that stands for the window.
#pragma once

#include "platform/win32/types.h"

class QWidget;

namespace vexor::ui::qt {

inline QWidget* toWidget(HWND hWnd) { return reinterpret_cast<QWidget*>(hWnd); }
inline HWND toHwnd(QWidget* widget) { return reinterpret_cast<HWND>(widget); }

inline WORD loWord(UINT_PTR value) { return static_cast<WORD>(value & 0xFFFF); }
inline WORD hiWord(UINT_PTR value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
inline WPARAM makeWParam(UINT low, UINT high) {
    return static_cast<WPARAM>((static_cast<DWORD>(high & 0xFFFF) << 16) | (low & 0xFFFF));
}

} // namespace vexor::ui::qt
