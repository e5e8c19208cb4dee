#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Colours as 0xAARRGGBB, opaque.
using CPicturePalette = std::vector<std::uint32_t>;

// What WritePicture stores: the generator of the game's bitmaps and the tests
// make their pictures from this.
struct SPictureImage {
    int nHeaderSize = 40;  // 12 for the core header, 40 or more for the information header
    int nWidth = 0;
    int nHeight = 0;                     // rows are stored bottom-up
    int nBitsPerPixel = 8;               // 1, 4, 8 or 24
    CPicturePalette colors;              // the colour table
    std::uint32_t nColorsUsedField = 0;  // information header only
    // Top row first: colour indexes, or 0xRRGGBB for 24 bits per pixel.
    std::vector<std::uint32_t> pixels;
};

// The bitmap block of a picture file: the bytes after its 14-byte file header,
// starting with the bitmap header. A block exists only once its header, colour
// table and pixel bits have been found to lie inside the file, so nothing that
// reads it can run past its end. Kept free of Qt so that the fuzzer links it
// alone.
class CPictureBlock {
public:
    enum class EHeader { Core, Info };

    EHeader Header() const { return m_header; }
    std::uint32_t HeaderSize() const { return m_nHeaderSize; }
    int Width() const { return m_nWidth; }
    // Negative for a picture stored top row first.
    int Height() const { return m_nHeight; }
    int BitsPerPixel() const { return m_nBitsPerPixel; }
    std::uint32_t ColorsUsed() const { return m_nColorsUsed; }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    // Bytes per stored row: rows are padded to whole 32-bit words.
    std::size_t RowBytes() const;

private:
    friend std::unique_ptr<CPictureBlock> ReadPicture(const std::uint8_t* file, std::size_t size);
    CPictureBlock() = default;

    std::vector<std::uint8_t> m_bytes;
    EHeader m_header = EHeader::Info;
    std::uint32_t m_nHeaderSize = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nBitsPerPixel = 0;
    std::uint32_t m_nColorsUsed = 0;
};

// Pictures larger than this on either side, or in all, are refused: no screen
// shows them, and a small file of one bit per pixel could otherwise ask for
// gigabytes once decoded.
constexpr int kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = std::int64_t(1) << 24;

// The whole file in memory -> its bitmap block, or null when the file is not a
// picture this program can show or any part of it lies outside the file.
std::unique_ptr<CPictureBlock> ReadPicture(const std::uint8_t* file, std::size_t size);

// Colour-table entries: the colours-used field of an information header when it
// is not zero, otherwise 2, 16 or 256 for 1, 4 or 8 bits per pixel, else 0.
std::uint32_t PictureColorCount(const CPictureBlock& block);
// In bytes: 4 per entry after an information header, 3 after a core header.
std::size_t PictureColorTableSize(const CPictureBlock& block);
// The pixel bits follow the colour table directly.
const std::uint8_t* PicturePixels(const CPictureBlock& block);
int PictureWidth(const CPictureBlock& block);
int PictureHeight(const CPictureBlock& block);
// The picture's own colours, one per colour-table entry. False, and nothing
// built, when there is no block or it has no colour table.
bool BuildPicturePalette(const CPictureBlock* block, CPicturePalette& palette);
// The pixels as opaque 0xAARRGGBB, top row first. Colour indexes past the end
// of the colour table come out black.
std::vector<std::uint32_t> DecodePicture(const CPictureBlock& block);
// The bytes of a picture file holding image.
std::vector<std::uint8_t> WritePicture(const SPictureImage& image);
