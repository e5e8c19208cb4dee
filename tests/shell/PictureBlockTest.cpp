#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "PictureSamples.h"
#include "shell/CPictureBlock.h"

namespace {

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

void Patch32(std::vector<std::uint8_t>& file, std::size_t offset, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) file[offset + std::size_t(k)] = std::uint8_t(value >> (8 * k));
}

constexpr std::size_t kHeader = 14;  // where the bitmap header starts in a file

struct SDepthCase {
    int headerSize;
    int bits;
};

class PictureDepth : public ::testing::TestWithParam<SDepthCase> {};

TEST_P(PictureDepth, DecodesEveryPixelFromTopLeft) {
    const SPictureImage image = SamplePicture(GetParam().headerSize, GetParam().bits);
    const auto block = Read(WritePicture(image));
    ASSERT_TRUE(block);
    EXPECT_EQ(PictureWidth(*block), image.nWidth);
    EXPECT_EQ(PictureHeight(*block), image.nHeight);
    EXPECT_EQ(DecodePicture(*block), Expected(image));
}

TEST_P(PictureDepth, BuildsOnePaletteColourPerTableEntry) {
    const SPictureImage image = SamplePicture(GetParam().headerSize, GetParam().bits);
    const auto block = Read(WritePicture(image));
    ASSERT_TRUE(block);
    CPicturePalette palette;
    EXPECT_EQ(BuildPicturePalette(block.get(), palette), !image.colors.empty());
    EXPECT_EQ(palette, image.colors);
}

// 12 is the core header; 40, 108 and 124 are all read as the information header.
INSTANTIATE_TEST_SUITE_P(HeadersAndDepths, PictureDepth,
                         ::testing::Values(SDepthCase{40, 1}, SDepthCase{40, 4}, SDepthCase{40, 8},
                                           SDepthCase{40, 24}, SDepthCase{12, 1}, SDepthCase{12, 4},
                                           SDepthCase{12, 8}, SDepthCase{12, 24},
                                           SDepthCase{108, 4}, SDepthCase{124, 8}));

TEST(PictureBlock, CoreHeaderHasThreeByteColoursAndSixteenBitSides) {
    const auto block = Read(WritePicture(SamplePicture(12, 8, 300, 2)));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->Header(), CPictureBlock::EHeader::Core);
    EXPECT_EQ(PictureWidth(*block), 300);
    EXPECT_EQ(PictureColorTableSize(*block), 256u * 3);
    EXPECT_EQ(PicturePixels(*block), block->Bytes().data() + 12 + 256 * 3);
}

TEST(PictureBlock, LongerHeadersPutTheColourTableAfterTheWholeHeader) {
    const auto block = Read(WritePicture(SamplePicture(124, 4)));
    ASSERT_TRUE(block);
    EXPECT_EQ(block->Header(), CPictureBlock::EHeader::Info);
    EXPECT_EQ(PicturePixels(*block), block->Bytes().data() + 124 + 16 * 4);
}

TEST(PictureBlock, ColoursUsedFieldSetsThePaletteSizeWhateverTheDepth) {
    SPictureImage image = SamplePicture(40, 8);
    image.colors.resize(20);
    image.nColorsUsedField = 20;
    for (std::uint32_t& value : image.pixels) value %= 20;
    const auto block = Read(WritePicture(image));
    ASSERT_TRUE(block);
    CPicturePalette palette;
    ASSERT_TRUE(BuildPicturePalette(block.get(), palette));
    EXPECT_EQ(palette.size(), 20u);
    EXPECT_EQ(DecodePicture(*block), Expected(image));
}

TEST(PictureBlock, TrueColourPictureWithoutColoursUsedHasNoPalette) {
    const auto block = Read(WritePicture(SamplePicture(40, 24)));
    ASSERT_TRUE(block);
    CPicturePalette palette;
    EXPECT_FALSE(BuildPicturePalette(block.get(), palette));
    EXPECT_FALSE(BuildPicturePalette(nullptr, palette));
}

TEST(PictureBlock, IndexesPastAShortColourTableComeOutBlack) {
    SPictureImage image = SamplePicture(40, 8, 4, 1);
    image.colors.resize(2);
    image.nColorsUsedField = 2;
    image.pixels = {0, 1, 2, 255};
    const auto block = Read(WritePicture(image));
    ASSERT_TRUE(block);
    const std::vector<std::uint32_t> expected = {image.colors[0], image.colors[1], 0xFF000000u,
                                                 0xFF000000u};
    EXPECT_EQ(DecodePicture(*block), expected);
}

TEST(PictureBlock, NegativeHeightIsStoredTopRowFirst) {
    const SPictureImage image = SamplePicture(40, 24, 3, 4);
    std::vector<std::uint8_t> file = WritePicture(image);
    Patch32(file, kHeader + 8, std::uint32_t(-4));
    // The rows as written bottom-up now read top-down, so they come out reversed.
    std::vector<std::uint32_t> reversed;
    const std::vector<std::uint32_t> expected = Expected(image);
    for (int y = 3; y >= 0; --y) {
        reversed.insert(reversed.end(), expected.begin() + y * 3, expected.begin() + y * 3 + 3);
    }
    const auto block = Read(file);
    ASSERT_TRUE(block);
    EXPECT_EQ(DecodePicture(*block), reversed);
}

TEST(PictureBlock, PictureOfMoreThanTheMostPixelsIsRefusedEvenWhenItsBitsFit) {
    // 16384 x 1025 pixels of one bit fit in about 2 MB of file.
    std::vector<std::uint8_t> file = WritePicture(SamplePicture(40, 1, 1, 1));
    file.resize(file.size() + std::size_t(kMaxPictureSide / 8) * 1025);
    Patch32(file, kHeader + 4, kMaxPictureSide);
    Patch32(file, kHeader + 8, 1025);
    EXPECT_FALSE(Read(file));
    Patch32(file, kHeader + 8, 1024);
    EXPECT_TRUE(Read(file));
}

TEST(PictureBlock, EveryCutShortFileIsRefused) {
    for (int headerSize : {12, 40, 124}) {
        const std::vector<std::uint8_t> file = WritePicture(SamplePicture(headerSize, 4));
        ASSERT_TRUE(Read(file));
        for (std::size_t size = 0; size < file.size(); ++size) {
            const std::vector<std::uint8_t> cut(file.begin(), file.begin() + std::ptrdiff_t(size));
            EXPECT_FALSE(Read(cut)) << "header " << headerSize << ", " << size << " bytes";
        }
    }
}

struct SDamage {
    const char* name;
    std::size_t offset;  // in the file
    std::uint32_t value;
    int bytes;  // 1, 2 or 4
};

class DamagedPicture : public ::testing::TestWithParam<SDamage> {};

TEST_P(DamagedPicture, IsRefused) {
    std::vector<std::uint8_t> file = WritePicture(SamplePicture(40, 8));
    const SDamage& damage = GetParam();
    for (int k = 0; k < damage.bytes; ++k) {
        file[damage.offset + std::size_t(k)] = std::uint8_t(damage.value >> (8 * k));
    }
    EXPECT_FALSE(Read(file));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DamagedPicture,
    ::testing::Values(
        SDamage{"NotStartingWithBM", 0, 'X', 1},
        SDamage{"HeaderLongerThanFile", kHeader, 100000, 4},
        SDamage{"HeaderOfNeitherKind", kHeader, 16, 4}, SDamage{"HeaderTooShort", kHeader, 4, 4},
        SDamage{"ZeroWidth", kHeader + 4, 0, 4},
        SDamage{"NegativeWidth", kHeader + 4, std::uint32_t(-3), 4},
        SDamage{"ZeroHeight", kHeader + 8, 0, 4},
        SDamage{"SmallestHeight", kHeader + 8, std::uint32_t(INT_MIN), 4},
        SDamage{"HugeWidth", kHeader + 4, 0x7FFFFFFF, 4},
        SDamage{"SideOverTheLimit", kHeader + 4, kMaxPictureSide + 1, 4},
        SDamage{"PixelsPastTheEnd", kHeader + 8, 6, 4}, SDamage{"SixteenBits", kHeader + 14, 16, 2},
        SDamage{"ThirtyTwoBits", kHeader + 14, 32, 2}, SDamage{"Compressed", kHeader + 16, 1, 4},
        SDamage{"ColourTablePastTheEnd", kHeader + 32, 257, 4},
        SDamage{"ColoursUsedNearTwoToThe32", kHeader + 32, 0xFFFFFFFF, 4}),
    [](const ::testing::TestParamInfo<SDamage>& damage) { return damage.param.name; });

TEST(PictureBlock, WriterStoresTheFileLengthAndPixelOffsetInItsHeader) {
    const std::vector<std::uint8_t> file = WritePicture(SamplePicture(40, 4));
    std::uint32_t length = 0;
    std::uint32_t offset = 0;
    std::memcpy(&length, file.data() + 2, 4);
    std::memcpy(&offset, file.data() + 10, 4);
    EXPECT_EQ(length, file.size());
    EXPECT_EQ(offset, 14u + 40u + 16u * 4u);
}

}  // namespace
