// Builds a control's widget from its template entry, wired so that its notifications reach the
// dialog's message map.
#pragma once

#include "platform/ui/dialog_controls.h"

#include <vector>

class QWidget;

namespace vexor::ui::qt {

class DialogWindow;

QWidget* createControlWidget(DialogWindow& dialog, const res::ControlTemplate& tpl);
// Lets statics with a mnemonic show it underlined, as Qt does only for labels with a buddy.
void linkLabelsToNextControls(std::vector<ControlRecord>& controls);

} // namespace vexor::ui::qt
