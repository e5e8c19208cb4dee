#pragma once

#include <QWidget>

class CGameState;
class QLabel;
class QTreeWidget;

// "All Moves": every piece the last finished turn's numbers could take, with
// its row, column, points and one pair of equations that reaches it, best
// first; the best and the move played are marked. Not modal: it stays open
// beside the game and follows it. While a person composes it lists nothing
// (it would give the move away) and says so.
class CMoveCoachWnd : public QWidget {
    Q_OBJECT
public:
    CMoveCoachWnd(const CGameState& game, QWidget* owner);

    // Shows the game's last finished turn, or why there is nothing to show.
    void Update();
    QTreeWidget* List() const { return m_pList; }
    QLabel* Note() const { return m_pNote; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const CGameState& m_game;
    QLabel* m_pNote;
    QTreeWidget* m_pList;
};
