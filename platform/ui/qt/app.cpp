// What the Qt backend adds to the application: icons as Qt loads them, and the layer's set-up.
#include "platform/ui/afx.h"

#include "platform/ui/qt/icons.h"
#include "platform/ui/qt/layer.h"

HICON CWinApp::LoadIcon(UINT nIDResource) const { return vexor::ui::qt::iconHandle(static_cast<int>(nIDResource)); }

void InitCommonControls() { vexor::ui::qt::ensureLayer(); }
