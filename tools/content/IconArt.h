#pragma once
// Where the pictures come from: the Fluent Emoji "flat" SVG set when it could be fetched, otherwise
// the colour emoji font installed on the machine. Both draw a picture in colour or as a colouring
// outline (black lines on white, closed regions).
#include "content/ContentData.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <memory>

namespace content {

class IIconArt {
public:
    virtual ~IIconArt() = default;
    // Names the picture source; part of every picture's recipe, so a change of source redraws them.
    virtual QString Id() const = 0;
    virtual bool Has(const TPictureRef& Picture) const = 0;
    // The picture in colour on a transparent ground, as large as fits in Size, centred.
    virtual QImage Colour(const TPictureRef& Picture, QSize Size) const = 0;
    // The picture as thick black outlines around white regions, on white, fitted into Size.
    virtual QImage Outline(const TPictureRef& Picture, QSize Size) const = 0;
};

// The Fluent Emoji "flat" set as packed by Iconify (one JSON file of SVG bodies on a 32 × 32 grid).
class TFluentIconArt : public IIconArt {
public:
    // Reads the icons.json of the package; nothing (with Error) when it cannot be read.
    static std::unique_ptr<TFluentIconArt> FromFile(const QString& IconsJson, QString& Error);

    static inline const QString kId = QStringLiteral("fluent-emoji-flat");
    QString Id() const override { return kId; }
    bool Has(const TPictureRef& Picture) const override;
    QImage Colour(const TPictureRef& Picture, QSize Size) const override;
    QImage Outline(const TPictureRef& Picture, QSize Size) const override;

    // The SVG of an icon, in colour or redrawn for colouring (white fills, black strokes).
    QByteArray Svg(const QString& Icon, bool ForColouring) const;

private:
    struct TIcon {
        QString Body;
        int Width = 32;
        int Height = 32;
    };
    QHash<QString, TIcon> Icons;
    const TIcon* Find(const QString& Icon) const;
};

// The colour emoji font (Noto Color Emoji), for when the SVG set is not at hand.
class TEmojiFontArt : public IIconArt {
public:
    static inline const QString kId = QStringLiteral("noto-color-emoji");
    QString Id() const override { return kId; }
    bool Has(const TPictureRef& Picture) const override;
    QImage Colour(const TPictureRef& Picture, QSize Size) const override;
    QImage Outline(const TPictureRef& Picture, QSize Size) const override;
};

// Black outlines on white from a colour picture, fitted into Size: a line wherever the colour
// changes sharply or the picture meets its transparent ground.
QImage OutlineFromColour(const QImage& Colour, QSize Size);

// Draws Image centred in Size on a transparent ground, scaled to fit with its aspect kept.
QImage FitCentred(const QImage& Image, QSize Size);

}  // namespace content
