#pragma once

#include <QImage>
#include <QRect>

#include "shell/CPictureBlock.h"

class QPainter;

// The picture as a Qt image, top row first; a null image when memory runs out.
QImage PictureToImage(const CPictureBlock& block);

// Draws the source rectangle of the picture onto the destination rectangle:
// copied pixel for pixel when both have the same size, stretched otherwise.
// Returns the number of scan lines drawn, 0 when nothing could be drawn.
// The palette is the picture's own; on a true-colour display drawing needs
// nothing from it.
int DrawPicture(QPainter& painter, const QRect& dest, const CPictureBlock* block, const QRect& src,
                const CPicturePalette* palette = nullptr);
// The same for a picture already decoded with PictureToImage, so that a
// control that paints often decodes once per picture.
int DrawPicture(QPainter& painter, const QRect& dest, const QImage& image, const QRect& src);
