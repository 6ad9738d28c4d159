#include "progress/KnownLettersPage.h"

#include "platform/widgets/Fonts.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>

namespace {

constexpr int kMargin = 90;
constexpr int kTitleHeight = 260;
constexpr int kGap = 28;       // between two tiles
constexpr int kMaxTile = 420;  // one or two letters stay a tile, not the whole page

// The space the tiles share, under the title.
QRect GridArea()
{
    const int top = kMargin + kTitleHeight + 40;
    return QRect(kMargin, top, kKnownLettersPageSize.width() - 2 * kMargin, kKnownLettersPageSize.height() - kMargin - top);
}

// A light tile and a deep letter of one hue: far apart in grey too.
struct TTileColours {
    QColor Fill;
    QColor Ink;
};
const std::array<TTileColours, 6> kColours{{
    {QColor(0xFF, 0xD9, 0xD9), QColor(0xB7, 0x1C, 0x1C)},
    {QColor(0xFF, 0xE8, 0xC4), QColor(0x9A, 0x3C, 0x00)},
    {QColor(0xFF, 0xF5, 0xB5), QColor(0x5C, 0x43, 0x00)},
    {QColor(0xD6, 0xF5, 0xD1), QColor(0x14, 0x5A, 0x19)},
    {QColor(0xD4, 0xE8, 0xFF), QColor(0x0D, 0x47, 0xA1)},
    {QColor(0xE8, 0xDC, 0xFF), QColor(0x5E, 0x17, 0x8A)},
}};
const QColor kTitleInk(0x22, 0x2B, 0x6B);

// The largest bold font of WindowsName in which each of Texts fits Box.
QFont FittingFont(const QString& WindowsName, const QStringList& Texts, const QSize& Box)
{
    for (int size = Box.height();; size -= std::max(1, size / 20)) {
        const QFont font = fonts::StandIn(WindowsName, size, true);
        const QFontMetrics metrics(font);
        const bool fits = std::all_of(Texts.begin(), Texts.end(), [&](const QString& Text) {
            const QRect ink = metrics.tightBoundingRect(Text);
            return ink.width() <= Box.width() && ink.height() <= Box.height();
        });
        if (fits || size <= 8) return font;
    }
}

// On one line; a long name gets a line of its own, rather than small letters.
void DrawTitle(QPainter& Painter, const QString& Title)
{
    const QRect box = KnownLettersTitleRect();
    const QString face = QStringLiteral("Comic Sans MS");
    QFont font = FittingFont(face, {Title}, QSize(box.width(), box.height() * 55 / 100));
    QString text = Title;
    const qsizetype space = Title.lastIndexOf(QLatin1Char(' '), Title.size() - QStringLiteral(" буквы").size() - 1);
    if (font.pixelSize() < box.height() * 29 / 100 && space > 0) {
        text = Title.left(space) + QLatin1Char('\n') + Title.mid(space + 1);
        font = FittingFont(face, text.split(QLatin1Char('\n')), QSize(box.width(), box.height() * 40 / 100));
    }
    Painter.setFont(font);
    Painter.setPen(kTitleInk);
    Painter.drawText(box, Qt::AlignCenter, text);
}

void DrawTile(QPainter& Painter, const QRect& Cell, const QString& Letter, const TTileColours& Colours)
{
    const int pen = std::max(4, Cell.width() / 40);
    const qreal radius = Cell.width() * 0.16;
    Painter.setPen(QPen(Colours.Ink, pen));
    Painter.setBrush(Colours.Fill);
    Painter.drawRoundedRect(QRectF(Cell).adjusted(pen, pen, -pen, -pen), radius, radius);
    Painter.setPen(Colours.Ink);
    Painter.drawText(Cell, Qt::AlignCenter, Letter);
}

}  // namespace

QRect KnownLettersTitleRect()
{
    return QRect(kMargin, kMargin, kKnownLettersPageSize.width() - 2 * kMargin, kTitleHeight);
}

std::vector<QRect> KnownLettersCells(int Count)
{
    if (Count <= 0) return {};
    const QRect area = GridArea();
    // The column count that gives the largest square tiles.
    int best = 0, columns = 1;
    for (int c = 1; c <= Count; ++c) {
        const int rows = (Count + c - 1) / c;
        const int side = std::min((area.width() - (c - 1) * kGap) / c, (area.height() - (rows - 1) * kGap) / rows);
        if (side > best) best = side, columns = c;
    }
    const int side = std::min(best, kMaxTile);
    const int rows = (Count + columns - 1) / columns;
    const int top = area.top() + (area.height() - rows * side - (rows - 1) * kGap) / 2;
    std::vector<QRect> cells;
    for (int i = 0; i < Count; ++i) {
        const int row = i / columns;
        // The last row, when shorter, is centred under the others.
        const int inRow = std::min(columns, Count - row * columns);
        const int left = area.left() + (area.width() - inRow * side - (inRow - 1) * kGap) / 2;
        cells.emplace_back(left + (i % columns) * (side + kGap), top + row * (side + kGap), side, side);
    }
    return cells;
}

QImage KnownLettersPage(const QString& Title, const QStringList& Letters)
{
    QImage page(kKnownLettersPageSize, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    DrawTitle(p, Title);
    const QRect title = KnownLettersTitleRect();
    // A dotted line under the title, like a school copybook's.
    p.setPen(QPen(kTitleInk, 6, Qt::DotLine, Qt::RoundCap));
    p.drawLine(title.left() + 80, title.bottom() + 10, title.right() - 80, title.bottom() + 10);

    if (Letters.isEmpty()) {
        const QRect area = GridArea();
        const QString soon = QStringLiteral("Скоро здесь будут буквы!");
        p.setFont(FittingFont(QStringLiteral("Comic Sans MS"), {soon}, QSize(area.width() * 80 / 100, 110)));
        p.setPen(kTitleInk);
        p.drawText(area, Qt::AlignCenter, soon);
        return page;
    }
    const std::vector<QRect> cells = KnownLettersCells(static_cast<int>(Letters.size()));
    // Every letter at one size, the widest and the deepest deciding it.
    const QSize ink(cells.front().width() * 74 / 100, cells.front().height() * 70 / 100);
    p.setFont(
        FittingFont(QStringLiteral("Arial Black"), {QStringLiteral("Ж"), QStringLiteral("Щ"), QStringLiteral("Ю")}, ink));
    for (size_t i = 0; i < cells.size(); ++i)
        DrawTile(p, cells[i], Letters[static_cast<qsizetype>(i)], kColours[i % kColours.size()]);
    return page;
}
