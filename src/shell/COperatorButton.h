#pragma once

#include <QImage>

#include "shell/CFaceButton.h"

// A face button that shows an operator as a small black glyph. Which operator
// it shows is the rules' choice (their operator cycle); the window sets it.
class COperatorButton : public CFaceButton {
    Q_OBJECT
public:
    static constexpr int kGlyphSide = 14;  // the glyph bitmaps are 14 x 14

    explicit COperatorButton(QWidget* parent = nullptr);

    // The first character of the caption; 0 when the caption is empty.
    char GetOperator() const;
    // Shows chOperator; 0 shows none.
    void SetOperator(char chOperator);

protected:
    void DrawCaption(QPainter& painter) override;

private:
    QImage m_bmpGlyph;  // the glyph drawn last
};
