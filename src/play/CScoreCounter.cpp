#include "play/CScoreCounter.h"

#include <QLabel>

#include "platform/CSoundCues.h"

CScoreCounter::CScoreCounter(ISound& sound) : m_sound(sound) {}

void CScoreCounter::ResetCounts() {
    m_nDisplayed.fill(0);
}

int CScoreCounter::Displayed(int nPlayer) const {
    return nPlayer >= 0 && nPlayer < kPlayers ? m_nDisplayed[std::size_t(nPlayer)] : 0;
}

void CScoreCounter::CountTo(int nPlayer, int nNewScore, bool bSound, QLabel& control) {
    if (nPlayer < 0 || nPlayer >= kPlayers) return;
    int& displayed = m_nDisplayed[std::size_t(nPlayer)];
    while (displayed != nNewScore) {
        const bool up = displayed < nNewScore;
        displayed += up ? 1 : -1;
        control.setText(QString::number(displayed));
        // Painted now: a synchronous tick holds the thread until it ends.
        control.repaint();
        CSoundCues::Play(m_sound, bSound, up ? ECue::Up : ECue::Down);
    }
}
