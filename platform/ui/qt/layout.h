// Dialog units to pixels, and the font the dialogs are drawn with.
#pragma once

#include <QFont>
#include <QRect>

namespace vexor::res {
struct DialogTemplate;
struct ControlTemplate;
}

namespace vexor::ui::qt {

// The screen's logical DPI over 96: 1.0 on an ordinary screen and on the offscreen platform.
double dpiScale();

// Converts with the fixed base units of "MS Shell Dlg" 8 pt (6 x 13 pixels at 96 dpi), as Windows'
// MapDialogRect does, so that every template keeps the proportions it was drawn for.
int duToPxX(int du);
int duToPxY(int du);
QRect controlRect(const res::ControlTemplate& control);
QSize clientSize(const res::DialogTemplate& dialog);

// The font for a template's face name and point size. The Windows dialog faces are not installed
// here; they map to an installed face whose widths fit the templates (see layout.cpp).
QFont dialogFont(const char* faceName, int pointSize);

// The installed family used for the Windows dialog faces.
QString dialogFamily();

} // namespace vexor::ui::qt
