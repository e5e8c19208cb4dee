#include "shell/CGamePiece.h"

CGamePiece::CGamePiece(int nId, const CPiece& piece, const QBrush* pEnabled,
                       const QBrush* pDisabled, QWidget* parent)
    : CFaceButton(parent), m_nId(nId), m_pEnabled(pEnabled), m_pDisabled(pDisabled) {
    setText(QString::fromLatin1(piece.m_strCaption.c_str()));
    setProperty("controlId", nId);
}

const QBrush* CGamePiece::ControlBrush() const {
    return isEnabled() ? m_pEnabled : m_pDisabled;
}
