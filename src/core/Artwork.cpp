#include "core/Artwork.h"

#include "platform/widgets/Fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace artwork {

namespace {

QImage Blank(int Width, int Height)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A wooden letter block with a capital on its face.
void DrawBlock(QPainter& p, const QRectF& Face, const QColor& Color, const QString& Letter, qreal Tilt)
{
    p.save();
    p.translate(Face.center());
    p.rotate(Tilt);
    const QRectF r(-Face.width() / 2, -Face.height() / 2, Face.width(), Face.height());
    p.setPen(QPen(Color.darker(150), 4));
    p.setBrush(Color);
    p.drawRoundedRect(r, 14, 14);
    p.setBrush(Color.lighter(125));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(r.adjusted(10, 10, -10, -10), 10, 10);
    QFont f = fonts::StandIn(QStringLiteral("Arial Black"), int(Face.height() * 0.62));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r.translated(3, 3), Qt::AlignCenter, Letter);
    p.setPen(Color.darker(180));
    p.drawText(r, Qt::AlignCenter, Letter);
    p.restore();
}

}  // namespace

QImage StartScreen()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 420);
    sky.setColorAt(0, QColor(0x7F, 0xD6, 0xFF));
    sky.setColorAt(1, QColor(0xD8, 0xF4, 0xFF));
    p.fillRect(image.rect(), sky);

    // Rainbow
    const QColor bands[] = {QColor(0xFF, 0x4D, 0x4D), QColor(0xFF, 0xA5, 0x2E), QColor(0xFF, 0xE0, 0x3D),
                            QColor(0x5C, 0xD6, 0x5C), QColor(0x4D, 0xA6, 0xFF), QColor(0x8A, 0x5C, 0xE6)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(bands[i], 16, Qt::SolidLine, Qt::FlatCap));
        const int r = 330 - i * 16;
        p.drawArc(QRectF(430 - r, 470 - r, 2 * r, 2 * r), 0, 180 * 16);
    }

    // Sun with rays
    const QPointF sun(110, 100);
    p.setPen(QPen(QColor(0xFF, 0xC4, 0x00), 8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(sun + QPointF(std::cos(a) * 62, std::sin(a) * 62), sun + QPointF(std::cos(a) * 86, std::sin(a) * 86));
    }
    QRadialGradient glow(sun, 52);
    glow.setColorAt(0, QColor(0xFF, 0xF3, 0x80));
    glow.setColorAt(1, QColor(0xFF, 0xC8, 0x00));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, 52, 52);
    p.setPen(QPen(QColor(0x8A, 0x4B, 0x00), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(sun.x() - 26, sun.y() - 18, 52, 44), 200 * 16, 140 * 16);
    p.setBrush(QColor(0x8A, 0x4B, 0x00));
    p.drawEllipse(sun + QPointF(-18, -12), 5, 6);
    p.drawEllipse(sun + QPointF(18, -12), 5, 6);

    // Clouds
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const QPointF c : {QPointF(330, 80), QPointF(610, 120)}) {
        p.drawEllipse(c, 48, 30);
        p.drawEllipse(c + QPointF(-42, 10), 34, 24);
        p.drawEllipse(c + QPointF(44, 10), 36, 24);
    }

    // Hills and grass
    QPainterPath back;
    back.moveTo(0, 440);
    back.cubicTo(180, 360, 320, 380, 470, 430);
    back.cubicTo(600, 470, 700, 380, 800, 400);
    back.lineTo(800, 600);
    back.lineTo(0, 600);
    p.setBrush(QColor(0x7C, 0xD1, 0x4E));
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(0, 500);
    front.cubicTo(220, 440, 520, 520, 800, 470);
    front.lineTo(800, 600);
    front.lineTo(0, 600);
    p.setBrush(QColor(0x4F, 0xB3, 0x3A));
    p.drawPath(front);

    // Flowers
    const QColor petals[] = {QColor(0xFF, 0x6F, 0xA8), Qt::white, QColor(0xFF, 0xD2, 0x3F), QColor(0xB3, 0x7B, 0xFF)};
    for (int i = 0; i < 9; ++i) {
        const QPointF c(40 + i * 90 + (i % 2) * 20, 545 + (i % 3) * 14);
        p.setPen(QPen(QColor(0x2E, 0x7D, 0x32), 3));
        p.drawLine(c, c + QPointF(0, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(petals[i % 4]);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(c + QPointF(std::cos(a) * 9, std::sin(a) * 9), 7, 7);
        }
        p.setBrush(QColor(0xFF, 0xB3, 0x00));
        p.drawEllipse(c, 6, 6);
    }

    // The first three letters as toy blocks
    DrawBlock(p, QRectF(190, 330, 130, 130), QColor(0xFF, 0x5A, 0x5A), QStringLiteral("А"), -8);
    DrawBlock(p, QRectF(340, 300, 130, 130), QColor(0xFF, 0xB0, 0x20), QStringLiteral("Б"), 4);
    DrawBlock(p, QRectF(490, 330, 130, 130), QColor(0x3C, 0x9C, 0xFF), QStringLiteral("В"), 9);
    return image;
}

QImage SampleTile()
{
    QImage image = Blank(106, 69);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // An apple
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE5, 0x39, 0x35));
    p.drawEllipse(QRectF(30, 14, 26, 48));
    p.drawEllipse(QRectF(48, 14, 26, 48));
    p.setPen(QPen(QColor(0x6D, 0x4C, 0x41), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(53, 16), QPointF(56, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x43, 0xA0, 0x47));
    p.drawEllipse(QRectF(57, 3, 16, 8));
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QRectF(36, 22, 8, 14));
    return image;
}

QImage PlayGlyph()
{
    QImage image = Blank(30, 30);
    QPainter p(&image);
    // A raised grey square: white edge above and left, grey below and right.
    p.fillRect(QRect(1, 1, 28, 28), QColor(0xD4, 0xD0, 0xC8));
    p.setPen(Qt::white);
    p.drawLine(1, 1, 28, 1);
    p.drawLine(1, 1, 1, 28);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(28, 2, 28, 28);
    p.drawLine(2, 28, 28, 28);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(9, 6);
    triangle.lineTo(24, 15);
    triangle.lineTo(9, 24);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0x1B, 0x5E, 0x20), 1.5));
    p.setBrush(QColor(0x2E, 0xC4, 0x3A));
    p.drawPath(triangle);
    return image;
}

QImage PrinterGlyph()
{
    QImage image = Blank(38, 38);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 3, 18, 12));  // paper going in
    p.setBrush(QColor(0x90, 0x9A, 0xA8));
    p.drawRoundedRect(QRectF(3, 13, 32, 14), 3, 3);  // body
    p.setBrush(QColor(0x5F, 0x69, 0x78));
    p.drawRect(QRectF(7, 22, 24, 4));  // slot
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 24, 18, 12));  // printed sheet
    p.setPen(QPen(QColor(0x3C, 0x9C, 0xFF), 1.5));
    p.drawLine(QPointF(13, 29), QPointF(25, 29));
    p.drawLine(QPointF(13, 32), QPointF(22, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2E, 0xC4, 0x3A));
    p.drawEllipse(QPointF(30, 17), 1.8, 1.8);
    return image;
}

QImage CloseGlyph()
{
    QImage image = Blank(20, 20);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xFF, 0xFF, 0x00), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(15, 15));
    p.drawLine(QPointF(15, 5), QPointF(5, 15));
    return image;
}

}  // namespace artwork
