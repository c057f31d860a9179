// The program's entry: the Qt application, then the application object's start-up. There is no main
// message loop: InitInstance runs the dialogs, each in its own modal loop.
#include "platform/ui/afx.h"

#include "platform/ui/qt/layer.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Qt aborts with a terse message when it finds no display; say what to do instead.
bool hasDisplay() { return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"); }
} // namespace

int main(int argc, char* argv[]) {
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "No display found. Start the program from a desktop session, or without one under "
                     "\"xvfb-run\", or set QT_QPA_PLATFORM=offscreen to run it without showing windows.\n");
        return 2;
    }
    QApplication application(argc, argv);
    vexor::ui::qt::ensureLayer();
    CWinApp* app = AfxGetApp();
    if (!app) {
        std::fprintf(stderr, "The program has no application object.\n");
        return 1;
    }
    app->InitInstance();
    return app->ExitInstance();
}
