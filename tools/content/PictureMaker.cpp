#include "content/PictureMaker.h"

#include "pictures/ScrambledBitmap.h"
#include "platform/widgets/Fonts.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace content {

QString PictureRecipe()
{
    return QStringLiteral("pictures-v4");
}

namespace {

// Strong colours that carry white letters well (no yellow: the letters must stand out).
const QColor kCardColours[] = {QColor(0xD3, 0x2F, 0x2F), QColor(0x19, 0x76, 0xD2), QColor(0x38, 0x8E, 0x3C),
                               QColor(0x7B, 0x1F, 0xA2), QColor(0xE6, 0x51, 0x00), QColor(0x00, 0x83, 0x8F),
                               QColor(0xC2, 0x18, 0x5B), QColor(0x30, 0x3F, 0x9F)};

// Text as a path, scaled to fit Box and centred in it.
QPainterPath FittedText(const QString& Text, const QFont& Font, const QRectF& Box)
{
    QPainterPath path;
    path.addText(0, 0, Font, Text);
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(Box.width() / bounds.width(), Box.height() / bounds.height());
    QTransform t;
    t.translate(Box.center().x(), Box.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(path);
}

}  // namespace

QImage LetterCard(const TLetterEntry& Letter, int Index, const IIconArt& Art)
{
    const QSize size = kLetterCardSize;
    QImage card(size, QImage::Format_RGB32);
    const QColor ground = kCardColours[Index % std::size(kCardColours)];
    card.fill(ground);
    QPainter p(&card);
    p.setRenderHint(QPainter::Antialiasing);

    // The letters on the left, white with a dark rim, as large as they fit.
    const QPainterPath letters = FittedText(Letter.Capital + Letter.Small,
                                            fonts::StandIn(QStringLiteral("Arial Black"), 200), QRectF(12, 36, 200, 168));
    p.setPen(QPen(ground.darker(250), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(letters);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(letters);

    // The picture on a white disc on the right.
    const QRectF disc(234, 60, 118, 118);
    p.setBrush(Qt::white);
    p.setPen(QPen(ground.darker(160), 4));
    p.drawEllipse(disc);
    const QImage picture = Art.Colour(Letter.CardPicture, QSize(92, 92));
    p.drawImage(disc.center() - QPointF(46, 46), picture);
    return card;
}

QImage WordPicture(const TWordEntry& Word, const IIconArt& Art)
{
    const QSize size = kWordPictureSize;
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    sky.setColorAt(1, QColor(0xE3, 0xF2, 0xFD));
    p.fillRect(image.rect(), sky);
    const int side = 260;
    p.drawImage((size.width() - side) / 2, (size.height() - side) / 2, Art.Colour(Word.Picture, QSize(side, side)));
    return image;
}

QImage ColouringPage(const TColouringPage& Page, const IIconArt& Art)
{
    const QSize size = kColouringPageSize;
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);

    // The word in hollow capitals, to colour in as well.
    const QPainterPath title = FittedText(Page.Word.toUpper(), fonts::StandIn(QStringLiteral("Arial Black"), 200),
                                          QRectF(100, 90, size.width() - 200, 170));
    p.setPen(QPen(Qt::black, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(title);

    const int side = 1060;
    p.drawImage((size.width() - side) / 2, 380, Art.Outline(Page.Picture, QSize(side, side)));
    p.end();
    return page.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::MonoOnly);
}

QByteArray StoredColouringPage(const QImage& Page)
{
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    Page.save(&buffer, "BMP");
    return ScrambleBitmapBytes(bmp);
}

QByteArray JpegBytes(const QImage& Image, int Quality)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    Image.save(&buffer, "JPG", Quality);
    return jpeg;
}

}  // namespace content
