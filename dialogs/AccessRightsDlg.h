// The place where a user's rights to the IDE's settings and tabs are to be assigned. For now an inert
// shell: its group list and rights tree are disabled and empty, and both buttons just close it.
#pragma once

#include "platform/ui/afx.h"
#include "resources/resource.h"

class CAccessRightsDlg : public CDialog {
  public:
    enum { IDD = IDD_ACCESSRIGHTS };

    explicit CAccessRightsDlg(CWnd* pParent = nullptr);

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
