#include <gtest/gtest.h>

#include "PictureSamples.h"
#include "shell/CPictureBlock.h"

namespace {

constexpr std::size_t kHeader = 14;  // where the bitmap header starts in a file
using Bytes = std::vector<std::uint8_t>;

std::unique_ptr<CPictureBlock> Read(const Bytes& file) {
    return ReadPicture(file.data(), file.size());
}

void Patch(Bytes& file, std::size_t offset, std::uint32_t value) {
    for (std::size_t k = 0; k < 4; ++k) file[offset + k] = std::uint8_t(value >> (8 * k));
}

// 259 pixels across: wider than a byte can say, and rows that need padding at every
// depth. Header size 12 is the core header; 40, 108 and 124 are all read as the
// information header; a colours-used field, when set, is the colour table's length.
TEST(PictureBlock, DecodesEveryPixelFromTopLeftWithOnePaletteColourPerTableEntry) {
    const int depths[][3] = {{40, 1, 0},  {40, 4, 0},  {40, 8, 0},  {40, 24, 0},
                             {12, 1, 0},  {12, 8, 0},  {12, 24, 0}, {108, 4, 0},
                             {124, 8, 0}, {40, 8, 20}, {40, 4, 5}};
    for (const auto& [headerSize, bits, colorsUsed] : depths) {
        SCOPED_TRACE(testing::Message() << headerSize << " " << bits << " " << colorsUsed);
        SPictureImage image = SamplePicture(headerSize, bits, 259, 5);
        if (colorsUsed) {
            image.colors.resize(std::size_t(colorsUsed));
            image.nColorsUsedField = std::uint32_t(colorsUsed);
            for (std::uint32_t& value : image.pixels) value %= image.nColorsUsedField;
        }
        const auto block = Read(WritePicture(image));
        ASSERT_TRUE(block);
        std::vector<std::uint32_t> colors;
        for (int y = 0; y < image.nHeight; ++y)
            for (int x = 0; x < image.nWidth; ++x) colors.push_back(SampleColor(image, x, y));
        EXPECT_EQ(DecodePicture(*block), colors);
        CPicturePalette palette;
        EXPECT_EQ(BuildPicturePalette(block.get(), palette), !image.colors.empty());
        EXPECT_EQ(palette, image.colors);
    }
}

TEST(PictureBlock, NegativeHeightIsStoredTopRowFirstAndIndexesPastTheTableAreBlack) {
    SPictureImage image = SamplePicture(40, 8, 2, 2);
    image.colors.resize(2);
    image.nColorsUsedField = 2;
    image.pixels = {0, 1, 2, 255};
    Bytes file = WritePicture(image);
    Patch(file, kHeader + 8, std::uint32_t(-2));
    // The rows as written bottom-up now read top-down, so they come out reversed.
    const auto block = Read(file);
    ASSERT_TRUE(block);
    EXPECT_EQ(
        DecodePicture(*block),
        (std::vector<std::uint32_t>{0xFF000000u, 0xFF000000u, image.colors[0], image.colors[1]}));
}

TEST(PictureBlock, PictureOfMoreThanTheMostPixelsIsRefusedEvenWhenItsBitsFit) {
    Bytes file = WritePicture(SamplePicture(40, 1, 1, 1));
    file.resize(file.size() + std::size_t(kMaxPictureSide / 8) * 1025);
    Patch(file, kHeader + 4, kMaxPictureSide);
    Patch(file, kHeader + 8, 1025);
    EXPECT_FALSE(Read(file));
    Patch(file, kHeader + 8, 1024);
    EXPECT_TRUE(Read(file));
}

// Cut short anywhere, or with one field of an 8-bit picture damaged.
TEST(PictureBlock, CutShortOrDamagedFileIsRefused) {
    for (int headerSize : {12, 40, 124}) {
        const Bytes file = WritePicture(SamplePicture(headerSize, 4));
        ASSERT_TRUE(Read(file));
        // Each a copy of its own, so that a read past its end is caught under the sanitizer.
        for (std::size_t size = 0; size < file.size(); ++size)
            EXPECT_FALSE(Read(Bytes(file.begin(), file.begin() + std::ptrdiff_t(size)))) << size;
    }
    // A 32-bit value written at a file offset: not BM; a header (at 14) longer than
    // the file, of no known size; no width (at 18), a negative one, one over the
    // limit; a height (at 22) of -2^31, one whose pixels lie past the end; 16 bits
    // (at 28); compressed (at 30); colours used (at 46) near 2^32.
    const std::pair<std::size_t, std::uint32_t> damages[] = {
        {0, 'X'},         {14, 100000},     {14, 16},
        {18, 0},          {18, 0xFFFFFFFD}, {18, kMaxPictureSide + 1},
        {22, 0x80000000}, {22, 6},          {28, 16},
        {30, 1},          {46, 0xFFFFFFFF}};
    for (const auto& [offset, value] : damages) {
        Bytes file = WritePicture(SamplePicture(40, 8));
        Patch(file, offset, value);
        EXPECT_FALSE(Read(file)) << offset << " := " << value;
    }
}

}  // namespace
