#include "players/ShownText.h"

#include <QByteArrayView>

QString ShownText(const std::string& bytes) {
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    return view.isValidUtf8() ? QString::fromUtf8(view) : QString::fromLatin1(view);
}
