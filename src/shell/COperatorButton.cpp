#include "shell/COperatorButton.h"

#include <QPainter>

#include "shell/CBitmaps.h"

COperatorButton::COperatorButton(QWidget* parent) : CFaceButton(parent) {}

void COperatorButton::AddOperator(char chOperator) {
    m_operators.append(QString(QLatin1Char(chOperator)));
}

void COperatorButton::RemoveOperators() {
    m_operators.clear();
    m_posCurrent = -1;
}

void COperatorButton::ShowFirst() {
    ShowPosition(0);
}

void COperatorButton::ShowNext() {
    const int next = m_posCurrent + 1;
    ShowPosition(next < m_operators.size() ? next : 0);
}

char COperatorButton::GetOperator() const {
    const QString caption = text();
    return caption.isEmpty() ? '\0' : caption.at(0).toLatin1();
}

bool COperatorButton::SetOperator(char chOperator) {
    setText(QString(QLatin1Char(chOperator)));
    return true;
}

void COperatorButton::ShowPosition(int nPosition) {
    // An empty list has nothing to show; the window fills it before showing.
    if (m_operators.isEmpty()) return;
    m_posCurrent = nPosition;
    setText(m_operators.at(nPosition));
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
