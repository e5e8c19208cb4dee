#include "CHeadlessGame.h"

#include "game/CCaseTable.h"

CHeadlessGame::CHeadlessGame(IRandom& random, ISound& sound, CPlayerApp& app)
    : m_game(*this, random, sound, app) {}

void CHeadlessGame::Deal() {
    for (int tick = 0; tick < CGameState::kDealTicks; ++tick) m_game.OnTimer();
}

bool CHeadlessGame::Compose(int nCase) {
    const std::optional<CCaseEntry> entry = CCaseTable::Entry(nCase);
    const CEquations& eq = m_game.Equations();
    if (!entry) return false;
    for (int s = CEquations::kSlots - 1; s >= 0; --s) {
        if (eq.m_bSlotEnabled[s]) m_game.OnSlotClicked(s);
    }
    const char ops[2] = {entry->m_cFirst, entry->m_cSecond};
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 4 && eq.Operator(row).GetOperator() != ops[row]; ++i) m_game.OnOperatorClicked(row);
        if (eq.Operator(row).GetOperator() != ops[row]) return false;
    }
    for (int k : entry->m_nSlot) {
        if (!eq.m_bNumberEnabled[k]) return false;
        m_game.OnNumberClicked(k);
    }
    return true;
}
