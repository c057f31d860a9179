// The program's entry: the Qt application, then the application object's start-up. There is no main
// message loop: InitInstance runs the dialogs, each in its own modal loop.
#include "platform/ui/afx.h"

#include "platform/ui/qt/layer.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <pwd.h>
#include <unistd.h>

namespace {
bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// Qt aborts with a terse message when it finds no display; say what to do instead.
bool hasDisplay() { return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"); }

// Started through pkexec or sudo, the program runs as root on the display of the user who asked. When
// that user's session names no X authority file, the X server accepts only that user's cookie, which
// lives in their home, not root's: without this the connection is refused and Qt aborts.
void useInvokingUsersXAuthority() {
    if (geteuid() != 0 || isSet("XAUTHORITY") || !isSet("DISPLAY"))
        return;
    const char* uid = isSet("PKEXEC_UID") ? std::getenv("PKEXEC_UID") : std::getenv("SUDO_UID");
    if (!uid || !*uid)
        return;
    char* end = nullptr;
    const unsigned long number = std::strtoul(uid, &end, 10);
    const passwd* user = *end == '\0' ? getpwuid(static_cast<uid_t>(number)) : nullptr;
    if (!user || !user->pw_dir)
        return;
    const std::string file = std::string(user->pw_dir) + "/.Xauthority";
    if (access(file.c_str(), R_OK) == 0)
        setenv("XAUTHORITY", file.c_str(), 1);
}
} // namespace

int main(int argc, char* argv[]) {
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "No display found. Start the program from a desktop session, or without one under "
                     "\"xvfb-run\", or set QT_QPA_PLATFORM=offscreen to run it without showing windows.\n");
        return 2;
    }
    useInvokingUsersXAuthority();
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
