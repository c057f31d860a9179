// The resources the dialog framework works from: dialog templates and icons, in the shape of a
// Windows .rc, as data. The framework owns none of them: the program hands its own to it once at
// start-up (tests hand theirs the same way), so that nothing in platform/ depends on the program.
// Both backends read the same data: the Qt backend lays its widgets out from the templates, and the
// Win32 backend builds its dialog templates in memory from them.
#pragma once

#include "platform/win32/types.h"

#include <cstddef>
#include <span>

namespace vexor::res {

enum class ControlClass { Button, Edit, Static, ComboBox, ListView, TreeView };

struct ControlTemplate {
    int id;               // -1 for statics
    ControlClass cls;
    const char* text;     // UTF-8; "" when none. For SS_ICON statics: unused (see iconId)
    int x, y, cx, cy;     // dialog units
    DWORD style;          // full style, WS_CHILD and WS_VISIBLE included where the control has them
    DWORD exStyle;
    int iconId;           // SS_ICON statics: the icon resource shown; 0 otherwise
};

struct DialogTemplate {
    int id;
    const char* caption;  // UTF-8
    int cx, cy;           // dialog units
    DWORD style;
    DWORD exStyle;
    const char* fontName;
    int fontPointSize;
    std::span<const ControlTemplate> controls; // template order = tab order
};

struct IconImage {
    int width, height;    // pixels
    const unsigned char* png;
    std::size_t size;
};

struct Icon {
    int id;
    std::span<const IconImage> images; // one or more sizes of the same icon
};

} // namespace vexor::res

namespace vexor::ui {

// What a program gives the framework. The spans must outlive every dialog (static data does).
struct ProgramResources {
    std::span<const res::DialogTemplate* const> dialogs;
    std::span<const res::Icon> icons;
    int programIconId = 0; // the icon every window shows in its title bar; 0: none
};

// Replaces whatever was registered before.
void registerResources(const ProgramResources& resources);

// nullptr when nothing registered has the id.
const res::DialogTemplate* findDialog(int id);
const res::Icon* findIcon(int id);
int programIconId();

} // namespace vexor::ui
