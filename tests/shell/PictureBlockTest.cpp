#include <gtest/gtest.h>

#include <climits>

#include "PictureSamples.h"
#include "shell/CPictureBlock.h"

namespace {

constexpr std::size_t kHeader = 14;  // where the bitmap header starts in a file

std::vector<std::uint32_t> Expected(const SPictureImage& image) {
    std::vector<std::uint32_t> colors;
    for (int y = 0; y < image.nHeight; ++y) {
        for (int x = 0; x < image.nWidth; ++x) colors.push_back(SampleColor(image, x, y));
    }
    return colors;
}

std::unique_ptr<CPictureBlock> Read(const std::vector<std::uint8_t>& file) {
    return ReadPicture(file.data(), file.size());
}

void Patch(std::vector<std::uint8_t>& file, std::size_t offset, std::uint32_t value,
           int bytes = 4) {
    for (int k = 0; k < bytes; ++k) file[offset + std::size_t(k)] = std::uint8_t(value >> (8 * k));
}

struct SDepthCase {
    int headerSize;
    int bits;
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
    EXPECT_EQ(DecodePicture(*block), Expected(image));
    CPicturePalette palette;
    EXPECT_EQ(BuildPicturePalette(block.get(), palette), !image.colors.empty());
    EXPECT_EQ(palette, image.colors);
}

// 12 is the core header; 40, 108 and 124 are all read as the information header.
INSTANTIATE_TEST_SUITE_P(HeadersAndDepths, PictureDepth,
                         ::testing::Values(SDepthCase{40, 1, 0}, SDepthCase{40, 4, 0},
                                           SDepthCase{40, 8, 0}, SDepthCase{40, 24, 0},
                                           SDepthCase{12, 1, 0}, SDepthCase{12, 8, 0},
                                           SDepthCase{12, 24, 0}, SDepthCase{108, 4, 0},
                                           SDepthCase{124, 8, 0}, SDepthCase{40, 8, 20},
                                           SDepthCase{40, 4, 5}));

TEST(PictureBlock, NegativeHeightIsStoredTopRowFirstAndIndexesPastTheTableAreBlack) {
    SPictureImage image = SamplePicture(40, 8, 2, 2);
    image.colors.resize(2);
    image.nColorsUsedField = 2;
    image.pixels = {0, 1, 2, 255};
    std::vector<std::uint8_t> file = WritePicture(image);
    Patch(file, kHeader + 8, std::uint32_t(-2));
    // The rows as written bottom-up now read top-down, so they come out reversed.
    const auto block = Read(file);
    ASSERT_TRUE(block);
    EXPECT_EQ(
        DecodePicture(*block),
        (std::vector<std::uint32_t>{0xFF000000u, 0xFF000000u, image.colors[0], image.colors[1]}));
}

TEST(PictureBlock, PictureOfMoreThanTheMostPixelsIsRefusedEvenWhenItsBitsFit) {
    std::vector<std::uint8_t> file = WritePicture(SamplePicture(40, 1, 1, 1));
    file.resize(file.size() + std::size_t(kMaxPictureSide / 8) * 1025);
    Patch(file, kHeader + 4, kMaxPictureSide);
    Patch(file, kHeader + 8, 1025);
    EXPECT_FALSE(Read(file));
    Patch(file, kHeader + 8, 1024);
    EXPECT_TRUE(Read(file));
}

TEST(PictureBlock, EveryCutShortFileIsRefused) {
    for (int headerSize : {12, 40, 124}) {
        const std::vector<std::uint8_t> file = WritePicture(SamplePicture(headerSize, 4));
        ASSERT_TRUE(Read(file));
        for (std::size_t size = 0; size < file.size(); ++size) {
            // A copy of its own, so that a read past its end is caught under the sanitizer.
            const std::vector<std::uint8_t> cut(file.begin(), file.begin() + std::ptrdiff_t(size));
            EXPECT_FALSE(Read(cut)) << "header " << headerSize << ", " << size << " bytes";
        }
    }
}

struct SDamage {
    const char* name;
    std::size_t offset;  // in the file
    std::uint32_t value;
    int bytes;
};

class DamagedPicture : public ::testing::TestWithParam<SDamage> {};

TEST_P(DamagedPicture, IsRefused) {
    std::vector<std::uint8_t> file = WritePicture(SamplePicture(40, 8));
    Patch(file, GetParam().offset, GetParam().value, GetParam().bytes);
    EXPECT_FALSE(Read(file));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DamagedPicture,
    ::testing::Values(SDamage{"NotStartingWithBM", 0, 'X', 1},
                      SDamage{"HeaderLongerThanFile", kHeader, 100000, 4},
                      SDamage{"HeaderOfNeitherKind", kHeader, 16, 4},
                      SDamage{"ZeroWidth", kHeader + 4, 0, 4},
                      SDamage{"NegativeWidth", kHeader + 4, std::uint32_t(-3), 4},
                      SDamage{"SmallestHeight", kHeader + 8, std::uint32_t(INT_MIN), 4},
                      SDamage{"SideOverTheLimit", kHeader + 4, kMaxPictureSide + 1, 4},
                      SDamage{"PixelsPastTheEnd", kHeader + 8, 6, 4},
                      SDamage{"SixteenBits", kHeader + 14, 16, 2},
                      SDamage{"Compressed", kHeader + 16, 1, 4},
                      SDamage{"ColoursUsedNearTwoToThe32", kHeader + 32, 0xFFFFFFFF, 4}),
    [](const ::testing::TestParamInfo<SDamage>& damage) { return damage.param.name; });

}  // namespace
