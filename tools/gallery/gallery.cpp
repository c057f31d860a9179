// Renders each dialog template of the resources, as the layer lays it out and before any program
// code has touched it, to OUTDIR/<template id>.png: the client area at 96 dpi. It runs on the
// offscreen platform unless QT_QPA_PLATFORM names another.
#include "platform/ui/afx.h"
#include "platform/ui/qt/modal_hook.h"
#include "resources/resources.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdio>

namespace {
constexpr int kDotsPerMeterAt96Dpi = 3780;

bool saveClientArea(QWidget* window, const QString& path) {
    QImage image = window->grab().toImage();
    image.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
    return image.save(path, "PNG");
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argc > 0 ? argv[0] : "vexor-dialog-gallery");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(outDir.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    QString path;
    vexor::ui::qt::setModalHook([&](const vexor::ui::qt::ModalInfo& info) {
        if (!saveClientArea(info.window, path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
        info.abort();
    });
    vexor::res::registerProgramResources();
    for (const vexor::res::DialogTemplate* dialogTemplate : vexor::res::programResources().dialogs) {
        path = outDir.filePath(QString::number(dialogTemplate->id) + ".png");
        CDialog dialog(static_cast<UINT>(dialogTemplate->id));
        if (dialog.DoModal() == -1) {
            std::fprintf(stderr, "dialog %d could not be created\n", dialogTemplate->id);
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return failures == 0 ? 0 : 1;
}
