#pragma once

#include <QColor>

// The system colours the owner-drawn controls use. A fixed classic scheme, so
// the board looks the same whatever desktop theme is running.
class CSystemColors {
public:
    static QColor ButtonFace() { return QColor(192, 192, 192); }
    static QColor ButtonShadow() { return QColor(128, 128, 128); }
    static QColor ButtonHighlight() { return QColor(255, 255, 255); }
    static QColor WindowFrame() { return QColor(0, 0, 0); }
    static QColor ButtonText() { return QColor(0, 0, 0); }
};
