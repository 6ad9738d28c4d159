#pragma once
// The printer interface over Qt's QPrinter (CUPS, or a PDF file).
#include "platform/widgets/Dialogs.h"

#include <QPainter>
#include <QPrinter>
#include <memory>

class TQtPrinter : public IPrinter {
public:
    TQtPrinter();
    ~TQtPrinter() override;
    QPrinter& Device() { return FPrinter; }

    int PageWidth() const override;
    int PageHeight() const override;
    void SetOrientation(TOrientation Orientation) override;
    void BeginDoc() override;
    void EndDoc() override;
    void StretchDraw(const QRect& Dest, const QImage& Image) override;
    void SetFontSize(int Points) override;
    void TextOut(int X, int Y, const QString& Text) override;

private:
    QPrinter FPrinter{QPrinter::HighResolution};
    std::unique_ptr<QPainter> FPainter;
};
