#include "content/IconArt.h"

#include <QFile>
#include <QFont>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <cmath>

namespace content {

QImage FitCentred(const QImage& Image, QSize Size)
{
    QImage out(Size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    if (Image.isNull()) return out;
    const QImage scaled = Image.scaled(Size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter p(&out);
    p.drawImage((Size.width() - scaled.width()) / 2, (Size.height() - scaled.height()) / 2, scaled);
    return out;
}

// ---- Fluent Emoji flat --------------------------------------------------------------------------

std::unique_ptr<TFluentIconArt> TFluentIconArt::FromFile(const QString& IconsJson, QString& Error)
{
    QFile file(IconsJson);
    if (!file.open(QIODevice::ReadOnly)) {
        Error = QStringLiteral("cannot read ") + IconsJson;
        return nullptr;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!doc.isObject()) {
        Error = IconsJson + QStringLiteral(": ") + parseError.errorString();
        return nullptr;
    }
    const QJsonObject root = doc.object();
    const int width = root.value(QStringLiteral("width")).toInt(32);
    const int height = root.value(QStringLiteral("height")).toInt(32);
    auto art = std::unique_ptr<TFluentIconArt>(new TFluentIconArt);
    const QJsonObject icons = root.value(QStringLiteral("icons")).toObject();
    for (auto it = icons.begin(); it != icons.end(); ++it) {
        const QJsonObject o = it.value().toObject();
        art->Icons.insert(it.key(),
                          {o.value(QStringLiteral("body")).toString(), o.value(QStringLiteral("width")).toInt(width),
                           o.value(QStringLiteral("height")).toInt(height)});
    }
    // An alias draws its parent icon.
    const QJsonObject aliases = root.value(QStringLiteral("aliases")).toObject();
    for (auto it = aliases.begin(); it != aliases.end(); ++it) {
        const QString parent = it.value().toObject().value(QStringLiteral("parent")).toString();
        if (art->Icons.contains(parent)) art->Icons.insert(it.key(), art->Icons.value(parent));
    }
    if (art->Icons.isEmpty()) {
        Error = IconsJson + QStringLiteral(" holds no icons");
        return nullptr;
    }
    return art;
}

const TFluentIconArt::TIcon* TFluentIconArt::Find(const QString& Icon) const
{
    const auto it = Icons.constFind(Icon);
    return it == Icons.constEnd() ? nullptr : &it.value();
}

bool TFluentIconArt::Has(const TPictureRef& Picture) const
{
    return Find(Picture.Icon) != nullptr;
}

QByteArray TFluentIconArt::Svg(const QString& Icon, bool ForColouring) const
{
    const TIcon* icon = Find(Icon);
    if (!icon) return {};
    QString body = icon->Body;
    QString wrapped;
    if (ForColouring) {
        // Every painted shape becomes white with a black edge; later shapes cover the lines of the
        // shapes beneath them, so what is left are the outlines of the visible regions.
        static const QRegularExpression fill(QStringLiteral(R"(fill="(?!none")[^"]*")"));
        static const QRegularExpression stroke(QStringLiteral(R"(stroke="(?!none")[^"]*")"));
        static const QRegularExpression opacity(QStringLiteral(R"((fill-|stroke-)?opacity="[^"]*")"));
        body.replace(fill, QStringLiteral("fill=\"#fff\""));
        body.replace(stroke, QStringLiteral("stroke=\"#000\""));
        body.replace(opacity, QString());
        wrapped =
            QStringLiteral(R"(<g stroke="#000" stroke-width="%1" stroke-linejoin="round" stroke-linecap="round">%2</g>)")
                .arg(icon->Width / 80.0)
                .arg(body);
    } else {
        wrapped = body;
    }
    return QStringLiteral(
               R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" viewBox="0 0 %1 %2">%3</svg>)")
        .arg(icon->Width)
        .arg(icon->Height)
        .arg(wrapped)
        .toUtf8();
}

namespace {
QImage RenderSvg(const QByteArray& Svg, QSize Size, const QColor& Ground)
{
    QImage out(Size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Ground);
    QSvgRenderer renderer(Svg);
    if (!renderer.isValid()) return out;
    const QSizeF natural = renderer.viewBoxF().size();
    const QSizeF fitted = natural.scaled(QSizeF(Size), Qt::KeepAspectRatio);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(QPointF((Size.width() - fitted.width()) / 2, (Size.height() - fitted.height()) / 2), fitted));
    return out;
}
}  // namespace

QImage TFluentIconArt::Colour(const TPictureRef& Picture, QSize Size) const
{
    return RenderSvg(Svg(Picture.Icon, false), Size, Qt::transparent);
}

QImage TFluentIconArt::Outline(const TPictureRef& Picture, QSize Size) const
{
    return RenderSvg(Svg(Picture.Icon, true), Size, Qt::white);
}

// ---- colour emoji font --------------------------------------------------------------------------

namespace {
// The font's bitmaps are drawn best at their own size (109 px gives the 136 × 128 strike).
constexpr int kEmojiPixelSize = 109;

QImage RenderEmoji(const QString& Text)
{
    QImage canvas(220, 220, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(kEmojiPixelSize);
    {
        QPainter p(&canvas);
        p.setFont(font);
        p.drawText(canvas.rect(), Qt::AlignCenter, Text);
    }
    // Crop to what was drawn.
    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x)
            if (qAlpha(line[x]) > 8) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    }
    if (right < 0) return {};
    return canvas.copy(QRect(QPoint(left, top), QPoint(right, bottom)));
}
}  // namespace

bool TEmojiFontArt::Has(const TPictureRef& Picture) const
{
    return !RenderEmoji(Picture.EmojiText()).isNull();
}

QImage TEmojiFontArt::Colour(const TPictureRef& Picture, QSize Size) const
{
    return FitCentred(RenderEmoji(Picture.EmojiText()), Size);
}

QImage TEmojiFontArt::Outline(const TPictureRef& Picture, QSize Size) const
{
    return OutlineFromColour(RenderEmoji(Picture.EmojiText()), Size);
}

namespace {
// A box blur of a grey image, run twice in each direction (close to a Gaussian): it rounds off the
// steps an enlarged low-resolution mask would otherwise show.
QImage Blurred(QImage Grey, int Radius)
{
    const int w = Grey.width(), h = Grey.height();
    std::vector<int> line;
    for (int pass = 0; pass < 4; ++pass) {
        const bool across = pass % 2 == 0;
        const int length = across ? w : h, count = across ? h : w;
        line.resize(size_t(length));
        for (int i = 0; i < count; ++i) {
            const auto at = [&](int k) -> uchar& { return across ? Grey.scanLine(i)[k] : Grey.scanLine(k)[i]; };
            for (int k = 0; k < length; ++k) line[size_t(k)] = at(k);
            int sum = 0, n = 0;
            for (int k = -Radius; k < length + Radius; ++k) {
                if (k + Radius < length) sum += line[size_t(k + Radius)], ++n;
                if (k - Radius - 1 >= 0) sum -= line[size_t(k - Radius - 1)], --n;
                if (k >= 0 && k < length) at(k) = uchar(sum / std::max(1, n));
            }
        }
    }
    return Grey;
}
}  // namespace

QImage OutlineFromColour(const QImage& Colour, QSize Size)
{
    // Edges are found at the picture's own resolution, where a colour boundary is a sharp step, and
    // the line mask is then enlarged, which also makes the lines thick enough to colour up to.
    const QImage src = Colour.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width(), h = src.height();
    const auto differs = [](QRgb a, QRgb b) {
        const bool solidA = qAlpha(a) >= 128, solidB = qAlpha(b) >= 128;
        if (solidA != solidB) return true;
        if (!solidA) return false;
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 60;
    };
    QImage mask(w + 2, h + 2, QImage::Format_Grayscale8);  // a pixel of margin so edges at the rim stay whole
    mask.fill(0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = src.pixel(x, y);
            const bool edge = (x + 1 < w && differs(c, src.pixel(x + 1, y))) ||
                              (y + 1 < h && differs(c, src.pixel(x, y + 1))) ||
                              ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && qAlpha(c) >= 128);
            if (edge) mask.scanLine(y + 1)[x + 1] = 255;
        }
    QImage big = mask.scaled(Size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    big = Blurred(big, std::max(1, big.width() / std::max(1, w) / 2));
    QImage out(Size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::white);
    const int left = (Size.width() - big.width()) / 2, top = (Size.height() - big.height()) / 2;
    for (int y = 0; y < big.height(); ++y) {
        const uchar* line = big.constScanLine(y);
        QRgb* target = reinterpret_cast<QRgb*>(out.scanLine(y + top));
        for (int x = 0; x < big.width(); ++x)
            if (line[x] > 56) target[x + left] = qRgb(0, 0, 0);
    }
    return out;
}

}  // namespace content
