#include <gtest/gtest.h>

#include <climits>

#include "PictureSamples.h"
#include "shell/CPictureBlock.h"

namespace {

constexpr std::size_t kHeader = 14;  // where the bitmap header starts in a file
using Bytes = std::vector<std::uint8_t>;

std::unique_ptr<CPictureBlock> Read(const Bytes& file) {
    return ReadPicture(file.data(), file.size());
}

void Patch(Bytes& file, std::size_t offset, std::uint32_t value, int bytes = 4) {
    for (int k = 0; k < bytes; ++k) file[offset + std::size_t(k)] = std::uint8_t(value >> (8 * k));
}

struct SDepthCase {
    int headerSize, bits;
    std::uint32_t colorsUsed;  // 0: the field is left at zero
};

class PictureDepth : public ::testing::TestWithParam<SDepthCase> {};

// 259 pixels across: wider than a byte can say, and rows that need padding at every depth.
TEST_P(PictureDepth, DecodesEveryPixelFromTopLeftWithOnePaletteColourPerTableEntry) {
    const auto [headerSize, bits, colorsUsed] = GetParam();
    SPictureImage image = SamplePicture(headerSize, bits, 259, 5);
    if (colorsUsed) {
        image.colors.resize(colorsUsed);
        image.nColorsUsedField = colorsUsed;
        for (std::uint32_t& value : image.pixels) value %= colorsUsed;
    }
    const auto block = Read(WritePicture(image));
    ASSERT_TRUE(block);
    EXPECT_EQ(PictureWidth(*block), image.nWidth);
    EXPECT_EQ(PictureHeight(*block), image.nHeight);
    std::vector<std::uint32_t> colors;
    for (int y = 0; y < image.nHeight; ++y)
        for (int x = 0; x < image.nWidth; ++x) colors.push_back(SampleColor(image, x, y));
    EXPECT_EQ(DecodePicture(*block), colors);
    CPicturePalette palette;
    EXPECT_EQ(BuildPicturePalette(block.get(), palette), !image.colors.empty());
    EXPECT_EQ(palette, image.colors);
}

// 12 is the core header; 40, 108 and 124 are all read as the information header.
const SDepthCase kDepths[] = {{40, 1, 0},  {40, 4, 0},  {40, 8, 0},  {40, 24, 0},
                              {12, 1, 0},  {12, 8, 0},  {12, 24, 0}, {108, 4, 0},
                              {124, 8, 0}, {40, 8, 20}, {40, 4, 5}};
INSTANTIATE_TEST_SUITE_P(HeadersAndDepths, PictureDepth, ::testing::ValuesIn(kDepths));

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

TEST(PictureBlock, EveryCutShortFileIsRefused) {
    for (int headerSize : {12, 40, 124}) {
        const Bytes file = WritePicture(SamplePicture(headerSize, 4));
        ASSERT_TRUE(Read(file));
        for (std::size_t size = 0; size < file.size(); ++size) {
            // A copy of its own, so that a read past its end is caught under the sanitizer.
            const Bytes cut(file.begin(), file.begin() + std::ptrdiff_t(size));
            EXPECT_FALSE(Read(cut)) << "header " << headerSize << ", " << size << " bytes";
        }
    }
}

TEST(PictureBlock, DamagedFieldIsRefused) {
    const struct {
        const char* name;
        std::size_t offset;  // in the file
        std::uint32_t value;
        int bytes;
    } damages[] = {{"NotStartingWithBM", 0, 'X', 1},
                   {"HeaderLongerThanFile", kHeader, 100000, 4},
                   {"HeaderOfNeitherKind", kHeader, 16, 4},
                   {"ZeroWidth", kHeader + 4, 0, 4},
                   {"NegativeWidth", kHeader + 4, std::uint32_t(-3), 4},
                   {"SmallestHeight", kHeader + 8, std::uint32_t(INT_MIN), 4},
                   {"SideOverTheLimit", kHeader + 4, kMaxPictureSide + 1, 4},
                   {"PixelsPastTheEnd", kHeader + 8, 6, 4},
                   {"SixteenBits", kHeader + 14, 16, 2},
                   {"Compressed", kHeader + 16, 1, 4},
                   {"ColoursUsedNearTwoToThe32", kHeader + 32, 0xFFFFFFFF, 4}};
    for (const auto& damage : damages) {
        Bytes file = WritePicture(SamplePicture(40, 8));
        Patch(file, damage.offset, damage.value, damage.bytes);
        EXPECT_FALSE(Read(file)) << damage.name;
    }
}

}  // namespace
