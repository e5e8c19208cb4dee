#include "shell/PictureImage.h"

#include <QPainter>
#include <cstdlib>
#include <cstring>

QImage PictureToImage(const CPictureBlock& block) {
    QImage image(block.Width(), std::abs(block.Height()), QImage::Format_RGB32);
    if (image.isNull()) return image;
    const std::vector<std::uint32_t> pixels = DecodePicture(block);
    const std::size_t rowBytes = std::size_t(block.Width()) * sizeof(std::uint32_t);
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(image.scanLine(y), pixels.data() + std::size_t(y) * std::size_t(block.Width()),
                    rowBytes);
    }
    return image;
}

int DrawPicture(QPainter& painter, const QRect& dest, const QImage& image, const QRect& src) {
    if (image.isNull()) return 0;
    if (dest.size() == src.size()) {
        painter.drawImage(dest.topLeft(), image, src);
    } else {
        painter.drawImage(dest, image, src);
    }
    return image.height();
}
