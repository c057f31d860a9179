// The embedded icons: each has the sizes Windows picks from, one image of each size, and every image
// is a whole PNG (decoded by Qt's reader) of its declared square size, 8 bits a channel with alpha.
#include "resources/resource.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <QImage>

#include <map>
#include <set>
#include <string>

using namespace vexor::res;

TEST(Icons, EachIconHasTheSizesWindowsAsksForAsWholeRgbaPngs) {
    const std::map<int, std::set<int>> expected{
        {IDR_MAINFRAME, {16, 32, 48}}, {IDI_PADLOCK, {32}}, {IDI_USERS, {16, 32, 48}}};
    for (const auto& [id, sizes] : expected) {
        const Icon* icon = findIcon(id);
        ASSERT_TRUE(icon && icon->id == id) << id;
        std::set<int> seen;
        for (const IconImage& image : icon->images) {
            SCOPED_TRACE("icon " + std::to_string(id) + " at " + std::to_string(image.width) + " px");
            EXPECT_TRUE(seen.insert(image.width).second) << "two images of one size";
            QImage decoded;
            ASSERT_TRUE(image.png && decoded.loadFromData(image.png, static_cast<int>(image.size), "PNG"));
            EXPECT_EQ(image.height, image.width);
            EXPECT_EQ(decoded.size(), QSize(image.width, image.height));
            EXPECT_EQ(decoded.format(), QImage::Format_ARGB32);
        }
        EXPECT_EQ(seen, sizes);
    }
    // A cut-off image must fail the decoding above, or that check proves nothing.
    const Icon* padlock = findIcon(IDI_PADLOCK);
    ASSERT_TRUE(padlock && !padlock->images.empty());
    EXPECT_FALSE(QImage().loadFromData(padlock->images[0].png, static_cast<int>(padlock->images[0].size) / 2, "PNG"));
}
