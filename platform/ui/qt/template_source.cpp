#include "platform/ui/qt/template_source.h"

#include "resources/resources.h"

namespace vexor::ui::qt {

namespace {
TemplateLookup g_lookup = nullptr;
}

void setTemplateLookup(TemplateLookup lookup) { g_lookup = lookup; }

const res::DialogTemplate* findTemplate(int id) { return g_lookup ? g_lookup(id) : res::findDialog(id); }

} // namespace vexor::ui::qt
