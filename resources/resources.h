// The program's resources as data: dialog templates, the string table and the icons. One source of
// truth for both dialog backends: the Qt backend lays its widgets out from these templates, and the
// Windows build turns the same data into its .rc.
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

// nullptr / "" / empty when the id is not in the resources.
const DialogTemplate* findDialog(int id);
const char* findString(int id); // nullptr when the table has no such id
const Icon* findIcon(int id);

// Everything, for galleries and checks.
std::span<const DialogTemplate* const> allDialogs();

} // namespace vexor::res
