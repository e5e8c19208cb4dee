// Feeds arbitrary bytes to the picture reader. A block it accepts must decode
// to exactly width x height pixels, and its palette must have one colour per
// colour-table entry; the sanitizers catch any read outside the file.
#include <cstdint>
#include <cstdlib>

#include "shell/CPictureBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto block = ReadPicture(data, size);
    if (!block) return 0;
    CPicturePalette palette;
    if (BuildPicturePalette(block.get(), palette) && palette.size() != PictureColorCount(*block)) {
        std::abort();
    }
    const std::vector<std::uint32_t> pixels = DecodePicture(*block);
    const std::size_t expected =
        std::size_t(PictureWidth(*block)) * std::size_t(std::abs(PictureHeight(*block)));
    if (pixels.size() != expected) std::abort();
    return 0;
}
