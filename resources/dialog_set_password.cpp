// Template 136: a new password for one account. The caption is a printf format that the dialog fills
// with the account's name when it opens.
#include "resources/resource.h"
#include "resources/templates.h"

namespace vexor::res {
namespace {

using enum ControlClass;

// Each label comes right before its field: screen readers name a field after the static text that
// precedes it in this order. The labels take no focus, so the tab order stays OK, Abbrechen, the two
// fields, the check box.
const ControlTemplate aControls[] = {
    {IDOK, Button, "OK", 143, 62, 50, 14, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0},
    {IDCANCEL, Button, "Abbrechen", 195, 62, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0},
    {-1, Static, "Neues Kennwort:", 5, 22, 76, 8, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
    {IDC_NEW_PASSWORD, Edit, "", 83, 19, 162, 12,
     WS_CHILD | WS_VISIBLE | ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, 0},
    {-1, Static, "Kennwort bestätigen:", 6, 37, 72, 8, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
    {IDC_CONFIRM_PASSWORD, Edit, "", 83, 34, 162, 12,
     WS_CHILD | WS_VISIBLE | ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, 0},
    {IDC_SETPW_NEEDS_PASSWORD, Button, "Benutzerkonto benötigt Kennwort zur Anmeldung", 5, 5, 240, 10,
     WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 0},
};

} // namespace

constinit const DialogTemplate g_dlgSetPassword{
    IDD_SETPASSWORD,
    "Kennwort festlegen für %s",
    250,
    81,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
    0,
    g_szDialogFont,
    g_nDialogFontPoints,
    aControls,
};

} // namespace vexor::res
