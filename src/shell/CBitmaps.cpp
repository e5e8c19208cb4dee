#include "shell/CBitmaps.h"

#include <QFile>
#include <QHash>
#include <QtDebug>

#include "shell/CPictureBlock.h"
#include "shell/PictureImage.h"

namespace {

QImage Load(int nId) {
    const QString name = QStringLiteral(":/bitmaps/%1.bmp").arg(nId);
    QFile file(name);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        const auto block = ReadPicture(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                       std::size_t(bytes.size()));
        if (block) return PictureToImage(*block);
    }
    qCritical("Bitmap resource %s is missing or damaged.", qPrintable(name));
    return QImage();
}

}  // namespace

QImage CBitmaps::Get(int nId) {
    static QHash<int, QImage> cache;
    auto found = cache.find(nId);
    if (found == cache.end()) found = cache.insert(nId, Load(nId));
    return found.value();
}

int CBitmaps::GlyphFor(char chOperator) {
    switch (chOperator) {
        case '+':
            return GlyphPlus;
        case '-':
            return GlyphMinus;
        case '*':
            return GlyphTimes;
        case '/':
            return GlyphDivide;
        default:
            return 0;
    }
}
