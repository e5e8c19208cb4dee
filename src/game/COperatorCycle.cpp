#include "game/COperatorCycle.h"

void COperatorCycle::AddOperator(char chOperator) {
    m_operators.push_back(chOperator);
}

void COperatorCycle::RemoveOperators() {
    m_operators.clear();
    m_posCurrent = -1;
}

void COperatorCycle::ShowFirst() {
    if (m_operators.empty()) return;
    m_posCurrent = 0;
    m_chShown = m_operators.front();
}

void COperatorCycle::ShowNext() {
    if (m_operators.empty()) return;
    const int next = m_posCurrent + 1;
    m_posCurrent = next < static_cast<int>(m_operators.size()) ? next : 0;
    m_chShown = m_operators[static_cast<std::size_t>(m_posCurrent)];
}
