// Template 131: per-user access rights. The dialog is an inert shell for now, so its group list, its
// tree of rights and the tree's label start disabled.
#include "resources/resource.h"
#include "resources/templates.h"

namespace vexor::res {
namespace {

using enum ControlClass;

// The explanation comes before the labelled controls, so that the tree is named after the static
// right before it, "Zugriffsrechte:", as screen readers do.
const ControlTemplate aControls[] = {
    {IDOK, Button, "OK", 166, 142, 50, 14, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0},
    {IDCANCEL, Button, "Abbrechen", 218, 142, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0},
    {-1, Static,
     "Vergeben Sie hier die Zugriffsrechte des gewählten Benutzers auf Vexor IDE Einstellungen und Tabs.", 7,
     7, 261, 17, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
    {-1, Static, "Gruppe:", 7, 28, 27, 8, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
    {IDC_GROUP, ComboBox, "", 58, 26, 122, 30,
     WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP | WS_DISABLED, 0, 0},
    {-1, Static, "Zugriffsrechte:", 7, 45, 49, 8, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP | WS_DISABLED, 0,
     0},
    {IDC_RIGHTS, TreeView, "", 7, 55, 261, 81,
     WS_CHILD | WS_VISIBLE | TVS_NOSCROLL | WS_BORDER | WS_TABSTOP | WS_DISABLED, 0, 0},
};

} // namespace

constinit const DialogTemplate g_dlgAccessRights{
    IDD_ACCESSRIGHTS,
    "Zugriffsrechte verwalten",
    275,
    163,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
    0,
    g_szDialogFont,
    g_nDialogFontPoints,
    aControls,
};

} // namespace vexor::res
