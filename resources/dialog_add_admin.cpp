// Template 134: choosing the administrator password when the administrator account is created.
#include "resources/resource.h"
#include "resources/templates.h"

namespace vexor::res {
namespace {

using enum ControlClass;

// OK starts disabled: it is enabled only once both password fields hold the same, non-empty text.
const ControlTemplate aControls[] = {
    {IDOK, Button, "OK", 132, 92, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON | WS_DISABLED,
     0, 0},
    {IDCANCEL, Button, "Abbrechen", 184, 92, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0},
    {-1, Static, "", 5, 5, 21, 20, WS_CHILD | WS_VISIBLE | SS_ICON, 0, IDI_PADLOCK},
    {-1, Static,
     "Geben Sie hier das Kennwort für den Administrator an.\nACHTUNG: Bewahren Sie dieses Kennwort gut auf, "
     "da "
     "Sie es für die Verwaltung der Benutzer und -Kennwörter benötigen.",
     33, 5, 201, 27, WS_CHILD | WS_VISIBLE | WS_GROUP, 0, 0},
    {-1, Static, "Benutzername:", 5, 39, 50, 8, WS_CHILD | WS_VISIBLE | WS_GROUP, 0, 0},
    {IDC_ADMINNAME, Edit, "", 64, 37, 123, 12,
     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, 0, 0},
    // "Kennowort:" is how this label has always read; kept byte for byte.
    {-1, Static, "Kennowort:", 6, 53, 38, 8, WS_CHILD | WS_VISIBLE | WS_GROUP, 0, 0},
    {IDC_PASSWORD, Edit, "", 64, 52, 123, 12,
     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL, 0, 0},
    {-1, Static, "Wiederholen:", 5, 69, 44, 8, WS_CHILD | WS_VISIBLE | WS_GROUP, 0, 0},
    {IDC_REPEAT, Edit, "", 64, 67, 123, 12,
     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL, 0, 0},
};

} // namespace

constinit const DialogTemplate g_dlgAddAdmin{
    IDD_ADDADMIN,
    "Administrator-Kennwort",
    239,
    111,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
    0,
    g_szDialogFont,
    g_nDialogFontPoints,
    aControls,
};

} // namespace vexor::res
