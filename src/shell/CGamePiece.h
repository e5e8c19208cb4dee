#pragma once

#include "game/CPiece.h"
#include "shell/CFaceButton.h"

class QBrush;

// The button of one board piece. What the piece is (value, owner, counts)
// lives in the board model; the button shows its caption and the board's
// highlight colours.
class CGamePiece : public CFaceButton {
    Q_OBJECT
public:
    static constexpr int kFirstId = 3000;  // control id of board index 0

    // The button takes the caption of piece, the model's entry for this cell;
    // the brushes are the board's and are not owned.
    CGamePiece(int nId, const CPiece& piece, const QBrush* pEnabled, const QBrush* pDisabled,
               QWidget* parent);

    // The control colour: the enabled brush while enabled, the disabled brush
    // while greyed (either may be null).
    const QBrush* ControlBrush() const;

    const int m_nId;

protected:
    const QBrush* BackgroundBrush() const override { return ControlBrush(); }
    // The arrow keys are the board's, which moves in rows and columns.
    void keyPressEvent(QKeyEvent* event) override;

private:
    const QBrush* m_pEnabled;
    const QBrush* m_pDisabled;
};
