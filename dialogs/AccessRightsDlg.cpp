#include "dialogs/AccessRightsDlg.h"

CAccessRightsDlg::CAccessRightsDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CAccessRightsDlg::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }
