#include "pictures/PagePrinting.h"
#include "platform/widgets/QtPrinter.h"
#include "support/FakeDialogs.h"
#include "support/FakePrinter.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace {
QImage Picture(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}
}  // namespace

TEST(PagePrinting, WideKnownPagePrintsLandscapeWithMarginsFromThePortraitWidth)
{
    // A portrait page 4800 wide; the landscape page is then 6800 x 4800.
    TFakePrinter printer(4800, 6800);
    TFakeDialogs dialogs;
    ASSERT_TRUE(PrintColouringPage(Picture(800, 600), dialogs, printer, "line 1", "line 2"));
    EXPECT_EQ(printer.Orientation, IPrinter::TOrientation::Landscape);
    ASSERT_EQ(printer.Drawn.size(), 1u);
    EXPECT_EQ(printer.Drawn[0], QRect(285, 228, 5830, 4344));
    EXPECT_EQ(printer.DrawnImageSizes[0], QSize(800, 600));
    ASSERT_EQ(printer.Texts.size(), 2u);
    EXPECT_EQ(printer.Texts[0].At, QPoint(285, 0));
    EXPECT_EQ(printer.Texts[0].Text, "line 1");
    EXPECT_EQ(printer.Texts[0].Points, 12);
    EXPECT_EQ(printer.Texts[1].At, QPoint(285, 4572));
    EXPECT_EQ(printer.Texts[1].Text, "line 2");
    EXPECT_EQ(printer.Jobs, 1);
    EXPECT_FALSE(printer.InJob);
}

TEST(PagePrinting, MarginsFollowTheOrientationThePrinterHadBefore)
{
    // The printer was left in landscape by an earlier print: the margins come from the wider width.
    TFakePrinter printer(4800, 6800);
    printer.Orientation = IPrinter::TOrientation::Landscape;
    TFakeDialogs dialogs;
    ASSERT_TRUE(PrintColouringPage(Picture(600, 800), dialogs, printer));
    EXPECT_EQ(printer.Orientation, IPrinter::TOrientation::Portrait);
    const int unit = 5 * 6800 / 42;  // 809
    ASSERT_EQ(printer.Drawn.size(), 1u);
    EXPECT_EQ(printer.Drawn[0].topLeft(), QPoint(unit / 2, 2 * unit / 5));
    // 4800/6800 < 600/800 is false (0.7059 < 0.75), so the width fills: fullW 4800, fullH 6400.
    EXPECT_EQ(printer.Drawn[0].size(), QSize(4800 - 2 * (unit / 2), 6400 - 2 * (2 * unit / 5)));
}

TEST(PagePrinting, SquarePicturePrintsPortrait)
{
    TFakePrinter printer(4800, 6800);
    printer.Orientation = IPrinter::TOrientation::Landscape;
    TFakeDialogs dialogs;
    ASSERT_TRUE(PrintColouringPage(Picture(500, 500), dialogs, printer));
    EXPECT_EQ(printer.Orientation, IPrinter::TOrientation::Portrait);
    EXPECT_EQ(printer.Drawn.at(0).width() + 2 * printer.Drawn.at(0).left(), 4800);
}

TEST(PagePrinting, NothingWithoutAPictureOrWhenTheDialogIsCancelled)
{
    TFakePrinter printer(4800, 6800);
    TFakeDialogs dialogs;
    EXPECT_FALSE(PrintColouringPage(QImage(), dialogs, printer));
    EXPECT_TRUE(dialogs.Calls.empty()) << "no dialog for an empty picture";
    dialogs.PrintAnswer = false;
    EXPECT_FALSE(PrintColouringPage(Picture(10, 10), dialogs, printer));
    EXPECT_EQ(dialogs.Calls.size(), 1u);
    EXPECT_EQ(printer.Jobs, 0);
    EXPECT_TRUE(printer.OrientationsSet.empty());
    EXPECT_TRUE(printer.Drawn.empty());
}

TEST(PagePrinting, PrintsAWidePictureToALandscapePdfPage)
{
    QTemporaryDir tmp;
    const QString pdf = tmp.path() + "/page.pdf";
    TQtPrinter printer;
    printer.Device().setOutputFormat(QPrinter::PdfFormat);
    printer.Device().setOutputFileName(pdf);
    printer.Device().setPageSize(QPageSize(QPageSize::A4));
    TFakeDialogs dialogs;  // stands for the user pressing "Print"
    QImage wide = Picture(800, 600);
    wide.fill(Qt::black);
    ASSERT_TRUE(PrintColouringPage(wide, dialogs, printer));
    EXPECT_EQ(printer.Device().pageLayout().orientation(), QPageLayout::Landscape);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // The page's media box is wider than high.
    const qsizetype at = bytes.indexOf("/MediaBox [");
    ASSERT_GE(at, 0);
    const QList<QByteArray> box = bytes.mid(at + 11, bytes.indexOf(']', at) - at - 11).simplified().split(' ');
    ASSERT_EQ(box.size(), 4);
    EXPECT_GT(box[2].toDouble(), box[3].toDouble()) << bytes.mid(at, 40).toStdString();
}
