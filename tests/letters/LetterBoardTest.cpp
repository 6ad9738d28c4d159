#include "letters/LetterPanelCollection.h"

#include "letters/LetterFixture.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/ScrollBox.h"
#include "support/QtPrint.h"

#include <QFile>
#include <QLabel>
#include <QTest>
#include <set>

namespace {

// A board of plain tiles with the examination's 6 × 6 grid: the layouts treat every board alike.
class TPlainBoard : public TRusLetterPanelCollection {
public:
    explicit TPlainBoard(TAppContext& Context) : TRusLetterPanelCollection(Context, TItemClass::Of<TLetterPanel>())
    {
        ExamColumns = 6;
        ExamRows = 6;
    }
};

// A container of the base size for the board under test.
template <class T = QWidget>
std::unique_ptr<T> Container(TLetterWorld& w, int Width, int Height)
{
    auto box = std::make_unique<T>(w.Window.get());
    box->resize(Width, Height);
    return box;
}

QString CaptionOf(const TRusLetterPanelCollection& Board, int I)
{
    return Board.GetTile(static_cast<unsigned short>(I))->LetterLabel->text();
}

QString UpperOf(const TRusLetterPanelCollection& Board, int I)
{
    return cp1251::ToUnicode(cp1251::LetterString(Board.Letters->GetLetter(static_cast<unsigned short>(I))->UpperLetter));
}

}  // namespace

TEST(LetterBoard, StartsEmptyAndNotBuiltForEitherMode)
{
    TLetterWorld w;
    TRusSndLetterPanelCollection board(w.Context);
    EXPECT_EQ(board.Count(), 0);
    EXPECT_EQ(board.Letters->Count(), 0);
    EXPECT_EQ(board.BuiltMode, 0);
    EXPECT_FALSE(board.IsCurrentMode());
    w.Context.Settings.LetterSetMode = lsSounds;
    EXPECT_FALSE(board.IsCurrentMode());
    EXPECT_THROW(board.GetTile(0), EListError);
}

TEST(LetterBoard, RebuildMakesOneHiddenTilePerLetterOfTheCurrentMode)
{
    TLetterWorld w;
    TRusSndLetterPanelCollection board(w.Context);
    board.Rebuild();
    EXPECT_EQ(board.Count(), 33);
    EXPECT_EQ(board.TileStyle, TRusLetterPanelCollection::tsPictures);
    EXPECT_EQ(board.BuiltMode, lsNames);
    EXPECT_TRUE(board.IsCurrentMode());
    for (int i = 0; i < 33; ++i) {
        const TLetterPanel* tile = board.GetTile(static_cast<unsigned short>(i));
        EXPECT_EQ(tile->Panel->parentWidget(), w.SourcePanel);
        EXPECT_EQ(tile->Panel->geometry(), QRect(20, 10, 60, 40));
        EXPECT_EQ(tile->LetterLabel->text(), QString()) << "captions come with the fill step";
    }
    EXPECT_EQ(board.GetTile(0)->Image->geometry(), QRect(2, 2, 56, 36));
    EXPECT_THROW(board.GetTile(33), EListError);

    // The other mode: new letters and new tiles; the old tiles' widgets are gone.
    w.Context.Settings.LetterSetMode = lsSounds;
    EXPECT_FALSE(board.IsCurrentMode());
    board.Rebuild();
    EXPECT_EQ(board.Count(), 31);
    EXPECT_EQ(board.BuiltMode, lsSounds);
    EXPECT_EQ(w.SourcePanel->findChildren<TPanel*>(QString(), Qt::FindDirectChildrenOnly).size(), 31);
}

TEST(LetterBoard, DestroyingABoardFreesItsTilesWidgets)
{
    TLetterWorld w;
    {
        TPlainBoard board(w.Context);
        board.Rebuild();
        EXPECT_EQ(w.SourcePanel->children().size(), 33);
    }
    EXPECT_EQ(w.SourcePanel->children().size(), 0);
}

TEST(LetterBoardLayout, GridAtTheBaseSizeGivesCellsOf182By111)
{
    TLetterWorld w;
    TRusSndLetterPanelCollection board(w.Context);
    auto box = Container<TScrollBox>(w, 1099, 672);
    board.Rebuild();
    board.LayoutGrid(box.get());
    ASSERT_EQ(board.Count(), 33);
    for (int i = 0; i < 33; ++i) {
        const TLetterPanel* tile = board.GetTile(static_cast<unsigned short>(i));
        EXPECT_EQ(tile->Panel->parentWidget(), box->Content());
        EXPECT_EQ(tile->Panel->geometry(), QRect((i % 6) * 182, (i / 6) * 111, 182, 111)) << i;
        EXPECT_FALSE(tile->Panel->isHidden());
        EXPECT_EQ(tile->LetterLabel->text(), UpperOf(board, i)) << "alphabet order";
    }
    const TLetterPanel* ya = board.GetTile(32);
    EXPECT_EQ(ya->LetterLabel->text(), QString("Я"));
    EXPECT_EQ(ya->Panel->geometry().topLeft(), QPoint(364, 555)) << "Э, Ю, Я fill the sixth row";
    EXPECT_EQ(ya->LetterLabel->geometry(), QRect(0, 35, 182, 40));
    EXPECT_EQ(ya->Image->geometry(), QRect(2, 2, 178, 107)) << "the picture keeps its 2-pixel margin";
    EXPECT_EQ(ya->ClickLabel->geometry(), QRect(1, 1, 180, 109)) << "fills the panel inside its bevel";
}

TEST(LetterBoardLayout, SoundsGridLeavesYaAloneInTheSixthRow)
{
    TLetterWorld w;
    w.Context.Settings.LetterSetMode = lsSounds;
    TRusSndLetterPanelCollection board(w.Context);
    auto box = Container<TScrollBox>(w, 1099, 672);
    board.Rebuild();
    board.LayoutGrid(box.get());
    ASSERT_EQ(board.Count(), 31);
    std::set<int> sixthRow;
    for (int i = 0; i < 31; ++i)
        if (board.GetTile(static_cast<unsigned short>(i))->Panel->y() == 5 * 111) sixthRow.insert(i);
    EXPECT_EQ(sixthRow, std::set<int>{30});
    EXPECT_EQ(CaptionOf(board, 30), QString("Я"));
    for (int i = 0; i < 31; ++i) {
        EXPECT_NE(CaptionOf(board, i), QString("Ъ"));
        EXPECT_NE(CaptionOf(board, i), QString("Ь"));
    }
}

TEST(LetterBoardLayout, CellSizesTruncateTowardZero)
{
    TLetterWorld w;
    TPlainBoard board(w.Context);
    auto box = Container<TScrollBox>(w, 700, 500);  // (696 / 6, 496 / 6) = (116, 82.67)
    board.Rebuild();
    board.LayoutShuffledGrid(box.get());
    const TLetterPanel* t = board.GetTile(7);
    EXPECT_EQ(t->Panel->geometry(), QRect(116, 82, 116, 82));
    EXPECT_EQ(t->LetterLabel->geometry(), QRect(0, 28, 116, 25)) << "(82 - 25) / 2 = 28.5";
}

TEST(LetterBoardLayout, TwoRowsOffsetTheSecondRowByHalfACellAndShowCaptionsOnly)
{
    TLetterWorld w;
    w.WritePicture(code::a, Qt::red);
    TPlainBoard board(w.Context);
    auto strip = Container(w, 858, 70);
    board.Rebuild();
    board.LayoutTwoRows(strip.get());
    EXPECT_EQ(board.TileStyle, TRusLetterPanelCollection::tsCaptions);
    EXPECT_EQ(board.GetTile(0)->Panel->geometry(), QRect(0, 0, 50, 35));
    EXPECT_EQ(board.GetTile(16)->Panel->geometry(), QRect(800, 0, 50, 35));
    EXPECT_EQ(board.GetTile(17)->Panel->geometry(), QRect(25, 35, 50, 35));
    EXPECT_EQ(CaptionOf(board, 17), QString("Р"));
    EXPECT_EQ(board.GetTile(32)->Panel->geometry(), QRect(775, 35, 50, 35));
    EXPECT_EQ(board.GetTile(32)->LetterLabel->geometry(), QRect(0, 5, 50, 25));
    EXPECT_TRUE(board.GetTile(0)->Image->Picture().isNull()) << "а has a picture, but this board shows captions";
}

TEST(LetterBoardLayout, TwoRowsOnAShortBoardIsAListError)
{
    TLetterWorld w;
    w.Context.Settings.LetterSetMode = lsSounds;
    TPlainBoard board(w.Context);
    auto strip = Container(w, 858, 70);
    board.Rebuild();
    EXPECT_THROW(board.LayoutTwoRows(strip.get()), EListError);
}

TEST(LetterBoardLayout, RowPlacesFortyPixelCellsWhateverThePanelSize)
{
    TLetterWorld w;
    TPlainBoard row(w.Context);
    auto panel = Container(w, 100, 30);
    for (unsigned char c : {code::a, code::b, code::ya}) {
        TLetter* l = row.Letters->AddLetter();
        l->LowerLetter = c;
        l->UpperLetter = static_cast<unsigned char>(c == code::ya ? code::YA : c - 0x20);
    }
    row.Letters->AddLetter();  // the hidden letter: zeroed
    row.CreateTiles();
    row.TileStyle = TRusLetterPanelCollection::tsCaptions;
    row.FillTiles();
    row.LayoutRow(panel.get());
    ASSERT_EQ(row.Count(), 4);
    for (int i = 0; i < 4; ++i) {
        const TLetterPanel* t = row.GetTile(static_cast<unsigned short>(i));
        EXPECT_EQ(t->Panel->geometry(), QRect(20 + i * 40, 10, 40, 40)) << i;
        EXPECT_EQ(t->LetterLabel->geometry(), QRect(0, 5, 40, 30));
    }
    EXPECT_EQ(CaptionOf(row, 1), QString("Б"));
    EXPECT_EQ(CaptionOf(row, 3), QString()) << "a zeroed letter has no caption";

    // The hidden letter's cell still sinks when pressed, and a click does nothing else.
    QWidget* click = row.GetTile(3)->ClickLabel;
    QTest::mousePress(click, Qt::LeftButton);
    EXPECT_TRUE(row.GetTile(3)->Panel->BevelOuter() == TBevel::Lowered);
    QTest::mouseRelease(click, Qt::LeftButton);
    EXPECT_FALSE(row.GetTile(3)->Panel->BevelOuter() == TBevel::Lowered);
    EXPECT_TRUE(w.Speech.Calls.empty());
}

TEST(LetterBoardFill, TilesShareTheCataloguesPicturesAndMissingOnesShowTheCaption)
{
    TLetterWorld w;
    w.WritePicture(code::a, Qt::red);
    w.WritePicture(code::yo, Qt::blue);
    TRusSndLetterPanelCollection board(w.Context);
    auto box = Container<TScrollBox>(w, 1099, 672);
    board.Rebuild();
    board.LayoutGrid(box.get());
    const TLetter& a = *board.Letters->GetLetter(0);
    const QImage shown = board.GetTile(0)->Image->Picture();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.constBits(), a.Picture.constBits()) << "a fill copies no pixels";
    EXPECT_EQ(board.GetTile(6)->Image->Picture().size(), QSize(40, 30));
    EXPECT_TRUE(board.GetTile(1)->Image->Picture().isNull());
    EXPECT_EQ(CaptionOf(board, 1), QString("Б"));
    EXPECT_EQ(board.GetTile(1)->LetterLabel->font().family(), fonts::StandIn("Arial", 40).family());

    // What shows on screen: the picture over the caption where there is one, the caption elsewhere.
    const QImage screen = box->grab().toImage();
    const QRgb onA = screen.pixel(2 + 91, 2 + 55), onB = screen.pixel(2 + 182 + 20, 2 + 15);
    EXPECT_TRUE(qRed(onA) > 200 && qGreen(onA) < 60) << "а's red picture";
    EXPECT_TRUE(qGreen(onB) > 150) << "Б has no picture: the panel and its caption show";
}

TEST(LetterBoardShuffle, TileIShowsAndSpeaksTheLetterNowAtIndexI)
{
    TLetterWorld w;
    for (unsigned char c = 0xE0; c <= 0xE5; ++c) w.WritePicture(c, QColor(c, 0, 0));
    TRusSndLetterPanelCollection board(w.Context);
    auto box = Container<TScrollBox>(w, 1099, 672);
    board.Rebuild();
    board.LayoutGrid(box.get());
    std::vector<TLetterPanel*> tiles;
    std::vector<TLetter*> letters;
    for (int i = 0; i < 33; ++i) {
        tiles.push_back(board.GetTile(static_cast<unsigned short>(i)));
        letters.push_back(board.Letters->GetLetter(static_cast<unsigned short>(i)));
    }
    bool moved = false;
    for (int run = 0; run < 10 && !moved; ++run) {
        board.Shuffle();
        for (int i = 0; i < 33 && !moved; ++i)
            moved = board.Letters->GetLetter(static_cast<unsigned short>(i))->LowerLetter !=
                    (i == 6 ? code::yo : (i < 6 ? 0xE0 + i : 0xE0 + i - 1));
    }
    ASSERT_TRUE(moved);
    ASSERT_EQ(board.Count(), 33);
    std::set<QString> captions;
    for (int i = 0; i < 33; ++i) {
        const auto idx = static_cast<unsigned short>(i);
        EXPECT_EQ(board.GetTile(idx), tiles[static_cast<size_t>(i)]) << "tiles stay";
        EXPECT_EQ(board.Letters->GetLetter(idx), letters[static_cast<size_t>(i)]) << "letter objects stay";
        EXPECT_EQ(CaptionOf(board, i), UpperOf(board, i));
        EXPECT_EQ(board.GetTile(idx)->Image->Picture().constBits(), board.Letters->GetLetter(idx)->Picture.constBits());
        captions.insert(CaptionOf(board, i));
    }
    EXPECT_EQ(captions.size(), 33u) << "still the whole alphabet";

    // A click on each tile speaks the letter now at its index.
    for (int i = 0; i < 33; ++i) {
        QTest::mouseClick(board.GetTile(static_cast<unsigned short>(i))->ClickLabel, Qt::LeftButton);
        const QString want = cp1251::ToUnicode(board.Letters->GetLetter(static_cast<unsigned short>(i))->SoundFileName);
        EXPECT_TRUE(w.Speech.Last().Second.endsWith("/" + want)) << i;
    }
}

TEST(LetterBoardShuffle, AnEmptyBoardStaysEmpty)
{
    TLetterWorld w;
    TPlainBoard board(w.Context);
    board.Shuffle();
    EXPECT_EQ(board.Count(), 0);
    EXPECT_EQ(board.Letters->Count(), 0);
}

TEST(LetterBoardFailure, APictureThatDoesNotDecodeLeavesTheBoardEmptyAndUnbuilt)
{
    TLetterWorld w;
    TRusSndLetterPanelCollection board(w.Context);
    auto box = Container<TScrollBox>(w, 1099, 672);
    board.Rebuild();
    board.LayoutGrid(box.get());
    ASSERT_EQ(board.Count(), 33);

    const QString broken = TLetterCollection::PictureFileName(w.Context.Settings, code::yo);
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("garbage");
    f.close();
    w.Context.Settings.LetterSetMode = lsSounds;
    EXPECT_THROW(board.Rebuild(), EPictureDecodeError);
    EXPECT_EQ(board.Count(), 0) << "no tile may stand for a letter that is gone";
    EXPECT_EQ(board.Letters->Count(), 0);
    EXPECT_EQ(box->Content()->findChildren<TPanel*>(QString(), Qt::FindDirectChildrenOnly).size(), 0);
    // Neither mode counts as built, so choosing the old one again rebuilds too.
    EXPECT_FALSE(board.IsCurrentMode());
    w.Context.Settings.LetterSetMode = lsNames;
    EXPECT_FALSE(board.IsCurrentMode());

    QFile::remove(broken);
    board.Rebuild();
    EXPECT_EQ(board.Count(), 33);
    EXPECT_TRUE(board.IsCurrentMode());
}
