#include "play/CCommandQueue.h"

#include <algorithm>

void CCommandQueue::Submit(int nKey, std::function<void()> fn) {
    if (m_bClosed) return;
    if (!IsHeld(nKey)) m_held.emplace_back(nKey, std::move(fn));
    if (!IsBusy()) {
        Enter();
        Leave();
    }
}

bool CCommandQueue::IsHeld(int nKey) const {
    return std::any_of(m_held.begin(), m_held.end(),
                       [nKey](const auto& held) { return held.first == nKey; });
}

void CCommandQueue::Leave() {
    if (m_nDepth > 1) {
        --m_nDepth;
        return;
    }
    // Each held command runs as an operation of its own (still at depth 1),
    // so what is typed inside its dialogs waits for it in turn.
    while (!m_held.empty()) {
        std::function<void()> fn = std::move(m_held.front().second);
        m_held.pop_front();
        fn();
    }
    m_nDepth = 0;
}
