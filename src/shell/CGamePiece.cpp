#include "shell/CGamePiece.h"

#include <QKeyEvent>

CGamePiece::CGamePiece(int nId, const CPiece& piece, const QBrush* pEnabled,
                       const QBrush* pDisabled, QWidget* parent)
    : CFaceButton(parent), m_nId(nId), m_pEnabled(pEnabled), m_pDisabled(pDisabled) {
    setText(QString::fromLatin1(piece.m_strCaption.c_str()));
    setProperty("controlId", nId);
}

const QBrush* CGamePiece::ControlBrush() const {
    return isEnabled() ? m_pEnabled : m_pDisabled;
}

void CGamePiece::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->ignore();
        return;
    default:
        CFaceButton::keyPressEvent(event);
    }
}
