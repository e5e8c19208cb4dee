#pragma once

#include <QImage>

// The bitmaps compiled into the program (resources/bitmaps/<id>.bmp): tiles
// 133..136 and operator glyphs 141..144. Each is read once, on first use.
class CBitmaps {
public:
    enum EId {
        TileBlocked = 133,  // navy: blocked at the start
        TileCounted = 134,  // green: counted as a neighbour of a later move
        TileTaken = 135,    // lime: just taken
        TileSpare = 136,    // yellow: not used by the game
        GlyphPlus = 141,
        GlyphMinus = 142,
        GlyphTimes = 143,
        GlyphDivide = 144,
    };

    // The bitmap, or a null image (with a warning naming it) when the program
    // has no such bitmap. A copy: images share their pixels, so it costs little,
    // and it stays valid whatever is read later.
    static QImage Get(int nId);
    // The glyph of an operator character, or 0 when the character has none.
    static int GlyphFor(char chOperator);
};
