#include "shell/CFaceButton.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>

#include "shell/CSystemColors.h"

namespace {

// Two rings: the light outer one and the one that darkens with the focus.
constexpr int kFrameWidth = 2;
// The caption is centred on the middle of an 89 x 54 board piece, whatever the
// button's size: only pieces show a caption.
constexpr int kCaptionCentreX = 44;
constexpr int kCaptionCentreY = 27;

// The one-pixel outline of a rectangle.
void Ring(QPainter& painter, const QRect& rect, const QColor& color) {
    painter.fillRect(rect.x(), rect.y(), rect.width(), 1, color);
    painter.fillRect(rect.x(), rect.bottom(), rect.width(), 1, color);
    painter.fillRect(rect.x(), rect.y(), 1, rect.height(), color);
    painter.fillRect(rect.right(), rect.y(), 1, rect.height(), color);
}

// The same outline without its four corner pixels, which makes it look rounded.
void RoundedRing(QPainter& painter, const QRect& rect, const QColor& color) {
    painter.fillRect(rect.x() + 1, rect.y(), rect.width() - 2, 1, color);
    painter.fillRect(rect.x() + 1, rect.bottom(), rect.width() - 2, 1, color);
    painter.fillRect(rect.x(), rect.y() + 1, 1, rect.height() - 2, color);
    painter.fillRect(rect.right(), rect.y() + 1, 1, rect.height() - 2, color);
}

}  // namespace

CFaceButton::CFaceButton(QWidget* parent)
    : QPushButton(parent), m_clrFace(CSystemColors::ButtonFace()) {}

void CFaceButton::SetFaceColor(const QColor& color) {
    m_clrFace = color;
    update();
}

void CFaceButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (const QBrush* brush = BackgroundBrush()) painter.fillRect(rect(), *brush);
    QRect face = rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    DrawBevel(painter, face);
    face.adjust(1, 1, -1, -1);
    DrawBevel(painter, face);
    face.adjust(1, 1, -1, -1);
    painter.fillRect(face, m_clrFace);
    DrawFrame(painter, hasFocus());
    if (m_bKeyFocus && hasFocus()) {
        painter.setPen(QPen(CSystemColors::WindowFrame(), 2, Qt::DotLine));
        painter.drawRect(face.adjusted(3, 3, -4, -4));
    }
    DrawCaption(painter);
}

void CFaceButton::focusInEvent(QFocusEvent* event) {
    m_bKeyFocus = event->reason() != Qt::MouseFocusReason;
    QPushButton::focusInEvent(event);
}

void CFaceButton::DrawBevel(QPainter& painter, const QRect& rect) {
    // Shadow along the right and bottom, highlight along the left and top: raised.
    const QColor shadow = CSystemColors::ButtonShadow();
    painter.fillRect(rect.right(), rect.y(), 1, rect.height(), shadow);
    painter.fillRect(rect.x(), rect.bottom(), rect.width(), 1, shadow);
    const QColor highlight = CSystemColors::ButtonHighlight();
    painter.fillRect(rect.x(), rect.y(), 1, rect.height() - 1, highlight);
    painter.fillRect(rect.x(), rect.y(), rect.width() - 1, 1, highlight);
}

void CFaceButton::DrawFrame(QPainter& painter, bool bFocus) const {
    const QRect outer = rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const QColor dark = CSystemColors::WindowFrame();
    Ring(painter, outer, CSystemColors::ButtonFace());
    Ring(painter, inner, bFocus ? dark : CSystemColors::ButtonFace());
    RoundedRing(painter, bFocus ? outer : inner, dark);
}

void CFaceButton::DrawCaption(QPainter& painter) {
    const QString caption = text();
    const QFontMetrics metrics(font());
    // Halving truncates toward zero, as the layout of the pieces was made with.
    const int left = kCaptionCentreX - metrics.horizontalAdvance(caption) / 2;
    const int top = kCaptionCentreY - metrics.height() / 2;
    painter.setPen(CSystemColors::ButtonText());
    painter.setFont(font());
    painter.drawText(left, top + metrics.ascent(), caption);
}
