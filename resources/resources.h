// The program's resources as data: dialog templates, the string table and the icons. One source of
// truth for both dialog backends and both platforms: the framework lays its dialogs out from these
// templates on either platform, and the Windows .rc compiles its STRINGTABLE from the same string
// list (string_table.inc) that the Linux build hands to LoadStringA.
#pragma once

#include "platform/strings.h"
#include "platform/ui/resources.h"

namespace vexor::res {

// The templates and icons as the framework takes them.
const ui::ProgramResources& programResources();

// The string table, the entries LoadStringA finds.
std::span<const strings::Entry> stringTable();

// Hands the templates, icons and string table to the framework; the program does this once at
// start-up, before its first dialog or text.
void registerProgramResources();

} // namespace vexor::res
