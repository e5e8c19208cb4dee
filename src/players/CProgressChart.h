#pragma once

#include <QWidget>

#include "players/CProgressSummary.h"

class QPainter;

// A player's games in order, drawn from a summary handed in whenever the
// records change: the score of each game above (filled marks finished games,
// hollow ones the others) and, below, a bar of its hints with its missed
// moves on top. Colours come from the palette, so it reads on light and dark
// desktops. Only the latest games that fit kMinStep pixels each are drawn;
// the axis names their numbers. Screen readers get the summary as text.
class CProgressChart : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinStep = 5;  // pixels across per game, at least

    explicit CProgressChart(QWidget* parent = nullptr);

    void SetSummary(CProgressSummary summary);
    const CProgressSummary& Summary() const { return m_summary; }
    // How many of the latest games the chart has room for at its width.
    int Shown() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct SFrame;  // where the panes and axes lie and their colours, worked out per paint
    SFrame Layout() const;
    void DrawLegend(QPainter& painter, const SFrame& frame) const;
    void DrawAxes(QPainter& painter, const SFrame& frame) const;
    void DrawGames(QPainter& painter, const SFrame& frame) const;

    CProgressSummary m_summary;
};
