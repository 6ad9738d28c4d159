// Picture tiles and strips: the next-picture search, shuffling, and what selecting a tile does in
// each kind of strip.
#include "games/PictureGameWorld.h"
#include "support/QtPrint.h"

#include "platform/widgets/Label.h"

#include <gtest/gtest.h>
#include <QTest>
#include <set>

namespace {

int HeightOf(const TImgPanelCollection& Strip, int I)
{
    return Strip.GetTile(static_cast<unsigned short>(I))->Panel()->height();
}

std::vector<bool> Visibility(const TImgPanelCollection& Strip)
{
    std::vector<bool> out;
    for (int i = 0; i < Strip.Count(); ++i) out.push_back(Strip.GetTile(static_cast<unsigned short>(i))->IsTileVisible());
    return out;
}

void LeftClick(TImgPanel* Tile)
{
    QTest::mouseClick(Tile->ClickLabel(), Qt::LeftButton, {}, QPoint(5, 5));
}

}  // namespace

TEST(PictureStrip, NewTilesAreParkedBlankAndFramedInRed)
{
    TPictureGameWorld w;
    TFirstLImgPanelCollection strip(w.Context);
    w.Attach(strip);
    EXPECT_EQ(strip.SelectedIndex, 0);
    EXPECT_FALSE(strip.Loaded);
    TPictureWorld::Stock(strip, {{"кот", {40, 30}}, {"дом", {40, 30}}});

    ASSERT_EQ(strip.Count(), 2);
    const TImgPanel* tile = strip.GetTile(0);
    EXPECT_EQ(tile->Panel()->parentWidget(), w.SourcePanel);
    EXPECT_EQ(tile->Panel()->geometry(), QRect(20, 100, 60, 40));
    EXPECT_EQ(tile->Panel()->Color(), QColor(0xFF, 0, 0));
    EXPECT_EQ(tile->Image()->geometry(), QRect(3, 4, 54, 32));
    EXPECT_TRUE(tile->Image()->Stretch());
    EXPECT_FALSE(tile->Image()->Proportional());
    EXPECT_EQ(tile->ClickLabel()->geometry(), QRect(1, 1, 58, 38));  // inside the bevel
    EXPECT_TRUE(tile->Image()->Picture().isNull());
    EXPECT_TRUE(tile->Name.empty());
    EXPECT_THROW(strip.GetTile(2), EListError);

    // Making the tiles again replaces them: one tile per picture, the old widgets gone.
    strip.CreateTiles();
    EXPECT_EQ(w.SourcePanel->findChildren<TPanel*>(QString(), Qt::FindDirectChildrenOnly).size(), 2);
    strip.Clear();
    EXPECT_TRUE(w.SourcePanel->findChildren<TPanel*>().isEmpty());
}

TEST(PictureStrip, FilledTilesTakeTheHeightOfTheirPictureAtTheirWidth)
{
    TPictureGameWorld w;
    TFirstLImgPanelCollection strip(w.Context);
    w.Attach(strip);
    TPictureWorld::Stock(strip, {{"а", {400, 300}}, {"б", {300, 400}}, {"в", {}}, {"г", {50, 210}}});
    auto box = w.Box(217);
    strip.PlaceInScrollBox(box.get());
    strip.FillTiles();

    EXPECT_EQ(HeightOf(strip, 0), 162);
    EXPECT_EQ(HeightOf(strip, 1), 289);
    EXPECT_EQ(HeightOf(strip, 2), 40);  // a picture of width 0 leaves the tile as it was
    EXPECT_EQ(HeightOf(strip, 3), 911);
    EXPECT_EQ(strip.GetTile(0)->Panel()->width(), 217);
    EXPECT_EQ(strip.GetTile(0)->Image()->geometry(), QRect(3, 4, 211, 154));
    // Stacked top to bottom in index order.
    EXPECT_EQ(strip.GetTile(1)->Panel()->y(), 162);
    EXPECT_EQ(strip.GetTile(2)->Panel()->y(), 162 + 289);

    TFirstLImgPanelCollection narrow(w.Context);
    w.Attach(narrow);
    TPictureWorld::Stock(narrow, {{"д", {640, 480}}, {"е", {50, 210}}});
    auto box200 = w.Box(200);
    narrow.PlaceInScrollBox(box200.get());
    narrow.FillTiles();
    EXPECT_EQ(HeightOf(narrow, 0), 150);
    EXPECT_EQ(HeightOf(narrow, 1), 839);
}

TEST(PictureStrip, TilesShareThePixelsOfTheirCatalogue)
{
    TPictureGameWorld w;
    TFirstLImgPanelCollection strip(w.Context);
    w.Attach(strip);
    TPictureWorld::Stock(strip, {{"а", {400, 300}}, {"б", {300, 400}}});
    strip.FillTiles();
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(strip.GetTile(i)->Image()->Picture().constBits(), strip.Images->GetImage(i)->Picture.constBits());
    strip.GetTile(0)->PictureClick();
    EXPECT_EQ(w.BigImage->Picture().constBits(), strip.Images->GetImage(0)->Picture.constBits());
}

TEST(PictureStrip, ShuffleShowsEveryTileAgainWithThePictureOfItsIndex)
{
    TPictureGameWorld w;
    TFirstLImgPanelCollection strip(w.Context);
    w.Attach(strip);
    std::vector<std::pair<const char*, QSize>> pictures;
    const char* names[] = {"а1", "а2", "а3", "а4", "а5", "а6", "а7", "а8", "а9", "а10"};
    for (int i = 0; i < 10; ++i) pictures.push_back({names[i], {100 + i, 50}});
    TPictureWorld::Stock(strip, pictures);
    auto box = w.Box(217);
    strip.PlaceInScrollBox(box.get());
    strip.FillTiles();
    strip.GetTile(3)->SetTileVisible(false);
    strip.GetTile(7)->SetTileVisible(false);
    strip.SelectedIndex = -1;

    std::set<AnsiString> seen;
    bool moved = false;
    for (int round = 0; round < 20 && !moved; ++round) {
        strip.Reshuffle();
        EXPECT_EQ(strip.SelectedIndex, 0);
        EXPECT_EQ(Visibility(strip), std::vector<bool>(10, true));
        for (int i = 0; i < 10; ++i) {
            const TImageItem& item = *strip.Images->GetImage(i);
            EXPECT_EQ(strip.GetTile(i)->Name, item.Name);
            EXPECT_EQ(strip.GetTile(i)->Image()->Picture().width(), item.Picture.width());
            seen.insert(item.Name);
            moved = moved || item.Name != Cp(names[i]);
        }
        EXPECT_EQ(seen.size(), 10u);  // the same ten pictures, none lost or doubled
    }
    EXPECT_TRUE(moved) << "twenty shuffles never changed the order";
}

TEST(PictureStrip, NextPictureGoesOnAfterTheCurrentTileAndWrapsOnce)
{
    TPictureGameWorld w;
    TFirstLImgPanelCollection strip(w.Context);
    w.Attach(strip);
    TPictureWorld::Stock(strip, {{"арбуз", {40, 30}}, {"банан", {40, 30}}, {"вишня", {40, 30}}, {"груша", {40, 30}}});
    auto box = w.Box(217);
    strip.PlaceInScrollBox(box.get());
    strip.FillTiles();

    strip.GetTile(2)->PictureClick();  // В current
    EXPECT_EQ(strip.SelectedIndex, 2);
    EXPECT_TRUE(strip.NextPicture());
    EXPECT_EQ(strip.SelectedIndex, 3);
    EXPECT_EQ(w.PicGame->TargetLetter, Cp("г"));
    EXPECT_EQ(Visibility(strip), (std::vector<bool>{true, true, false, true}));

    EXPECT_TRUE(strip.NextPicture());  // past the end: the lowest visible index
    EXPECT_EQ(strip.SelectedIndex, 0);
    EXPECT_EQ(w.PicGame->TargetLetter, Cp("а"));
    EXPECT_EQ(Visibility(strip), (std::vector<bool>{true, true, false, false}));

    EXPECT_TRUE(strip.NextPicture());
    EXPECT_EQ(strip.SelectedIndex, 1);
    EXPECT_FALSE(strip.NextPicture());  // only the current one was left
    EXPECT_EQ(strip.SelectedIndex, -1);
    EXPECT_EQ(Visibility(strip), std::vector<bool>(4, false));

    // No current tile: nothing happens.
    strip.GetTile(0)->SetTileVisible(true);
    EXPECT_FALSE(strip.NextPicture());
    EXPECT_EQ(strip.SelectedIndex, -1);
    EXPECT_EQ(Visibility(strip), (std::vector<bool>{true, false, false, false}));
}

TEST(PictureStrip, FindLetterTileSetsTheTargetFromTheFirstCharacterOfItsName)
{
    TPictureGameWorld w;
    TFirstLImgPanelCollection strip(w.Context);
    w.Attach(strip);
    TPictureWorld::Stock(strip, {{"ёлка", {40, 30}}, {"", {30, 20}}, {"Юла", {40, 30}}});
    strip.FillTiles();

    LeftClick(strip.GetTile(0));
    EXPECT_EQ(w.PicGame->TargetLetter, Cp("ё"));
    EXPECT_EQ(w.BigImage->Picture().size(), QSize(40, 30));
    EXPECT_EQ(strip.SelectedIndex, 0);

    LeftClick(strip.GetTile(1));
    EXPECT_EQ(w.PicGame->TargetLetter, AnsiString());  // no name, no letter to find
    EXPECT_EQ(w.BigImage->Picture().size(), QSize(30, 20));
    EXPECT_EQ(strip.SelectedIndex, 1);

    LeftClick(strip.GetTile(2));
    EXPECT_EQ(w.PicGame->TargetLetter, Cp("Ю"));  // as stored: a capital
}

TEST(PictureStrip, TileSinksWhileAnyButtonIsHeld)
{
    TPictureGameWorld w;
    TFirstLImgPanelCollection strip(w.Context);
    w.Attach(strip);
    TPictureWorld::Stock(strip, {{"кот", {40, 30}}});
    TImgPanel* tile = strip.GetTile(0);
    QTest::mousePress(tile->ClickLabel(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(tile->Panel()->BevelOuter(), TBevel::Lowered);
    QTest::mouseRelease(tile->ClickLabel(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(tile->Panel()->BevelOuter(), TBevel::Raised);
    EXPECT_TRUE(w.PicGame->TargetLetter.empty());  // a right click selects nothing
}

TEST(PictureStrip, MissingLetterTileDrawsAPositionEveryTimeItIsSelected)
{
    TPictureGameWorld w;
    TMakeWImgPanelCollection strip(w.Context);
    w.Attach(strip);
    TPictureWorld::Stock(strip, {{"я", {40, 30}}, {"кошка", {50, 30}}});
    strip.FillTiles();

    LeftClick(strip.GetTile(0));
    EXPECT_EQ(w.MakeW->MissingPos, 1);  // a one-letter word
    EXPECT_EQ(w.MakeW->CurrentWord, Cp("я"));
    EXPECT_EQ(w.MakeW->MissingLetter(), Cp("я"));
    EXPECT_EQ(w.MakeWImage->Picture().size(), QSize(40, 30));
    ASSERT_EQ(w.MakeW->WordRow->Count(), 1);
    EXPECT_EQ(w.MakeW->WordRow->GetTile(0)->Panel->parentWidget(), w.MakeWWordPanel);

    std::set<int> drawn;
    for (int i = 0; i < 200; ++i) {
        strip.GetTile(1)->PictureClick();  // the same thumbnail again: a new draw each time
        const int pos = w.MakeW->MissingPos;
        ASSERT_GE(pos, 1);
        ASSERT_LE(pos, 5);
        drawn.insert(pos);
    }
    EXPECT_EQ(drawn.size(), 5u);
    EXPECT_EQ(strip.SelectedIndex, 1);
    EXPECT_EQ(w.MakeW->CurrentWord, Cp("кошка"));
    EXPECT_EQ(w.MakeW->WordRow->Count(), 5);
}

TEST(PictureStrip, GameStripReadsItsFolderOnceColouringStripEveryTime)
{
    TPictureGameWorld w;
    testpics::WriteJpeg(w.Words() + "кот.jpg", 40, 30);
    testpics::WriteJpeg(w.Words() + "дом.jpg", 30, 40);
    TMakeWImgPanelCollection strip(w.Context);
    w.Attach(strip);
    strip.LoadFromFolder("Pic/Images/Rus/");
    EXPECT_TRUE(strip.Loaded);
    EXPECT_EQ(strip.SelectedIndex, -1);
    ASSERT_EQ(strip.Count(), 2);
    EXPECT_EQ(strip.Images->Folder, "Pic/Images/Rus/");
    EXPECT_EQ(strip.GetTile(0)->Panel()->parentWidget(), w.SourcePanel);

    QDir(w.Dir.path()).mkpath("Pic/Raskraska/Звери");
    const QString theme = w.Dir.path() + "/Pic/Raskraska/Звери";
    testpics::WritePage(theme + "/заяц.flim", testpics::Solid(30, 20, Qt::white));
    testpics::WritePage(theme + "/волк.flim", testpics::Solid(20, 30, Qt::white));
    TRaskrasImgPanelCollection pages(w.Context);
    w.Attach(pages);
    auto box = w.Box(217);
    for (int round = 0; round < 2; ++round) {
        pages.LoadFromFolder(theme);
        pages.PlaceInScrollBox(box.get());
        pages.FillTiles();
        EXPECT_FALSE(pages.Loaded);
        ASSERT_EQ(pages.Count(), 2);
        EXPECT_EQ(pages.GetTile(0)->Name, Cp("волк"));
        EXPECT_EQ(pages.GetTile(1)->Name, Cp("заяц"));
        EXPECT_EQ(box->Content()->findChildren<TPanel*>(QString(), Qt::FindDirectChildrenOnly).size(), 2);
    }
    // A colouring tile only shows its page large.
    pages.SelectedIndex = -1;
    LeftClick(pages.GetTile(1));
    EXPECT_EQ(w.RasBigImage->Picture().size(), QSize(30, 20));
    EXPECT_EQ(pages.SelectedIndex, -1);
    EXPECT_EQ(Visibility(pages), (std::vector<bool>{true, true}));
}
