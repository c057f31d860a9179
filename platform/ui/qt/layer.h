// What the dialog layer sets up once a QApplication exists: the style, the cursor seam and the
// tracking of the pointer position.
#pragma once

namespace vexor::ui::qt {

// Safe to call any number of times; does nothing until a QApplication exists.
void ensureLayer();

} // namespace vexor::ui::qt
