// Builds a control's widget from its template entry, wired so that its notifications reach the
// dialog's message map, and the framework object of the control's class.
#pragma once

#include "platform/ui/afx.h"

#include <memory>
#include <vector>

class QWidget;

namespace vexor::res {
struct ControlTemplate;
}

namespace vexor::ui::qt {

class DialogWindow;
struct ControlRecord;

QWidget* createControlWidget(DialogWindow& dialog, const res::ControlTemplate& tpl);
std::unique_ptr<CWnd> frameworkObject(const res::ControlTemplate& tpl);

// A static's mnemonic moves the focus to the control after it: the next one in template order that
// is not a static and can take the focus; nullptr when there is none.
QWidget* labelledControl(std::vector<ControlRecord>& controls, int labelIndex);
// Lets statics with a mnemonic show it underlined, as Qt does only for labels with a buddy.
void linkLabelsToNextControls(std::vector<ControlRecord>& controls);

} // namespace vexor::ui::qt
