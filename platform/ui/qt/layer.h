// What the dialog layer sets up once a QApplication exists: the style, the cursor seam, the
// tracking of the pointer position and what screen readers are shown of the dialogs.
#pragma once

namespace vexor::ui::qt {

// Safe to call any number of times; does nothing until a QApplication exists.
void ensureLayer();

} // namespace vexor::ui::qt
