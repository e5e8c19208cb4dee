#include "CAboutPicture.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <limits>
#include <map>

namespace {

// The board's colours: piece faces and their edges, the tiles of blocked,
// just-taken and counted cells, the blink, and the main window's areas.
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kNavy(0, 0, 128);
const QColor kLime(0, 255, 0);
const QColor kGreen(0, 128, 0);
const QColor kLightYellow(255, 255, 128);
const QColor kScoresGreen(0, 153, 51);
const QColor kEquationsGreen(35, 211, 131);
const QColor kShadow(0, 72, 24);

// The positive board with every operator, row by row.
const std::array<int, 35> kValues = {32, 12, 40, 3,  1,  0,  14, 16, 7,  2,  15, 20,
                                     13, 5,  6,  24, 27, 11, 19, 36, 48, 4,  35, 9,
                                     18, 42, 17, 28, 21, 10, 8,  30, 45, 22, 25};
enum ECell { Piece, Blocked, Taken, Counted, Blinking };
// A game some moves in: a few cells blocked at the start, two just taken, two
// counted as neighbours since, and the 14 that 3 + 4 = 7, 7 x 2 = 14 reaches.
const std::map<int, ECell> kCells = {{2, Blocked},  {9, Blocked},  {17, Blocked}, {22, Blocked},
                                     {30, Blocked}, {33, Blocked}, {12, Taken},   {25, Taken},
                                     {18, Counted}, {24, Counted}, {6, Blinking}};

constexpr int kCellWidth = 42;
constexpr int kCellHeight = 30;
constexpr int kBoardLeft = (CAboutPicture::kWidth - 7 * kCellWidth - 1) / 2;
constexpr int kBoardTop = 80;
constexpr int kBoardBottom = kBoardTop + 5 * kCellHeight + 1;

QFont Font(int pixels, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// A tile as the board shows it: one colour with a line along its top and left.
void DrawTile(QPainter& painter, const QRect& cell, const QColor& fill, const QColor& line) {
    painter.fillRect(cell, fill);
    painter.fillRect(cell.x(), cell.y(), cell.width(), 1, line);
    painter.fillRect(cell.x(), cell.y(), 1, cell.height(), line);
}

// A piece: a raised face in a rounded black frame.
void DrawPiece(QPainter& painter, const QRect& cell, const QColor& face, int value) {
    painter.fillRect(cell, kSilver);
    const QRect frame = cell.adjusted(1, 1, -2, -2);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kBlack, 1));
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(frame).translated(0.5, 0.5), 3, 3);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect inner = frame.adjusted(1, 1, 0, 0);
    painter.fillRect(inner.x() + 1, inner.y(), inner.width() - 2, 1, kWhite);
    painter.fillRect(inner.x(), inner.y() + 1, 1, inner.height() - 2, kWhite);
    painter.fillRect(inner.x() + 1, inner.bottom() - 1, inner.width() - 2, 1, kGrey);
    painter.fillRect(inner.right() - 1, inner.y() + 1, 1, inner.height() - 2, kGrey);
    painter.setPen(kBlack);
    painter.setFont(Font(14, true));
    painter.drawText(frame, Qt::AlignCenter, QString::number(value));
}

constexpr int kSlotHeight = 22;
constexpr int kSignWidth = 18;

int SlotWidth(const QString& text) {
    return text.size() > 1 ? 28 : 22;
}

// A slot of the equations: a small raised number box.
int DrawSlot(QPainter& painter, int x, int y, const QString& text) {
    const QRect box(x, y, SlotWidth(text), kSlotHeight);
    painter.fillRect(box, kSilver);
    painter.fillRect(box.x(), box.y(), box.width(), 1, kWhite);
    painter.fillRect(box.x(), box.y(), 1, box.height(), kWhite);
    painter.fillRect(box.x(), box.bottom(), box.width(), 1, kGrey);
    painter.fillRect(box.right(), box.y(), 1, box.height(), kGrey);
    painter.setPen(kBlack);
    painter.setFont(Font(14, true));
    painter.drawText(box, Qt::AlignCenter, text);
    return box.x() + box.width();
}

int DrawSign(QPainter& painter, int x, int y, const QString& sign) {
    painter.setPen(kBlack);
    painter.setFont(Font(15, true));
    painter.drawText(QRect(x, y, kSignWidth, kSlotHeight), Qt::AlignCenter, sign);
    return x + kSignWidth;
}

// Two numbers, an operator and the result: a row of the equations area.
struct SEquation {
    QString a, op, b, result;
    int Width() const { return SlotWidth(a) + SlotWidth(b) + SlotWidth(result) + 2 * kSignWidth; }
    int Draw(QPainter& painter, int x, int y) const {
        x = DrawSlot(painter, x, y, a);
        x = DrawSign(painter, x, y, op);
        x = DrawSlot(painter, x, y, b);
        x = DrawSign(painter, x, y, QStringLiteral("="));
        return DrawSlot(painter, x, y, result);
    }
};

int Distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

QColor Blend(const QColor& a, const QColor& b, int eighths) {
    auto mix = [eighths](int x, int y) { return (x * (8 - eighths) + y * eighths + 4) / 8; };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

}  // namespace

QImage CAboutPicture::Draw() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kScoresGreen);
    DrawTitle(image);
    DrawBoard(image);
    DrawEquations(image);
    QPainter painter(&image);
    painter.setPen(kBlack);
    painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
    return image;
}

void CAboutPicture::DrawTitle(QImage& image) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QRect title(0, 6, kWidth, 50);
    painter.setFont(Font(44, true));
    painter.setPen(kShadow);
    painter.drawText(title.translated(2, 2), Qt::AlignCenter, QStringLiteral("Tallyfold"));
    painter.setPen(kLightYellow);
    painter.drawText(title, Qt::AlignCenter, QStringLiteral("Tallyfold"));
    painter.setFont(Font(12, false));
    painter.setPen(kWhite);
    painter.drawText(QRect(0, 56, kWidth, 18), Qt::AlignCenter,
                     QStringLiteral("an arithmetic board game"));
}

void CAboutPicture::DrawBoard(QImage& image) {
    QPainter painter(&image);
    // Sunk into the window, as the board's frame is.
    const QRect board(kBoardLeft - 2, kBoardTop - 2, 7 * kCellWidth + 5,
                      kBoardBottom - kBoardTop + 4);
    painter.fillRect(board, kGrey);
    painter.fillRect(board.adjusted(1, 1, 0, 0), kWhite);
    painter.fillRect(board.adjusted(1, 1, -1, -1), kBlack);
    for (int index = 0; index < 35; ++index) {
        const QRect cell(kBoardLeft + 1 + kCellWidth * (index % 7),
                         kBoardTop + 1 + kCellHeight * (index / 7), kCellWidth, kCellHeight);
        const auto found = kCells.find(index);
        const ECell kind = found == kCells.end() ? Piece : found->second;
        switch (kind) {
            case Blocked:
                DrawTile(painter, cell, kNavy, kGrey);
                break;
            case Taken:
                DrawTile(painter, cell, kLime, kSilver);
                break;
            case Counted:
                DrawTile(painter, cell, kGreen, kSilver);
                break;
            case Blinking:
                DrawPiece(painter, cell, kGrey, kValues[std::size_t(index)]);
                break;
            case Piece:
                DrawPiece(painter, cell, kSilver, kValues[std::size_t(index)]);
                break;
        }
    }
}

void CAboutPicture::DrawEquations(QImage& image) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF area(kBoardLeft - 2, kBoardBottom + 10, 7 * kCellWidth + 5,
                      kHeight - kBoardBottom - 18);
    painter.setPen(QPen(kBlack, 1));
    painter.setBrush(kEquationsGreen);
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    const SEquation first{"3", "+", "4", "7"};
    const SEquation second{"7", QString(QChar(0xD7)), "2", "14"};
    constexpr int kGap = 36;
    const int y = int(area.center().y()) - kSlotHeight / 2;
    const int x = (kWidth - first.Width() - kGap - second.Width()) / 2;
    second.Draw(painter, first.Draw(painter, x, y) + kGap, y);
}

std::vector<QColor> CAboutPicture::Candidates() {
    const std::vector<QColor> base = {kBlack,       kWhite,          kSilver, kGrey,
                                      kNavy,        kLime,           kGreen,  kLightYellow,
                                      kScoresGreen, kEquationsGreen, kShadow};
    std::vector<QColor> colors = base;
    // Antialiased edges lie between two drawing colours: a quarter, half and
    // three quarters of the way.
    for (std::size_t i = 0; i < base.size(); ++i) {
        for (std::size_t j = i + 1; j < base.size(); ++j) {
            for (int eighths : {2, 4, 6}) colors.push_back(Blend(base[i], base[j], eighths));
        }
    }
    return colors;
}

SPictureImage CAboutPicture::Palettize(const QImage& image) {
    const std::vector<QColor> candidates = Candidates();
    std::map<std::size_t, std::uint32_t> indexOf;  // candidate -> colour-table entry
    SPictureImage picture;
    picture.nHeaderSize = 40;
    picture.nBitsPerPixel = 8;
    picture.nWidth = image.width();
    picture.nHeight = image.height();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            std::size_t best = 0;
            int bestDistance = std::numeric_limits<int>::max();
            for (std::size_t k = 0; k < candidates.size(); ++k) {
                const int distance = Distance(pixel, candidates[k].rgb());
                if (distance < bestDistance) {
                    best = k;
                    bestDistance = distance;
                }
            }
            auto [entry, added] = indexOf.emplace(best, std::uint32_t(picture.colors.size()));
            if (added) picture.colors.push_back(0xFF000000u | (candidates[best].rgb() & 0xFFFFFFu));
            picture.pixels.push_back(entry->second);
        }
    }
    // Only the colours that occur, and said so, so the palette is no larger.
    picture.nColorsUsedField = std::uint32_t(picture.colors.size());
    return picture;
}
