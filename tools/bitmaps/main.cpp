// Draws the game's small bitmaps: the four cell tiles (133..136) and the four
// operator glyphs (141..144), as 16-colour pictures the program embeds.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "shell/CPictureBlock.h"

namespace {

// The classic 16-colour set; the tiles and glyphs use indexes into it.
const CPicturePalette kColors = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};
enum EColor {
    Black = 0,
    Green = 2,
    Navy = 4,
    Silver = 7,
    Grey = 8,
    Lime = 10,
    Yellow = 11,
    White = 15
};

SPictureImage Paint(int width, int height, const std::function<int(int x, int y)>& colorAt) {
    SPictureImage image;
    image.nWidth = width;
    image.nHeight = height;
    image.nBitsPerPixel = 4;
    image.colors = kColors;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.pixels.push_back(std::uint32_t(colorAt(x, y)));
    }
    return image;
}

// One colour with a one-pixel line of another along the top row and left column,
// so that a grid of tiles shows thin lines between cells.
SPictureImage Tile(int fill, int line) {
    return Paint(109, 89, [=](int x, int y) { return x == 0 || y == 0 ? line : fill; });
}

// Symbols on a 14 x 14 grid centred between pixels 6 and 7; strokes are two pixels wide.
bool InBar(int x, int y) {
    return x >= 2 && x <= 11 && (y == 6 || y == 7);
}
bool InPlus(int x, int y) {
    return InBar(x, y) || InBar(y, x);
}
bool InCross(int x, int y) {
    const bool inBox = x >= 3 && x <= 10 && y >= 3 && y <= 10;
    return inBox && (std::abs(x - y) <= 1 || std::abs(x + y - 13) <= 1);
}
bool InObelus(int x, int y) {
    const bool inDot = (x == 6 || x == 7) && (y == 2 || y == 3 || y == 10 || y == 11);
    return InBar(x, y) || inDot;
}

SPictureImage Glyph(bool (*inSymbol)(int, int)) {
    return Paint(14, 14, [=](int x, int y) { return inSymbol(x, y) ? Black : White; });
}

bool Save(const std::string& folder, int id, const SPictureImage& image) {
    const std::string path = folder + "/" + std::to_string(id) + ".bmp";
    const std::vector<std::uint8_t> bytes = WritePicture(image);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "tf_bitmaps: cannot create %s\n", path.c_str());
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) std::fprintf(stderr, "tf_bitmaps: cannot write %s\n", path.c_str());
    return written && closed;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tf_bitmaps <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = Save(folder, 133, Tile(Navy, Grey));
    ok = Save(folder, 134, Tile(Green, Silver)) && ok;
    ok = Save(folder, 135, Tile(Lime, Silver)) && ok;
    ok = Save(folder, 136, Tile(Yellow, Silver)) && ok;
    ok = Save(folder, 141, Glyph(InPlus)) && ok;
    ok = Save(folder, 142, Glyph(InBar)) && ok;
    ok = Save(folder, 143, Glyph(InCross)) && ok;
    ok = Save(folder, 144, Glyph(InObelus)) && ok;
    return ok ? 0 : 1;
}
