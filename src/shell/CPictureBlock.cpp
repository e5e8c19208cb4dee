#include "shell/CPictureBlock.h"

#include <cstdlib>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint16_t kFileType = 19778;  // the letters B and M
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Colour-table entries: blue, green, red, and a reserved byte after an information header.
constexpr std::size_t kInfoEntryBytes = 4;
constexpr std::size_t kCoreEntryBytes = 3;
// Written as the resolution of new pictures: 72 dots per inch in pixels per metre.
constexpr std::uint32_t kPixelsPerMetre = 2835;

std::uint32_t U16(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}
std::uint32_t U32(const std::uint8_t* p) {
    return U16(p) | U16(p + 2) << 16;
}
std::int32_t I32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(U32(p));
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

bool IsSupportedDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 24;
}

// Rows are padded to whole 32-bit words.
std::size_t RowBytesFor(int width, int bits) {
    constexpr std::size_t kWordBits = 32;
    return (std::size_t(width) * std::size_t(bits) + kWordBits - 1) / kWordBits * (kWordBits / 8);
}

std::size_t EntryBytes(const CPictureBlock& block) {
    return block.Header() == CPictureBlock::EHeader::Info ? kInfoEntryBytes : kCoreEntryBytes;
}

// Where pixel x of an indexed row lies: its byte, and the shift that brings its
// bits down, the leftmost pixel sitting in the high bits.
std::size_t PixelByte(int x, int bits) {
    return std::size_t(x) * std::size_t(bits) / 8;
}
unsigned PixelShift(int x, int bits) {
    return unsigned(8 - bits) - unsigned(std::size_t(x) * std::size_t(bits) % 8);
}

std::uint32_t Opaque(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

}  // namespace

std::size_t CPictureBlock::RowBytes() const {
    return RowBytesFor(m_nWidth, m_nBitsPerPixel);
}

std::unique_ptr<CPictureBlock> ReadPicture(const std::uint8_t* file, std::size_t size) {
    if (size < kFileHeaderSize || U16(file) != kFileType) return nullptr;
    const std::uint8_t* bytes = file + kFileHeaderSize;
    const std::size_t length = size - kFileHeaderSize;
    if (length < sizeof(std::uint32_t)) return nullptr;  // not even the header's size

    std::unique_ptr<CPictureBlock> block(new CPictureBlock);
    block->m_nHeaderSize = U32(bytes);
    if (block->m_nHeaderSize == kCoreHeaderSize && length >= kCoreHeaderSize) {
        block->m_header = CPictureBlock::EHeader::Core;
        block->m_nWidth = static_cast<int>(U16(bytes + 4));
        block->m_nHeight = static_cast<int>(U16(bytes + 6));
        block->m_nBitsPerPixel = static_cast<int>(U16(bytes + 10));
    } else if (block->m_nHeaderSize >= kInfoHeaderSize && block->m_nHeaderSize <= length) {
        // Later versions of the header (108, 124 bytes) only add fields at the end.
        block->m_header = CPictureBlock::EHeader::Info;
        block->m_nWidth = I32(bytes + 4);
        block->m_nHeight = I32(bytes + 8);
        block->m_nBitsPerPixel = static_cast<int>(U16(bytes + 14));
        block->m_nColorsUsed = U32(bytes + 32);
        // Compressed pixels would need their own decoder; only plain rows are shown.
        if (U32(bytes + 16) != 0) return nullptr;
    } else {
        return nullptr;
    }

    const int side = std::abs(block->m_nHeight == INT32_MIN ? 0 : block->m_nHeight);
    if (!IsSupportedDepth(block->m_nBitsPerPixel) || block->m_nWidth < 1 ||
        block->m_nWidth > kMaxPictureSide || side < 1 || side > kMaxPictureSide ||
        std::int64_t(block->m_nWidth) * side > kMaxPicturePixels) {
        return nullptr;
    }
    // 64-bit sums: a colours-used field near 2^32 cannot wrap around.
    const std::uint64_t table = std::uint64_t(PictureColorCount(*block)) * EntryBytes(*block);
    const std::uint64_t pixels = std::uint64_t(block->RowBytes()) * std::uint64_t(side);
    if (std::uint64_t(block->m_nHeaderSize) + table + pixels > length) return nullptr;

    block->m_bytes.assign(bytes, bytes + length);
    return block;
}

std::uint32_t PictureColorCount(const CPictureBlock& block) {
    if (block.Header() == CPictureBlock::EHeader::Info && block.ColorsUsed() != 0) {
        return block.ColorsUsed();
    }
    switch (block.BitsPerPixel()) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

std::size_t PictureColorTableSize(const CPictureBlock& block) {
    return std::size_t(PictureColorCount(block)) * EntryBytes(block);
}

const std::uint8_t* PicturePixels(const CPictureBlock& block) {
    return block.Bytes().data() + block.HeaderSize() + PictureColorTableSize(block);
}

int PictureWidth(const CPictureBlock& block) {
    return block.Width();
}

int PictureHeight(const CPictureBlock& block) {
    return block.Height();
}

bool BuildPicturePalette(const CPictureBlock* block, CPicturePalette& palette) {
    if (!block) return false;
    const std::uint32_t count = PictureColorCount(*block);
    if (count == 0) return false;
    const std::size_t entry = EntryBytes(*block);
    const std::uint8_t* table = block->Bytes().data() + block->HeaderSize();
    palette.clear();
    palette.reserve(count);
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::uint8_t* bgr = table + k * entry;
        palette.push_back(Opaque(bgr[2], bgr[1], bgr[0]));
    }
    return true;
}

std::vector<std::uint32_t> DecodePicture(const CPictureBlock& block) {
    CPicturePalette colors;
    BuildPicturePalette(&block, colors);
    const int width = block.Width();
    const int rows = std::abs(block.Height());
    const int bits = block.BitsPerPixel();
    const std::uint8_t* pixels = PicturePixels(block);
    std::vector<std::uint32_t> out;
    out.reserve(std::size_t(width) * std::size_t(rows));
    for (int y = 0; y < rows; ++y) {
        // Rows are stored bottom-up unless the height is negative.
        const int stored = block.Height() > 0 ? rows - 1 - y : y;
        const std::uint8_t* row = pixels + std::size_t(stored) * block.RowBytes();
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                const std::uint8_t* bgr = row + std::size_t(x) * 3;
                out.push_back(Opaque(bgr[2], bgr[1], bgr[0]));
                continue;
            }
            const std::size_t index =
                (row[PixelByte(x, bits)] >> PixelShift(x, bits)) & ((1u << bits) - 1);
            out.push_back(index < colors.size() ? colors[index] : Opaque(0, 0, 0));
        }
    }
    return out;
}

std::vector<std::uint8_t> WritePicture(const SPictureImage& image) {
    const bool core = image.nHeaderSize == int(kCoreHeaderSize);
    const std::size_t rowBytes = RowBytesFor(image.nWidth, image.nBitsPerPixel);
    const std::size_t tableBytes = image.colors.size() * (core ? kCoreEntryBytes : kInfoEntryBytes);
    const std::size_t header = std::size_t(image.nHeaderSize);
    const std::size_t offset = kFileHeaderSize + header + tableBytes;
    const std::size_t total = offset + rowBytes * std::size_t(image.nHeight);

    std::vector<std::uint8_t> out;
    out.reserve(total);
    Put16(out, kFileType);
    Put32(out, std::uint32_t(total));
    Put32(out, 0);
    Put32(out, std::uint32_t(offset));
    Put32(out, std::uint32_t(header));
    if (core) {
        Put16(out, std::uint32_t(image.nWidth));
        Put16(out, std::uint32_t(image.nHeight));
        Put16(out, 1);
        Put16(out, std::uint32_t(image.nBitsPerPixel));
    } else {
        Put32(out, std::uint32_t(image.nWidth));
        Put32(out, std::uint32_t(image.nHeight));
        Put16(out, 1);
        Put16(out, std::uint32_t(image.nBitsPerPixel));
        Put32(out, 0);  // no compression
        Put32(out, std::uint32_t(rowBytes * std::size_t(image.nHeight)));
        Put32(out, kPixelsPerMetre);
        Put32(out, kPixelsPerMetre);
        Put32(out, image.nColorsUsedField);
        Put32(out, 0);
        out.resize(kFileHeaderSize + header, 0);  // the fields of longer headers stay zero
    }
    for (std::uint32_t color : image.colors) {
        out.push_back(static_cast<std::uint8_t>(color));
        out.push_back(static_cast<std::uint8_t>(color >> 8));
        out.push_back(static_cast<std::uint8_t>(color >> 16));
        if (!core) out.push_back(0);
    }
    for (int y = image.nHeight - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < image.nWidth; ++x) {
            const std::uint32_t value =
                image.pixels[std::size_t(y) * std::size_t(image.nWidth) + std::size_t(x)];
            if (image.nBitsPerPixel == 24) {
                row[std::size_t(x) * 3] = static_cast<std::uint8_t>(value);
                row[std::size_t(x) * 3 + 1] = static_cast<std::uint8_t>(value >> 8);
                row[std::size_t(x) * 3 + 2] = static_cast<std::uint8_t>(value >> 16);
                continue;
            }
            std::uint8_t& byte = row[PixelByte(x, image.nBitsPerPixel)];
            byte = static_cast<std::uint8_t>(byte | value << PixelShift(x, image.nBitsPerPixel));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
