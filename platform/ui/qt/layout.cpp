#include "platform/ui/qt/layout.h"

#include "platform/ui/resources.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <cmath>

namespace vexor::ui::qt {

namespace {
constexpr double kBaseX = 6.0;  // average character width of MS Shell Dlg 8 pt at 96 dpi
constexpr double kBaseY = 13.0; // its character height

int scaled(int du, double base, int units) {
    return static_cast<int>(std::lround(du * base * dpiScale() / units));
}

// Faces whose widths match or undercut MS Shell Dlg: the templates were laid out for that face,
// so a wider one (DejaVu Sans, for instance) would cut labels such as "Kennwort:" short.
const QStringList& preferredFamilies() {
    static const QStringList families{"Tahoma", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial",
                                      "Nimbus Sans", "Helvetica"};
    return families;
}

bool isWindowsDialogFace(const QString& face) {
    return face.isEmpty() || face.compare("MS Shell Dlg", Qt::CaseInsensitive) == 0 ||
           face.compare("MS Shell Dlg 2", Qt::CaseInsensitive) == 0 ||
           face.compare("MS Sans Serif", Qt::CaseInsensitive) == 0;
}
} // namespace

double dpiScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    const double dpi = screen->logicalDotsPerInch();
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

int duToPxX(int du) { return scaled(du, kBaseX, 4); }
int duToPxY(int du) { return scaled(du, kBaseY, 8); }

QRect controlRect(const res::ControlTemplate& control) {
    return {duToPxX(control.x), duToPxY(control.y), duToPxX(control.cx), duToPxY(control.cy)};
}

QSize clientSize(const res::DialogTemplate& dialog) { return {duToPxX(dialog.cx), duToPxY(dialog.cy)}; }

QString dialogFamily() {
    static const QString family = [] {
        // A family counts only when fontconfig resolves it to itself, not to a stand-in; the
        // resolved name may carry a foundry ("Nimbus Sans [urw]").
        for (const QString& candidate : preferredFamilies()) {
            const QString resolved = QFontInfo(QFont(candidate)).family();
            if (resolved.startsWith(candidate, Qt::CaseInsensitive))
                return resolved;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont dialogFont(const char* faceName, int pointSize) {
    const QString face = QString::fromUtf8(faceName ? faceName : "");
    QFont font(isWindowsDialogFace(face) ? dialogFamily() : face);
    font.setPointSize(pointSize > 0 ? pointSize : 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace vexor::ui::qt
