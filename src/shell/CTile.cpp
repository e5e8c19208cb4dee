#include "shell/CTile.h"

#include <QPainter>

#include "shell/CBitmaps.h"

CTile::CTile(QWidget* parent) : QWidget(parent), m_nBitmap(CBitmaps::TileBlocked) {
    setProperty("controlId", kId);
    setEnabled(false);
    hide();
}

void CTile::SetBitmap(int nBitmap) {
    m_nBitmap = nBitmap;
    update();
}

void CTile::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, CBitmaps::Get(m_nBitmap));
}
