#include "shell/CAppPalette.h"

QColor CAppPalette::Color(int nEntry) {
    switch (nEntry) {
        case LightBlue:
            return QColor(102, 204, 255);
        case LightYellow:
            return QColor(255, 255, 128);
        case Green:
            return QColor(0, 153, 51);
        case LightGreen:
            return QColor(35, 211, 131);
        default:
            return QColor(Qt::black);
    }
}
