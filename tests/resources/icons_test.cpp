// The embedded icons: whole PNG files of the sizes the icon table declares, with an alpha channel.
#include "resources/resource.h"
#include "resources/resources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>

using namespace vexor::res;

namespace {

struct PngHeader {
    std::uint32_t width, height;
    int bitDepth, colourType;
};

std::uint32_t bigEndian32(const unsigned char* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// The IHDR of a PNG whose chunks run from the signature exactly to the end of IEND; nothing for
// anything else (not a PNG, cut short, trailing bytes, IHDR not first).
std::optional<PngHeader> readPngHeader(std::span<const unsigned char> png) {
    static const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < sizeof signature || std::memcmp(png.data(), signature, sizeof signature) != 0)
        return std::nullopt;
    std::optional<PngHeader> header;
    std::size_t pos = sizeof signature;
    while (png.size() - pos >= 12) {
        const std::uint32_t length = bigEndian32(&png[pos]);
        const std::string type(reinterpret_cast<const char*>(&png[pos + 4]), 4);
        if (length > png.size() - pos - 12)
            return std::nullopt;
        const unsigned char* data = &png[pos + 8];
        if (!header) {
            if (type != "IHDR" || length != 13)
                return std::nullopt;
            header = PngHeader{bigEndian32(data), bigEndian32(data + 4), data[8], data[9]};
        }
        pos += 12 + length;
        if (type == "IEND")
            return pos == png.size() ? header : std::nullopt;
    }
    return std::nullopt;
}

std::span<const unsigned char> bytes(const IconImage& image) {
    return {image.png, image.size};
}

} // namespace

// The reader must refuse damaged data, or the test of the icons below proves nothing.
TEST(PngReader, RefusesWhatIsNotAWholePng) {
    const Icon* padlock = findIcon(IDI_PADLOCK);
    ASSERT_TRUE(padlock && !padlock->images.empty());
    const IconImage& good = padlock->images[0];
    ASSERT_TRUE(readPngHeader(bytes(good)));
    EXPECT_FALSE(readPngHeader(bytes(good).first(good.size - 1))); // cut short
    EXPECT_FALSE(readPngHeader(bytes(good).first(8)));             // signature only
    EXPECT_FALSE(readPngHeader({}));
    std::basic_string<unsigned char> longer(good.png, good.size);
    longer.push_back(0);
    EXPECT_FALSE(readPngHeader(longer)); // bytes after IEND
    std::basic_string<unsigned char> notPng(good.png, good.size);
    notPng[1] = 'J';
    EXPECT_FALSE(readPngHeader(notPng));
}

// Windows picks an icon's image by size: each icon has the sizes it asks for, one image each, and every
// image is a whole square PNG of its declared size with 8-bit RGBA.
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
            ASSERT_NE(image.png, nullptr);
            const std::optional<PngHeader> header = readPngHeader(bytes(image));
            ASSERT_TRUE(header) << "not a whole PNG";
            EXPECT_EQ(image.height, image.width);
            EXPECT_EQ(header->width, std::uint32_t(image.width));
            EXPECT_EQ(header->height, std::uint32_t(image.height));
            EXPECT_EQ(header->bitDepth, 8);
            EXPECT_EQ(header->colourType, 6) << "32-bit colour with alpha";
        }
        EXPECT_EQ(seen, sizes);
    }
}
