// Where the dialog layer finds its templates: the program's resources, or a test's own table.
#pragma once

namespace vexor::res {
struct DialogTemplate;
}

namespace vexor::ui::qt {

using TemplateLookup = const res::DialogTemplate* (*)(int id);

// Tests of the layer lay dialogs out from templates of their own; nullptr restores the resources.
void setTemplateLookup(TemplateLookup lookup);

// nullptr when no template has the id.
const res::DialogTemplate* findTemplate(int id);

} // namespace vexor::ui::qt
