#pragma once

#include <QImage>
#include <QRect>

#include "shell/CPictureBlock.h"

class QPainter;

// The picture as a Qt image, top row first; a null image when memory runs out.
QImage PictureToImage(const CPictureBlock& block);

// Draws the source rectangle of a picture decoded by PictureToImage onto the
// destination rectangle: copied pixel for pixel when both have the same size,
// stretched otherwise. Returns the number of scan lines drawn, 0 when nothing
// could be drawn. A true-colour display needs nothing from the picture's palette.
int DrawPicture(QPainter& painter, const QRect& dest, const QImage& image, const QRect& src);
