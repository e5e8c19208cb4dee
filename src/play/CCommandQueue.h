#pragma once

#include <deque>
#include <functional>
#include <utility>

// The one owner of "is an operation running?". Every operation of the window
// that may wait on a box or dialog (a click, a tick, a menu command) runs in a
// scope; a game command typed meanwhile (New Game, Exit, ...) is held and
// carried out, in the order typed, once the outermost operation has returned.
// So a command never runs in the middle of a turn, a take or a dialog that
// still points at the game's players.
class CCommandQueue {
public:
    // Marks an operation for as long as it lives; the last one to end runs
    // what was held meanwhile.
    class CScope {
    public:
        explicit CScope(CCommandQueue& queue) : m_queue(queue) { m_queue.Enter(); }
        ~CScope() { m_queue.Leave(); }
        CScope(const CScope&) = delete;
        CScope& operator=(const CScope&) = delete;

    private:
        CCommandQueue& m_queue;
    };

    bool IsBusy() const { return m_nDepth > 0; }
    // Runs fn at once when no operation runs, inside a scope of its own;
    // otherwise holds it. A command held already under the same key is not
    // held twice.
    void Submit(int nKey, std::function<void()> fn);
    // Whether a command is held under this key.
    bool IsHeld(int nKey) const;
    // The program is ending: nothing held or submitted from now on runs.
    void Close() {
        m_bClosed = true;
        m_held.clear();
    }

    void Enter() { ++m_nDepth; }
    void Leave();

private:
    int m_nDepth = 0;
    bool m_bClosed = false;
    std::deque<std::pair<int, std::function<void()>>> m_held;
};
