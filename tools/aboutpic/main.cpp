// Writes the about box's picture as an 8-bit picture with its own colour table:
//   tallyfold-aboutpic <folder>      -> <folder>/vexa.bmp
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "CAboutPicture.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tallyfold-aboutpic <folder>\n");
        return 2;
    }
    // Text is drawn into an image only; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const SPictureImage picture = CAboutPicture::Palettize(CAboutPicture::Draw());
    const std::vector<std::uint8_t> bytes = WritePicture(picture);
    const std::string path = std::string(argv[1]) + "/vexa.bmp";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "tallyfold-aboutpic: cannot create %s\n", path.c_str());
        return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "tallyfold-aboutpic: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: %d x %d, %zu colours\n", path.c_str(), picture.nWidth, picture.nHeight,
                picture.colors.size());
    return 0;
}
