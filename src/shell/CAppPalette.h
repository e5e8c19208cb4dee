#pragma once

#include <QBrush>
#include <QColor>

// The program's four colours, addressed by palette entry as the windows name
// them. Qt draws in true colour, so selecting and realising the palette do
// nothing here; the colours are what matters.
class CAppPalette {
public:
    enum EEntry {
        LightBlue = 0,    // created, referred to by no window
        LightYellow = 1,  // enabled pieces
        Green = 2,        // names-and-scores area of the main window
        LightGreen = 3,   // equations area of the main window
    };

    // The colour of an entry; black for an index outside 0..3.
    static QColor Color(int nEntry);
    // A solid brush of an entry's colour.
    static QBrush Brush(int nEntry) { return QBrush(Color(nEntry)); }
};
