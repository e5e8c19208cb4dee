#include "shell/COperatorButton.h"

#include <QPainter>

#include "shell/CBitmaps.h"

COperatorButton::COperatorButton(QWidget* parent) : CFaceButton(parent) {}

char COperatorButton::GetOperator() const {
    const QString caption = text();
    return caption.isEmpty() ? '\0' : caption.at(0).toLatin1();
}

void COperatorButton::SetOperator(char chOperator) {
    setText(chOperator ? QString(QLatin1Char(chOperator)) : QString());
}

void COperatorButton::DrawCaption(QPainter& painter) {
    const int glyph = CBitmaps::GlyphFor(GetOperator());
    m_bmpGlyph = glyph ? CBitmaps::Get(glyph) : QImage();
    if (m_bmpGlyph.isNull()) return;
    // AND with the face: the white ground leaves it, the black symbol shows.
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(width() / 2 - kGlyphSide / 2, height() / 2 - kGlyphSide / 2, m_bmpGlyph);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
