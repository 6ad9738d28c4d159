#include "slogi/SlogLook.h"

#include "core/Palette.h"
#include "platform/widgets/Fonts.h"

#include <QPainter>
#include <QPainterPath>

namespace slog_look {

QColor ColourOf(syllables::TTileColour Colour)
{
    switch (Colour) {
        case syllables::TTileColour::Vowel:
            return QColor(0xE0, 0x1E, 0x1E);
        case syllables::TTileColour::HardConsonant:
            return palette::DeepBlue;
        case syllables::TTileColour::SoftConsonant:
            return QColor(0x0E, 0x96, 0x32);
    }
    return Qt::black;
}

QString ColouredLetter(const QString& Written, qsizetype Index)
{
    // A final consonant ("мон") is coloured as a consonant at a word's end: hard.
    const QColor colour = ColourOf(syllables::LetterColour(Written, Index));
    return QStringLiteral("<span style=\"color:%1\">%2</span>").arg(colour.name(), Written.at(Index).toUpper());
}

QString ColouredText(const QString& Written)
{
    QString html;
    for (qsizetype i = 0; i < Written.size(); ++i) html += ColouredLetter(Written, i);
    return html;
}

QFont TileFont(int PixelSize)
{
    return fonts::StandIn(QStringLiteral("Arial"), PixelSize, true);
}

namespace {

QColor DisabledFace()
{
    return QColor(0xD8, 0xD8, 0xD8);
}

QImage Transparent(int Width, int Height)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QImage PlayGlyph(int Size)
{
    QImage image = Transparent(Size, Size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = Size;
    const QPointF corners[] = {{0.25 * s, 0.15 * s}, {0.85 * s, 0.50 * s}, {0.25 * s, 0.85 * s}};
    p.setPen(QPen(QColor(0x0A, 0x60, 0x20), std::max(2.0, s / 24), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x20, 0xB0, 0x40));
    p.drawPolygon(corners, 3);
    return image;
}

QImage ArrowGlyph(bool Right, int Size, bool Enabled)
{
    QImage image = Transparent(Size, Size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = Size;
    QPainterPath arrow;
    arrow.moveTo(0.12 * s, 0.38 * s);
    arrow.lineTo(0.52 * s, 0.38 * s);
    arrow.lineTo(0.52 * s, 0.16 * s);
    arrow.lineTo(0.90 * s, 0.50 * s);
    arrow.lineTo(0.52 * s, 0.84 * s);
    arrow.lineTo(0.52 * s, 0.62 * s);
    arrow.lineTo(0.12 * s, 0.62 * s);
    arrow.closeSubpath();
    if (!Right) p.setTransform(QTransform(-1, 0, 0, 1, s, 0));
    p.setPen(QPen(Enabled ? palette::DeepBlue : palette::TileGrey, std::max(2.0, s / 24), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Enabled ? palette::Yellow : DisabledFace());
    p.drawPath(arrow);
    return image;
}

QImage ReadingArc(int Width, int Height, bool Long)
{
    QImage image = Transparent(Width, Height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double pen = Long ? 7 : 6;
    p.setPen(QPen(Long ? palette::DeepBlue : QColor(0x20, 0x20, 0x20), pen, Qt::SolidLine, Qt::RoundCap));
    QPainterPath arc;
    const double left = pen, right = Width - pen, top = pen / 2 + 2, bottom = Height - pen;
    arc.moveTo(left, top);
    arc.cubicTo(left + (right - left) * 0.15, bottom, left + (right - left) * 0.85, bottom, right, top);
    p.drawPath(arc);
    return image;
}

QImage Runner(int Size)
{
    QImage image = Transparent(Size, Size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = Size, edge = std::max(2.0, s / 14);
    p.setPen(QPen(palette::DeepBlue, edge));
    p.setBrush(palette::Yellow);
    p.drawEllipse(QRectF(edge, edge, s - 2 * edge, s - 2 * edge));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::DeepBlue);
    p.drawEllipse(QPointF(0.62 * s, 0.40 * s), s / 13, s / 13);
    p.setPen(QPen(palette::DeepBlue, edge * 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(0.40 * s, 0.38 * s, 0.36 * s, 0.30 * s), -20 * 16, -110 * 16);
    return image;
}

}  // namespace slog_look
