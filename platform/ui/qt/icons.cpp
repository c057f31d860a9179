#include "platform/ui/qt/icons.h"

#include "platform/ui/resources.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QWidget>

#include <map>
#include <memory>

namespace vexor::ui::qt {

namespace {
std::map<int, std::unique_ptr<QIcon>>& cache() {
    static std::map<int, std::unique_ptr<QIcon>> icons;
    return icons;
}

std::unique_ptr<QIcon> loadIcon(const res::Icon& resource) {
    auto icon = std::make_unique<QIcon>();
    for (const res::IconImage& image : resource.images) {
        QPixmap pixmap;
        if (image.png && pixmap.loadFromData(image.png, static_cast<uint>(image.size), "PNG"))
            icon->addPixmap(pixmap);
    }
    return icon;
}
} // namespace

HICON iconHandle(int resourceId) {
    if (!qGuiApp)
        return nullptr;
    auto& icons = cache();
    auto it = icons.find(resourceId);
    if (it == icons.end()) {
        const res::Icon* resource = findIcon(resourceId);
        if (!resource)
            return nullptr;
        it = icons.emplace(resourceId, loadIcon(*resource)).first;
    }
    return reinterpret_cast<HICON>(it->second.get());
}

const QIcon* iconFromHandle(HICON handle) {
    for (const auto& [id, icon] : cache())
        if (reinterpret_cast<HICON>(icon.get()) == handle)
            return icon.get();
    return nullptr;
}

void applyProgramIcon(QWidget* window) {
    if (const QIcon* icon = iconFromHandle(iconHandle(programIconId())))
        window->setWindowIcon(*icon);
}

} // namespace vexor::ui::qt
