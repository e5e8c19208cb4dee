#pragma once

#include <QColor>
#include <QPushButton>

class QPainter;

// A push button that draws itself: a coloured face inside a raised double
// bevel, framed by a dark outline with rounded corners that thickens while the
// button has the focus. A pressed button looks like a released one. The board
// changes the face colour to make pieces blink.
class CFaceButton : public QPushButton {
    Q_OBJECT
public:
    explicit CFaceButton(QWidget* parent = nullptr);

    void SetFaceColor(const QColor& color);
    QColor FaceColor() const { return m_clrFace; }

    // Blink phase, toggled by the board's timer: on while the highlight colour shows.
    bool m_bBlink = false;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // What sits on the face; by default the caption centred on the middle of a
    // board piece.
    virtual void DrawCaption(QPainter& painter);
    // Filled under everything else; null for none.
    virtual const QBrush* BackgroundBrush() const { return nullptr; }

private:
    static void DrawBevel(QPainter& painter, const QRect& rect);
    void DrawFrame(QPainter& painter, bool bFocus) const;

    QColor m_clrFace;
    // Focus that came from the keyboard is shown plainly, a click's as it always was.
    bool m_bKeyFocus = false;
};
