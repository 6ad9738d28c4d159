#pragma once
// A recording printer: a page of a given size in device pixels that keeps every call made on it.
#include "platform/widgets/Dialogs.h"

#include <QStringList>
#include <vector>

class TFakePrinter : public IPrinter {
public:
    struct TText {
        QPoint At;
        QString Text;
        int Points;
    };
    TFakePrinter(int PortraitWidth, int PortraitHeight) : FPortrait(PortraitWidth, PortraitHeight) {}

    TOrientation Orientation = TOrientation::Portrait;
    std::vector<TOrientation> OrientationsSet;
    int Jobs = 0;
    bool InJob = false;
    std::vector<QRect> Drawn;
    std::vector<QSize> DrawnImageSizes;
    std::vector<TText> Texts;
    int FontPoints = 0;

    int PageWidth() const override { return Orientation == TOrientation::Portrait ? FPortrait.width() : FPortrait.height(); }
    int PageHeight() const override
    {
        return Orientation == TOrientation::Portrait ? FPortrait.height() : FPortrait.width();
    }
    void SetOrientation(TOrientation O) override
    {
        Orientation = O;
        OrientationsSet.push_back(O);
    }
    void BeginDoc() override { InJob = true; }
    void EndDoc() override
    {
        InJob = false;
        ++Jobs;
    }
    void StretchDraw(const QRect& Dest, const QImage& Image) override
    {
        Drawn.push_back(Dest);
        DrawnImageSizes.push_back(Image.size());
    }
    void SetFontSize(int Points) override { FontPoints = Points; }
    void TextOut(int X, int Y, const QString& Text) override { Texts.push_back({QPoint(X, Y), Text, FontPoints}); }

private:
    QSize FPortrait;
};
