// What screen readers learn of a dialog: the names Windows' accessibility layer would give its
// controls, and a tree without the pictures that only decorate and without hidden controls.
#pragma once

#include <vector>

namespace vexor::ui {
struct ControlRecord;
}

namespace vexor::ui::qt {


// Edits, combo boxes, lists and trees show no text that could name them. Windows names such a
// control after the nearest static text before it in template order (it walks back with
// GW_HWNDPREV), without the `&` marks and with the colon as shown; a control with both WS_GROUP and
// WS_TABSTOP ends the search, since it begins a group of its own. Without such a static the control
// stays nameless, as it would there.
void nameControlsAfterTheirLabels(std::vector<ControlRecord>& controls);

// Makes every dialog's accessible tree leave out icon statics and hidden controls. Once per process.
void installDialogAccessibility();

} // namespace vexor::ui::qt
