#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <memory>

#include "shell/CPictureBlock.h"

// A picture shown at its natural size from the control's top-left corner and
// cut off at its edges. A picture that cannot be read leaves the control
// empty after saying so; nothing else on the screen changes.
class CDibStatic : public QWidget {
    Q_OBJECT
public:
    explicit CDibStatic(QWidget* parent = nullptr);
    ~CDibStatic() override;

    // path as the game names it ("data\vexa.bmp"). Returns false, showing
    // nothing, when the file cannot be opened: the caller says which file is
    // missing. Otherwise true, after showing what went wrong if anything:
    // "Error reading DIB file." for a file that is not a readable picture, and
    // "Error creating palette from DIB." when no palette can be made from it.
    bool LoadPicture(const QString& path);

    const CPictureBlock* Picture() const { return m_hDib.get(); }
    const CPicturePalette* Palette() const { return m_pPalette.get(); }

    // Files larger than this are not read: a picture for this control is far smaller.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ReportPaintError();

    std::unique_ptr<CPictureBlock> m_hDib;
    std::unique_ptr<CPicturePalette> m_pPalette;
    QImage m_image;  // m_hDib decoded once per load; painted while there is a palette
    bool m_bPaintErrorShown = false;
};
