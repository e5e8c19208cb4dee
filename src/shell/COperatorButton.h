#pragma once

#include <QImage>

#include "game/COperatorCycle.h"

#include "shell/CFaceButton.h"

// A face button that holds the operators a game allows and shows the current
// one as a small black glyph. The window steps it on each click it accepts.
class COperatorButton : public CFaceButton {
    Q_OBJECT
public:
    explicit COperatorButton(QWidget* parent = nullptr);

    void AddOperator(char chOperator);
    void RemoveOperators();
    // Shows the first operator of the list.
    void ShowFirst();
    // Shows the operator after the current list position, wrapping to the first.
    void ShowNext();
    // The first character of the caption; 0 when the caption is empty.
    char GetOperator() const;
    // Shows chOperator without moving the list position, so the next ShowNext
    // continues from where the list was, not from the operator set here.
    bool SetOperator(char chOperator);

protected:
    void DrawCaption(QPainter& painter) override;

private:
    void ShowCycle();

    COperatorCycle m_cycle;
    QImage m_bmpGlyph;  // the glyph drawn last
};
