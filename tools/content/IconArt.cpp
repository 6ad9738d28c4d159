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
        art->Icons.insert(it.key(), {o.value(QStringLiteral("body")).toString(),
                                     o.value(QStringLiteral("width")).toInt(width),
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
        wrapped = QStringLiteral(R"(<g stroke="#000" stroke-width="%1" stroke-linejoin="round" stroke-linecap="round">%2</g>)")
                      .arg(icon->Width / 80.0)
                      .arg(body);
    } else {
        wrapped = body;
    }
    return QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" viewBox="0 0 %1 %2">%3</svg>)")
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
    return OutlineFromColour(Colour(Picture, Size), std::max(3, Size.width() / 110));
}

QImage OutlineFromColour(const QImage& Colour, int StrokePx)
{
    const QImage src = Colour.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width(), h = src.height();
    const auto differs = [](QRgb a, QRgb b) {
        const bool solidA = qAlpha(a) >= 128, solidB = qAlpha(b) >= 128;
        if (solidA != solidB) return true;
        if (!solidA) return false;
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 48;
    };
    std::vector<char> edge(size_t(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = src.pixel(x, y);
            if ((x + 1 < w && differs(c, src.pixel(x + 1, y))) || (y + 1 < h && differs(c, src.pixel(x, y + 1))))
                edge[size_t(y) * w + x] = 1;
        }
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::white);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const double r = StrokePx / 2.0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (edge[size_t(y) * w + x]) p.drawEllipse(QPointF(x + 0.5, y + 0.5), r, r);
    return out;
}

}  // namespace content
