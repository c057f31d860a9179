// A dialog template as Windows' dialog manager reads it (DLGTEMPLATEEX and its DLGITEMTEMPLATEEX
// entries), built in memory from the program's template data.
#pragma once

#include "platform/ui/resources.h"

#include <vector>

namespace vexor::ui::win32 {

// WORD-aligned storage: DialogBoxIndirectParamW takes its address.
std::vector<WORD> buildDialogTemplate(const res::DialogTemplate& tpl);

} // namespace vexor::ui::win32
