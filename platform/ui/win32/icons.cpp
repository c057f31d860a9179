#include "platform/ui/win32/icons.h"

#include "platform/ui/resources.h"

#include <cstdlib>
#include <map>
#include <utility>

namespace vexor::ui::win32 {

HICON iconHandle(int resourceId, int size) {
    static std::map<std::pair<int, int>, HICON> cache;
    const auto key = std::make_pair(resourceId, size);
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    const res::Icon* icon = findIcon(resourceId);
    if (!icon || icon->images.empty())
        return nullptr;
    const res::IconImage* best = &icon->images.front();
    for (const res::IconImage& image : icon->images)
        if (std::abs(image.width - size) < std::abs(best->width - size))
            best = &image;
    // Since Vista an icon resource may be a PNG; CreateIconFromResourceEx takes it as it is.
    HICON handle = CreateIconFromResourceEx(const_cast<PBYTE>(best->png), static_cast<DWORD>(best->size), TRUE,
                                            0x00030000, size, size, LR_DEFAULTCOLOR);
    cache.emplace(key, handle);
    return handle;
}

} // namespace vexor::ui::win32
