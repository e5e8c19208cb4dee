#pragma once

#include <cstdint>
#include <vector>

#include "shell/CPictureBlock.h"

// A picture whose pixels differ from row to row and column to column, so a
// flipped, shifted, scaled or mis-strided decode shows. Indexed pictures get
// a full colour table of distinct colours.
inline SPictureImage SamplePicture(int headerSize, int bits, int width = 11, int height = 5) {
    SPictureImage image{headerSize, width, height, bits, {}, 0, {}};
    for (std::uint32_t k = 0; bits <= 8 && k < (1u << bits); ++k)
        image.colors.push_back(0xFF000000u | (k * 0x3B1F07u + 0x102030u) % 0x1000000u);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t n = std::uint32_t(x * 7 + y * 3);
            image.pixels.push_back(bits <= 8 ? n % (1u << bits) : (n * 0x030507u) & 0xFFFFFFu);
        }
    return image;
}

// The colour of one pixel as 0xAARRGGBB.
inline std::uint32_t SampleColor(const SPictureImage& image, int x, int y) {
    const std::uint32_t value = image.pixels.at(std::size_t(y * image.nWidth + x));
    return image.nBitsPerPixel <= 8 ? image.colors[value] : 0xFF000000u | value;
}
