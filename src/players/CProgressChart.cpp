#include "players/CProgressChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

// Grid steps of 1, 2 or 5 times a power of ten, at most this many to the top.
const long long kMaxTicks = 4;
// Share of the panes' height that the scores take; the counts get the rest.
const double kScoreShare = 0.68;
// The least grey level apart from the background that a drawn colour keeps.
const int kMinContrast = 90;
const int kLightnessStep = 8;

struct SScale {
    int top = 1;
    int tick = 1;
};

SScale ScaleFor(int highest) {
    const long long value = std::max(highest, 1);
    for (long long base = 1;; base *= 10) {
        for (const long long step : {base, 2 * base, 5 * base}) {
            const long long ticks = (value + step - 1) / step;
            if (ticks <= kMaxTicks) return {int(ticks * step), int(step)};
        }
    }
}

// The palette's colour, lightened or darkened until its grey stands out from
// the background's: some themes pair a dark link or highlight with a dark base.
QColor Readable(QColor colour, const QColor& background) {
    const int behind = qGray(background.rgb());
    const int step = behind < 128 ? kLightnessStep : -kLightnessStep;
    for (int i = 0;
         i < 256 / kLightnessStep && std::abs(qGray(colour.rgb()) - behind) < kMinContrast; ++i)
        colour = QColor::fromHsl(colour.hslHue(), colour.hslSaturation(),
                                 std::clamp(colour.lightness() + step, 0, 255));
    return colour;
}

}  // namespace

struct CProgressChart::SFrame {
    QRect scores;    // the score pane
    QRect counts;    // the hints and missed moves pane
    int nFirst = 0;  // the first game drawn
    int nShown = 0;
    double step = 0;  // pixels across per game
    SScale score;
    int nCountTop = 1;
    int nPad = 0;
    int nLine = 0;  // a line of text
    // The palette's colours, made to stand out from the background.
    QColor base, text, grid, marks, hints, missed;
};

CProgressChart::CProgressChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Progress chart"));
    SetSummary(CProgressSummary());
}

void CProgressChart::SetSummary(CProgressSummary summary) {
    m_summary = std::move(summary);
    setAccessibleDescription(QString::fromStdString(m_summary.Describe()));
    update();
}

int CProgressChart::Shown() const {
    return Layout().nShown;
}

CProgressChart::SFrame CProgressChart::Layout() const {
    SFrame frame;
    const QFontMetrics metrics = fontMetrics();
    frame.nLine = metrics.height();
    frame.nPad = std::max(3, frame.nLine / 4);
    const int pad = frame.nPad;
    // The widest score label is the top of the scale of the best game.
    const int labels = metrics.horizontalAdvance(QString::number(ScaleFor(m_summary.Best()).top));
    const int left = pad + frame.nLine + labels + pad;
    const int top = pad + frame.nLine * 3 / 2;  // room for the legend and the top label's upper half
    const int bottom = height() - 2 * pad - frame.nLine;
    const int across = std::max(1, width() - pad - left);
    const int panes = std::max(2, bottom - top - frame.nLine);
    const int scoreHeight = int(panes * kScoreShare);
    frame.scores = QRect(left, top, across, scoreHeight);
    frame.counts = QRect(left, top + scoreHeight + frame.nLine, across, panes - scoreHeight);

    const auto& games = m_summary.Games();
    frame.nShown = std::min(int(games.size()), across / kMinStep);
    frame.nFirst = int(games.size()) - frame.nShown;
    frame.step = frame.nShown ? double(across) / frame.nShown : 0.0;
    int highest = 0;
    for (auto game = games.begin() + frame.nFirst; game != games.end(); ++game) {
        highest = std::max(highest, game->nScore);
        frame.nCountTop = std::max(frame.nCountTop, game->nHints + game->nMissed);
    }
    frame.score = ScaleFor(highest);

    const QPalette& colours = palette();
    frame.base = colours.color(QPalette::Base);
    frame.text = colours.color(QPalette::Text);
    frame.grid = colours.color(QPalette::Mid);
    frame.marks = Readable(colours.color(QPalette::Highlight), frame.base);
    const QColor link = colours.color(QPalette::Link);
    frame.hints = Readable(link, frame.base);
    // Missed moves opposite the hints' hue, at the link's lightness, which the
    // theme chose to read on its background.
    frame.missed = Readable(QColor::fromHsl((std::max(link.hslHue(), 0) + 150) % 360,
                                            std::max(link.hslSaturation(), 160), link.lightness()),
                            frame.base);
    return frame;
}

void CProgressChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const SFrame frame = Layout();
    painter.fillRect(rect(), frame.base);
    painter.setPen(frame.grid);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(frame.text);
    if (m_summary.Games().empty()) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("No games played"));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    DrawLegend(painter, frame);
    DrawAxes(painter, frame);
    DrawGames(painter, frame);
}

void CProgressChart::DrawLegend(QPainter& painter, const SFrame& frame) const {
    const int side = frame.nLine / 2;
    int x = frame.nPad;
    const int y = frame.nPad;
    auto item = [&](const QString& text, const QColor& fill, const QColor& edge, bool bRound) {
        const QRect swatch(x, y + (frame.nLine - side) / 2, side, side);
        painter.setPen(edge);
        painter.setBrush(fill);
        if (bRound) painter.drawEllipse(swatch);
        if (!bRound) painter.drawRect(swatch);
        painter.setPen(frame.text);
        x += side + side / 2;
        painter.drawText(x, y, width(), frame.nLine, Qt::AlignLeft | Qt::AlignVCenter, text);
        x += painter.fontMetrics().horizontalAdvance(text) + side * 3 / 2;
    };
    item(QStringLiteral("finished"), frame.marks, frame.marks, true);
    item(QStringLiteral("unfinished"), frame.base, frame.marks, true);
    item(QStringLiteral("hints"), frame.hints, frame.hints, false);
    item(QStringLiteral("missed moves"), frame.missed, frame.missed, false);
}

void CProgressChart::DrawAxes(QPainter& painter, const SFrame& frame) const {
    const QRect& scores = frame.scores;
    const QRect& counts = frame.counts;
    const int labelRight = scores.left() - frame.nPad;
    auto label = [&](int y, int value) {
        painter.setPen(frame.text);
        painter.drawText(QRect(0, y - frame.nLine / 2, labelRight, frame.nLine),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    };
    for (int value = 0; value <= frame.score.top; value += frame.score.tick) {
        const int y = scores.bottom() - value * scores.height() / frame.score.top;
        painter.setPen(QPen(frame.grid, 1, Qt::DotLine));
        painter.drawLine(scores.left(), y, scores.right(), y);
        label(y, value);
    }
    label(counts.top(), frame.nCountTop);
    label(counts.bottom(), 0);
    painter.setPen(frame.text);
    for (const QRect& pane : {scores, counts}) {
        painter.drawLine(pane.bottomLeft(), pane.topLeft());
        painter.drawLine(pane.bottomLeft(), pane.bottomRight());
    }
    // Each pane's title runs up beside its labels.
    for (const auto& [pane, title] :
         {std::pair(scores, QStringLiteral("Score")), std::pair(counts, QStringLiteral("Times"))}) {
        painter.save();
        painter.translate(frame.nPad, pane.center().y());
        painter.rotate(-90);
        painter.drawText(QRect(-pane.height() / 2, 0, pane.height(), frame.nLine), Qt::AlignCenter,
                         title);
        painter.restore();
    }

    const int total = int(m_summary.Games().size());
    const QRect axis(scores.left(), counts.bottom() + frame.nPad, scores.width(), frame.nLine);
    painter.drawText(axis, Qt::AlignLeft, QString::number(frame.nFirst + 1));
    painter.drawText(axis, Qt::AlignRight, QString::number(total));
    painter.drawText(axis, Qt::AlignHCenter,
                     frame.nShown < total
                         ? QStringLiteral("Game (latest %1 of %2)").arg(frame.nShown).arg(total)
                         : QStringLiteral("Game"));
}

void CProgressChart::DrawGames(QPainter& painter, const SFrame& frame) const {
    const auto& games = m_summary.Games();
    const QRect& scores = frame.scores;
    const QRect& counts = frame.counts;
    const double radius = std::clamp(frame.step * 0.3, 2.0, 4.0);
    const double barWidth = std::max(1.0, frame.step * 0.6);
    const double perCount = double(counts.height()) / frame.nCountTop;
    QPolygonF line;
    for (int i = 0; i < frame.nShown; ++i) {
        const auto& game = games[std::size_t(frame.nFirst + i)];
        const double x = scores.left() + (i + 0.5) * frame.step;
        line << QPointF(x,
                        scores.bottom() - double(game.nScore) * scores.height() / frame.score.top);
        const double hintTop = counts.bottom() - game.nHints * perCount;
        painter.fillRect(QRectF(x - barWidth / 2, hintTop, barWidth, game.nHints * perCount),
                         frame.hints);
        painter.fillRect(QRectF(x - barWidth / 2, hintTop - game.nMissed * perCount, barWidth,
                                game.nMissed * perCount),
                         frame.missed);
    }
    painter.setPen(QPen(frame.marks, 1));
    painter.drawPolyline(line);
    for (int i = 0; i < frame.nShown; ++i) {
        const bool bFinished = games[std::size_t(frame.nFirst + i)].bFinished;
        painter.setBrush(bFinished ? frame.marks : frame.base);
        painter.drawEllipse(line[i], radius, radius);
    }
}
