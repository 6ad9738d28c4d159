#include "platform/widgets/QtPrinter.h"

#include <QFontMetrics>
#include <QPageLayout>

TQtPrinter::TQtPrinter()
{
    // The page is the whole sheet, as the printer's device pixels count it.
    FPrinter.setFullPage(true);
}

TQtPrinter::~TQtPrinter()
{
    if (FPainter) FPainter->end();
}

int TQtPrinter::PageWidth() const
{
    return FPrinter.pageLayout().fullRectPixels(FPrinter.resolution()).width();
}

int TQtPrinter::PageHeight() const
{
    return FPrinter.pageLayout().fullRectPixels(FPrinter.resolution()).height();
}

void TQtPrinter::SetOrientation(TOrientation Orientation)
{
    FPrinter.setPageOrientation(Orientation == TOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TQtPrinter::BeginDoc()
{
    FPainter = std::make_unique<QPainter>();
    FPainter->begin(&FPrinter);
}

void TQtPrinter::EndDoc()
{
    if (FPainter) FPainter->end();
    FPainter.reset();
}

void TQtPrinter::StretchDraw(const QRect& Dest, const QImage& Image)
{
    if (FPainter && FPainter->isActive()) FPainter->drawImage(Dest, Image);
}

void TQtPrinter::SetFontSize(int Points)
{
    if (!FPainter || !FPainter->isActive()) return;
    QFont f = FPainter->font();
    f.setPointSize(Points);
    FPainter->setFont(f);
}

void TQtPrinter::TextOut(int X, int Y, const QString& Text)
{
    if (!FPainter || !FPainter->isActive()) return;
    // The text's top edge at Y: QPainter draws from the baseline.
    FPainter->drawText(X, Y + QFontMetrics(FPainter->font(), &FPrinter).ascent(), Text);
}
