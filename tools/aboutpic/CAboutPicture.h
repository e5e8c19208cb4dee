#pragma once

#include <QColor>
#include <QImage>
#include <vector>

#include "shell/CPictureBlock.h"

// The about box's picture: the game's name over a board in play, in the
// board's own colours, and the two equations that reach the blinking piece.
class CAboutPicture {
public:
    // The about box's picture control on a dialog font of 8 x 15 pixel base
    // units: 159 x 155 dialog units.
    static constexpr int kWidth = 318;
    static constexpr int kHeight = 290;

    // Drawn in true colour, antialiased.
    static QImage Draw();
    // One colour-table entry per colour that occurs, at most 256: each pixel
    // takes the nearest of the drawing colours and the blends between them that
    // antialiased edges produce.
    static SPictureImage Palettize(const QImage& image);

private:
    static void DrawTitle(QImage& image);
    static void DrawBoard(QImage& image);
    static void DrawEquations(QImage& image);
    static std::vector<QColor> Candidates();
};
