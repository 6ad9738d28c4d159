// The colouring book in the main window: the theme menu, a theme's pages, the big page, the wheel
// on the thumbnails and printing.
#include "app/MainForm.h"
#include "core/Vendor.h"
#include "pictures/ImgPanelCollection.h"
#include "pictures/ScrambledBitmap.h"
#include "platform/Cp1251.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/ScrollBox.h"
#include "platform/widgets/SpeedButton.h"
#include "support/FakeDialogs.h"
#include "support/FakePrinter.h"
#include "support/QtPrint.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include "platform/widgets/Label.h"

namespace {

// One colouring page in its stored form: a bitmap of the given size and grey level.
void WritePage(const QString& Path, int W, int H, int Grey)
{
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(QColor(Grey, Grey, Grey));
    QByteArray bmp;
    QBuffer buf(&bmp);
    buf.open(QIODevice::WriteOnly);
    ASSERT_TRUE(img.save(&buf, "BMP"));
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(ScrambleBitmapBytes(bmp));
}

struct Colouring : ::testing::Test {
    QTemporaryDir Dir;
    TFakeDialogs Dialogs;
    TFakePrinter Printer{4800, 6800};
    std::unique_ptr<TTestForm> Form;

    QString Root() const { return Dir.path() + "/Pic/Raskraska/"; }
    void MakeTheme(const QString& Name, int Pages)
    {
        QDir().mkpath(Root() + Name);
        for (int i = 0; i < Pages; ++i)
            WritePage(Root() + Name + QStringLiteral("/стр%1.flim").arg(i), 300 + 10 * i, 200, 10 * i);
    }
    void Start()
    {
        Form = std::make_unique<TTestForm>(&Dialogs, Dir.path() + "/");
        Form->Context().Printer = [p = &Printer]() -> IPrinter* { return p; };
        Form->resize(1280, 800);
        Form->FormActivate();
        Form->WaitForLoading();
    }
    QList<TSpeedButton*> ThemeButtons() const
    {
        return Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly);
    }
    TSpeedButton* ThemeButton(const QString& Caption) const
    {
        for (auto* b : ThemeButtons())
            if (b->Caption() == Caption) return b;
        return nullptr;
    }
    TRaskrasImgPanelCollection& Strip() const { return *Form->Objects.RaskrasImgPanels; }
};

}  // namespace

TEST_F(Colouring, TheThemeMenuHasOneButtonPerThemeInListingOrder)
{
    MakeTheme(QStringLiteral("Цветы"), 1);
    MakeTheme(QStringLiteral("животные"), 1);
    MakeTheme(QStringLiteral("Машины"), 1);
    Start();
    Named<TLabel>(*Form, "MenuLabel")->Press();
    Named<TSpeedButton>(*Form, "SpeedButton7")->click();  // "Раскраска"
    EXPECT_TRUE(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->isVisibleTo(Form.get()));
    EXPECT_TRUE(Named<TPanel>(*Form, "PopupMenuPanel")->isVisibleTo(Form.get())) << "the main menu stays open beside it";
    EXPECT_EQ(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->size(), QSize(140, 114));
    const auto buttons = ThemeButtons();
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_EQ(buttons[0]->Caption(), QStringLiteral("животные"));
    EXPECT_EQ(buttons[1]->Caption(), QStringLiteral("Машины"));
    EXPECT_EQ(buttons[2]->Caption(), QStringLiteral("Цветы"));
    EXPECT_EQ(buttons[1]->geometry(), QRect(3, 39, 134, 34));
    EXPECT_TRUE(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->Caption().isEmpty());

    // Shown again after a new theme appeared: read anew, the earlier buttons gone.
    MakeTheme(QStringLiteral("Пятнадцать букв"), 1);
    Named<QAction>(*Form, "ShowRaskraskaMenu")->trigger();
    EXPECT_EQ(ThemeButtons().size(), 4);
    EXPECT_EQ(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->size(), QSize(210, 151));
    EXPECT_EQ(ThemeButton(QStringLiteral("Цветы"))->width(), 204) << "buttons follow the menu's width";
}

TEST_F(Colouring, NoThemesOrNoColouringFolderGiveTheEmptyMenu)
{
    QDir().mkpath(Dir.path() + "/Pic/Alphabet/Rus");  // content, but no Pic/Raskraska at all
    Start();
    Named<QAction>(*Form, "ShowRaskraskaMenu")->trigger();
    EXPECT_EQ(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->size(), QSize(140, 40));
    EXPECT_EQ(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->Caption(), QStringLiteral("Пусто"));
    EXPECT_TRUE(ThemeButtons().isEmpty());
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(Colouring, ChoosingAThemeShowsItsPagesAndKeepsTheBigPageUntilAThumbnailIsClicked)
{
    MakeTheme(QStringLiteral("Еда"), 3);
    MakeTheme(QStringLiteral("Транспорт"), 2);
    Start();
    Named<QAction>(*Form, "ShowRaskraskaMenu")->trigger();
    ThemeButton(QStringLiteral("Еда"))->click();
    ASSERT_EQ(Strip().Count(), 3);
    EXPECT_EQ(Strip().GetTile(0)->Name, cp1251::FromUnicode(QStringLiteral("стр0")));
    EXPECT_EQ(Strip().GetTile(2)->Name, cp1251::FromUnicode(QStringLiteral("стр2")));
    EXPECT_FALSE(Named<TPanel>(*Form, "TimerPanel")->isVisibleTo(Form.get())) << "the overlay is hidden again";
    EXPECT_FALSE(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->isVisibleTo(Form.get()));
    EXPECT_FALSE(Named<TPanel>(*Form, "PopupMenuPanel")->isVisibleTo(Form.get()));
    EXPECT_EQ(Named<TPanel>(*Form, "GamesPanel")->children().last(), Named<TPanel>(*Form, "RulesPanel"))
        << "colouring rules over the screen";
    EXPECT_TRUE(Named<TImage>(*Form, "RasBigImage")->Picture().isNull());

    Strip().GetTile(1)->PictureClick();
    EXPECT_EQ(Named<TImage>(*Form, "RasBigImage")->Picture().size(), QSize(310, 200));

    // Another theme: new thumbnails, the big page stays until one of them is clicked.
    Named<QAction>(*Form, "ShowRaskraskaMenu")->trigger();
    ThemeButton(QStringLiteral("Транспорт"))->click();
    EXPECT_EQ(Strip().Count(), 2);
    EXPECT_EQ(Named<TImage>(*Form, "RasBigImage")->Picture().size(), QSize(310, 200));
    EXPECT_EQ(
        Named<TScrollBox>(*Form, "RasImgScrollBox")->Content()->findChildren<TPanel*>(Qt::FindDirectChildrenOnly).size(), 2)
        << "the earlier theme's thumbnails are gone";
}

TEST_F(Colouring, TheWheelScrollsTheThumbnailsBothWays)
{
    MakeTheme(QStringLiteral("Еда"), 8);
    Start();
    Form->show();
    Named<QAction>(*Form, "ShowRaskraskaMenu")->trigger();
    ThemeButton(QStringLiteral("Еда"))->click();
    QScrollBar* bar = Named<TScrollBox>(*Form, "RasImgScrollBox")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 200) << "eight pages overflow the strip";
    auto wheel = [&](int delta) {
        // The strip's viewport, where the window system's wheel event ends up after passing up
        // from the thumbnail under the pointer (the thumbnails do not take it).
        QWidget* target = Named<TScrollBox>(*Form, "RasImgScrollBox")->viewport();
        const QPointF at(5, 5);
        QWheelEvent ev(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(target, &ev);
    };
    // A thumbnail leaves the wheel to the strip.
    QWheelEvent onTile(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Strip().GetTile(0)->ClickLabel(), &onTile);
    EXPECT_FALSE(onTile.isAccepted());

    wheel(-120);
    const int once = bar->value();
    EXPECT_GT(once, 0);
    wheel(-120);
    EXPECT_GT(bar->value(), once) << "a second notch goes further down";
    wheel(120);
    wheel(120);
    EXPECT_EQ(bar->value(), 0) << "notches up come back";
}

TEST_F(Colouring, PrintingTakesTheBigPageAndNothingWithoutOne)
{
    MakeTheme(QStringLiteral("Еда"), 1);
    Start();
    Named<TSpeedButton>(*Form, "SpeedButton2")->click();
    EXPECT_EQ(Printer.Jobs, 0);
    EXPECT_TRUE(Dialogs.Calls.empty()) << "no print dialog without a page";

    Named<QAction>(*Form, "ShowRaskraskaMenu")->trigger();
    ThemeButton(QStringLiteral("Еда"))->click();
    Strip().GetTile(0)->PictureClick();
    Named<TSpeedButton>(*Form, "SpeedButton2")->click();
    ASSERT_EQ(Printer.Jobs, 1);
    EXPECT_EQ(Printer.DrawnImageSizes.at(0), QSize(300, 200));
    EXPECT_EQ(Printer.Orientation, IPrinter::TOrientation::Landscape);
    ASSERT_EQ(Printer.Texts.size(), 2u);
    EXPECT_EQ(Printer.Texts[0].Text, kVendorWebAddress);
    EXPECT_EQ(Printer.Texts[1].Text, kPagesCopyrightLine);

    Dialogs.PrintAnswer = false;
    Named<TSpeedButton>(*Form, "SpeedButton2")->click();
    EXPECT_EQ(Printer.Jobs, 1) << "a cancelled dialog prints nothing";
}

TEST_F(Colouring, ABigPageIsShownAtTheScreensSizeAndPrintedWhole)
{
    QDir().mkpath(Root() + "Большие");
    WritePage(Root() + "Большие/лист.flim", 2480, 3508, 200);  // A4 at 300 dpi
    Start();
    Named<QAction>(*Form, "ShowRaskraskaMenu")->trigger();
    ThemeButton(QStringLiteral("Большие"))->click();
    ASSERT_EQ(Strip().Count(), 1);
    const QSize thumbnail = Strip().Images->GetImage(0)->Picture.size();
    EXPECT_LE(thumbnail.width(), Named<TScrollBox>(*Form, "RasImgScrollBox")->width());

    Strip().GetTile(0)->PictureClick();
    const QSize shown = Named<TImage>(*Form, "RasBigImage")->Picture().size();
    EXPECT_LE(shown.width(), Named<TImage>(*Form, "RasBigImage")->width());
    EXPECT_LE(shown.height(), Named<TImage>(*Form, "RasBigImage")->height());
    EXPECT_GE(shown.height(), Named<TImage>(*Form, "RasBigImage")->height() - 1) << "as large as the screen shows it";

    Named<TSpeedButton>(*Form, "SpeedButton2")->click();
    ASSERT_EQ(Printer.Jobs, 1);
    EXPECT_EQ(Printer.DrawnImageSizes.at(0), QSize(2480, 3508)) << "the printer gets every pixel of the page";
    EXPECT_EQ(Printer.Orientation, IPrinter::TOrientation::Portrait);
    EXPECT_EQ(Named<TImage>(*Form, "RasBigImage")->Picture().size(), shown) << "the screen keeps its smaller copy";
}
