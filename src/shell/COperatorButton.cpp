#include "shell/COperatorButton.h"

#include <QPainter>

#include "shell/CBitmaps.h"

COperatorButton::COperatorButton(QWidget* parent) : CFaceButton(parent) {}

void COperatorButton::AddOperator(char chOperator) {
    m_cycle.AddOperator(chOperator);
}

void COperatorButton::RemoveOperators() {
    m_cycle.RemoveOperators();
}

void COperatorButton::ShowFirst() {
    m_cycle.ShowFirst();
    ShowCycle();
}

void COperatorButton::ShowNext() {
    m_cycle.ShowNext();
    ShowCycle();
}

char COperatorButton::GetOperator() const {
    const QString caption = text();
    return caption.isEmpty() ? '\0' : caption.at(0).toLatin1();
}

bool COperatorButton::SetOperator(char chOperator) {
    m_cycle.SetOperator(chOperator);
    ShowCycle();
    return true;
}

void COperatorButton::ShowCycle() {
    // An empty list has nothing to show; the window fills it before showing.
    if (m_cycle.GetOperator() != 0) setText(QString(QLatin1Char(m_cycle.GetOperator())));
}

void COperatorButton::DrawCaption(QPainter& painter) {
    const int glyph = CBitmaps::GlyphFor(GetOperator());
    m_bmpGlyph = glyph ? CBitmaps::Get(glyph) : QImage();
    if (m_bmpGlyph.isNull()) return;
    // AND with the face: the white ground leaves it, the black symbol shows.
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(width() / 2 - 7, height() / 2 - 7, m_bmpGlyph);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
