// Template 137: the administrator password asked for before the management opens.
#include "resources/resource.h"
#include "resources/templates.h"

namespace vexor::res {
namespace {

using enum ControlClass;

const ControlTemplate aControls[] = {
    {IDOK, Button, "OK", 137, 43, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0},
    {IDCANCEL, Button, "Abbrechen", 189, 43, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0},
    {-1, Static, "Geben Sie das Administrator-Kennwort ein, um die Verwaltung zu öffnen.", 5, 5, 234, 8,
     WS_CHILD | WS_VISIBLE | WS_GROUP, 0, 0},
    {-1, Static, "Kennwort:", 5, 20, 34, 8, WS_CHILD | WS_VISIBLE | WS_GROUP, 0, 0},
    {IDC_LOGIN_PASSWORD, Edit, "", 45, 19, 149, 12,
     WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL, 0, 0},
};

} // namespace

constinit const DialogTemplate g_dlgAdminLogin{
    IDD_ADMINLOGIN,
    "Anmeldung",
    244,
    62,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
    0,
    g_szDialogFont,
    g_nDialogFontPoints,
    aControls,
};

} // namespace vexor::res
