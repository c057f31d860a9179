// Template 130: adding a user account.
#include "resources/resource.h"
#include "resources/templates.h"

namespace vexor::res {
namespace {

using enum ControlClass;

// The combo box lacks CBS_AUTOHSCROLL on purpose: a typed name can be only as long as the box shows.
// Its height is that of the dropped-down list.
const ControlTemplate aControls[] = {
    {IDOK, Button, "OK", 101, 184, 50, 14,
     WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_DISABLED, 0, 0},
    {IDCANCEL, Button, "Abbrechen", 153, 184, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0},
    {-1, Static,
     "Die Anmeldung bei Vexor IDE erfolgt automatisch, wenn ein Benutzer Vexor IDE startet und sein "
     "Kontenname in der Vexor IDE Benutzerliste vorhanden ist und kein separates Kennwort benötigt wird.",
     11, 115, 184, 33, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
    {-1, Button, "Anmeldungsinformationen", 5, 104, 198, 76, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0},
    {-1, Static, "Benutzername:", 5, 9, 50, 8, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
    {IDC_USERNAME, ComboBox, "", 59, 7, 130, 30,
     WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 0, 0},
    {IDC_NEEDS_PASSWORD, Button, "Benutzerkonto benötigt Kennwort zur Anmeldung", 5, 25, 173, 10,
     WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 0},
    {-1, Static, "Kennwort:", 5, 61, 34, 8, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
    {IDC_PASSWORD, Edit, "", 59, 60, 130, 12,
     WS_CHILD | WS_VISIBLE | ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_DISABLED, 0, 0},
    {-1, Static, "Wiederholen:", 5, 77, 44, 8, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
    {IDC_REPEAT, Edit, "", 59, 75, 130, 12,
     WS_CHILD | WS_VISIBLE | ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_DISABLED, 0, 0},
    {-1, Static,
     "Das Kennwort für den Benutzer wird vom Administrator verwaltet und kann nicht vom Benutzer "
     "geändert werden.",
     5, 38, 198, 16, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
    // "Unbekannt Benutzer" is how this text has always read; kept byte for byte.
    {-1, Static,
     "Unbekannt Benutzer erhalten einen Anmeldungsdialog, in dem sie einen bekannten Benutzernamen und "
     "eventuell ein Kennwort eingeben müssen.",
     11, 151, 184, 24, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP, 0, 0},
};

} // namespace

constinit const DialogTemplate g_dlgAddUser{
    IDD_ADDUSER,
    "Benutzer hinzufügen",
    208,
    203,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
    0,
    g_szDialogFont,
    g_nDialogFontPoints,
    aControls,
};

} // namespace vexor::res
