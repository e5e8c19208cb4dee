#include "shell/CDibStatic.h"

#include <QFile>
#include <QPainter>
#include <QTimer>
#include <cstdlib>
#include <new>

#include "platform/CModal.h"
#include "platform/WinPath.h"
#include "shell/PictureImage.h"

CDibStatic::CDibStatic(QWidget* parent) : QWidget(parent) {}

CDibStatic::~CDibStatic() = default;

bool CDibStatic::LoadPicture(const QString& path) {
    QFile file(QString::fromStdString(ToLocalPath(path.toStdString())));
    if (!file.open(QIODevice::ReadOnly)) return false;

    m_hDib.reset();
    m_image = QImage();
    m_bPaintErrorShown = false;
    if (file.size() <= kMaxFileBytes) {
        const QByteArray bytes = file.readAll();
        m_hDib = ReadPicture(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                             std::size_t(bytes.size()));
    }
    if (!m_hDib) {
        CModal::Message(this, QStringLiteral("Error reading DIB file."), CModal::AppName());
    }

    m_pPalette.reset();
    try {
        m_pPalette = std::make_unique<CPicturePalette>();
    } catch (const std::bad_alloc&) {
        m_hDib.reset();
        CModal::AppMessage(QStringLiteral("Not enough memory for palette."));
    }
    if (m_pPalette && !BuildPicturePalette(m_hDib.get(), *m_pPalette)) {
        // Without a palette the picture is not drawn.
        m_pPalette.reset();
        CModal::AppMessage(QStringLiteral("Error creating palette from DIB."));
    }
    if (m_hDib && m_pPalette) m_image = PictureToImage(*m_hDib);
    update();
    return true;
}

void CDibStatic::paintEvent(QPaintEvent* /*event*/) {
    if (!m_hDib || !m_pPalette) return;
    const QRect picture(0, 0, PictureWidth(*m_hDib), std::abs(PictureHeight(*m_hDib)));
    QPainter painter(this);
    if (DrawPicture(painter, picture, m_image, picture) == 0) {
        ReportPaintError();
    }
}

void CDibStatic::ReportPaintError() {
    // Once per picture, and after the paint: a message box opened inside a
    // paint would be painted over by the next one.
    if (m_bPaintErrorShown) return;
    m_bPaintErrorShown = true;
    QTimer::singleShot(0, this, [this] {
        CModal::Message(this, QStringLiteral("Error painting DIB"), CModal::AppName());
    });
}
