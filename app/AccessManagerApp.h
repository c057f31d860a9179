// The application: decides at start-up whether the administrator must log in first, resets the store
// when the administrator's account has vanished, and runs the main dialog. The program ends when the
// main dialog closes, or with exit code 0 when the login is cancelled.
#pragma once

#include "platform/ui/afx.h"

#include <string>

class CAccessManagerApp : public CWinApp {
  public:
    CAccessManagerApp();
    BOOL InitInstance() override;

  private:
    // The answer of a start-up test; Failed when the store did not answer at all.
    enum class Presence { Present, Missing, Failed };

    static Presence PresenceOf(BOOL bFound); // from g_lastRegStatus when not found
    bool IsStoreUsable() const;
    Presence ProtectionSetting() const;
    Presence AdministratorAccount() const;
    void ReportUnusableStore(const std::string& strReason) const;
    void RunLogin();
    void ResetStore();
    void RunMainDialog();
};
