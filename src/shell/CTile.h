#pragma once

#include <QWidget>

// The tile that takes a cell's place once its piece is taken or blocked: one
// of the tile bitmaps, drawn from its top-left corner and cut off at the cell.
// Tiles never take clicks.
class CTile : public QWidget {
    Q_OBJECT
public:
    static constexpr int kId = 2999;  // every tile has this control id

    // Created hidden and greyed, showing the blocked tile.
    explicit CTile(QWidget* parent);

    void SetBitmap(int nBitmap);
    int Bitmap() const { return m_nBitmap; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_nBitmap;
};
