// Playing from the keyboard through the main window: whole games by key presses only, the Latin
// keys, Ё and Е, the focus frame's moves, Tab, Enter, Esc, F1 and Ctrl+P, keys left to others, and
// the frame as drawn.
#include "app/KeyboardPlay.h"
#include "games/FormWorld.h"
#include "games/LearningScreen.h"
#include "games/PictureGameForm.h"
#include "platform/widgets/Keyboard.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/RichEdit.h"
#include "support/FakePrinter.h"
#include "support/QtPrint.h"
#include "support/TestForm.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <optional>
#include <set>

namespace {

using TKind = TSpeechCall::TKind;

// One key press and its release, as the window gets them from the keyboard.
void Press(QWidget* Target, int Key, const QString& Text = {}, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
{
    QKeyEvent down(QEvent::KeyPress, Key, Modifiers, Text);
    QApplication::sendEvent(Target, &down);
    QKeyEvent up(QEvent::KeyRelease, Key, Modifiers, Text);
    QApplication::sendEvent(Target, &up);
}

// A letter typed under a Russian layout (UTF-8), as a small or a capital letter.
void Type(QWidget* Target, const QString& Letter, bool Capital = false)
{
    const QString text = Capital ? Letter.toUpper() : Letter.toLower();
    Press(Target, text.at(0).toUpper().unicode(), text);
}

// Whether the window uses a key, pressed on its own.
bool Uses(TTestForm& Form, int Key, Qt::KeyboardModifiers Modifiers, const QString& Text = {})
{
    QKeyEvent down(QEvent::KeyPress, Key, Modifiers, Text);
    return Form.Keyboard().FormKeyDown(&down);
}

// The highest shown child of Parent but Except: what lies on top there.
QWidget* TopChild(QWidget* Parent, QWidget* Except = nullptr)
{
    const QObjectList& children = Parent->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (auto* w = qobject_cast<QWidget*>(*it); w && w != Except && !w->isHidden()) return w;
    return nullptr;
}

// The main window with recording speech and dialogs, the well-done phrase returning to the start
// screen as the program's sound does.
struct TKeys : TFormWorld {
    TKeys()
    {
        Speech.OnWellDone = [this] { Form->StartPanelShowExecute(); };
    }
    void Key(int Key, const QString& Text = {}, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        Press(Form.get(), Key, Text, Modifiers);
    }
    QWidget* Focused() const { return Form->Keyboard().Focused(); }
    bool FrameShown() const { return Form->Keyboard().FrameShown(); }
    bool Shows(QWidget* W) const { return W->isVisibleTo(Form.get()); }
};

// The tile whose letter is this small letter (UTF-8), or nullptr.
TLetterPanel* Tile(const TRusLetterPanelCollection& Board, const QString& Small)
{
    return TFormWorld::TileOf(Board, static_cast<unsigned char>(cp1251::FromUnicode(Small).at(0)));
}

}  // namespace

TEST(KeyboardPlay, AWholeExaminationByKeysFromTheMenuToTheStartScreen)
{
    TKeys w;
    TTestForm& f = *w.Form;
    w.Key(Qt::Key_Escape);
    ASSERT_TRUE(w.Shows(Named<TPanel>(f, "PopupMenuPanel"))) << "Esc opens the menu";
    EXPECT_EQ(w.Focused(), Named<TSpeedButton>(f, "SpeedButton3"));
    EXPECT_TRUE(w.FrameShown());
    for (int n = 0; n < 3; ++n) w.Key(Qt::Key_Down);
    EXPECT_EQ(w.Focused(), Named<TSpeedButton>(f, "SpeedButton6"));
    w.Key(Qt::Key_Return);
    EXPECT_FALSE(w.Shows(Named<TPanel>(f, "PopupMenuPanel")));
    ASSERT_TRUE(w.Shows(Named<TPanel>(f, "GameExamTypePanel")));
    EXPECT_EQ(w.Focused(), Named<TSpeedButton>(f, "SpeedButton8")) << "the chooser's first button";
    w.Key(Qt::Key_Return);
    auto& board = *w.Objects().ExamLetterPanels;
    ASSERT_EQ(board.Count(), 33);
    EXPECT_EQ(w.Focused(), Named<TSpeedButton>(f, "RulesCloseButton")) << "the rules lie over the screen";
    w.Key(Qt::Key_Return);
    EXPECT_FALSE(w.Shows(Named<TPanel>(f, "RulesPanel")));
    EXPECT_EQ(w.Focused(), Named<TImage>(f, "StartExamImage"));

    // Before the start the board takes no letter, as it takes no click.
    w.Key(Qt::Key_F, "f");
    Type(&f, "а");
    EXPECT_TRUE(w.Speech.Calls.empty());
    w.Key(Qt::Key_Space);
    ASSERT_EQ(w.Speech.Count(TKind::Pair), 1) << "the first question";
    EXPECT_EQ(w.Focused(), board.GetTile(0)->Panel) << "the focus goes on to the board";

    TExamGame& game = *w.Objects().ExamGame;
    std::set<AnsiString> asked;
    int wrong = 0;
    for (int n = 0; n < 100 && w.Speech.Count(TKind::WellDone) == 0; ++n) {
        const QString target = cp1251::ToUnicode(game.TargetLetter);
        asked.insert(game.TargetLetter);
        if (n % 4 == 0) {
            const QString other = target == QStringLiteral("ё") ? QStringLiteral("е") : QStringLiteral("ё");
            const int position = game.Position;
            Type(&f, other);
            ++wrong;
            EXPECT_EQ(game.Position, position) << "a wrong key keeps the question";
            EXPECT_EQ(cp1251::ToUnicode(game.TargetLetter), target);
        }
        Type(&f, target, n % 2 == 1);
        if (w.Speech.Count(TKind::WellDone) == 0) {
            EXPECT_EQ(w.Focused(), Tile(board, target)->Panel);
        }
    }
    EXPECT_EQ(asked.size(), 33u);
    EXPECT_EQ(w.Speech.Count(TKind::Praise), 33);
    EXPECT_EQ(w.Speech.Count(TKind::TryAgain), wrong);
    EXPECT_EQ(w.Speech.Last().Kind, TKind::WellDone);
    EXPECT_EQ(TopChild(Named<TPanel>(f, "GamesPanel")), Named<TPanel>(f, "StartPanel"));
    EXPECT_FALSE(w.FrameShown()) << "nothing to focus on the start screen";
}

TEST(KeyboardPlay, AWholeFindTheLetterGameByLatinKeysWithYoApartFromYe)
{
    TPictureGameForm w({"арбуз", "ёлка", "ель", "юла", "щука"});
    w.Speech.OnWellDone = [&w] { w.Form->StartPanelShowExecute(); };
    TTestForm& f = *w.Form;
    auto& game = *w.Objects().PicGameBuffer;
    Press(&f, Qt::Key_Escape);
    Press(&f, Qt::Key_Down);
    ASSERT_EQ(f.Keyboard().Focused(), Named<TSpeedButton>(f, "SpeedButton4"));
    Press(&f, Qt::Key_Return);
    FinishPictureReading(f.Objects);
    ASSERT_EQ(TopChild(Named<TPanel>(f, "GamesPanel"), Named<TPanel>(f, "RulesPanel")), Named<TPanel>(f, "GamePicPanel"));
    ASSERT_TRUE(Named<TPanel>(f, "RulesPanel")->isVisible());
    EXPECT_EQ(f.Keyboard().Focused(), Named<TSpeedButton>(f, "RulesCloseButton"));
    Press(&f, Qt::Key_Escape);
    EXPECT_FALSE(Named<TPanel>(f, "RulesPanel")->isVisible()) << "Esc closes the rules first";
    EXPECT_EQ(f.Keyboard().Focused(), w.Objects().PicLetterPanels->GetTile(0)->Panel);

    // The letters of these words on a US layout: the keys that carry them.
    struct TLatin {
        const char* Letter;
        int Key;
        const char* Text;
    };
    const TLatin keys[] = {{"а", Qt::Key_F, "f"},
                           {"ё", Qt::Key_QuoteLeft, "`"},
                           {"е", Qt::Key_T, "t"},
                           {"ю", Qt::Key_Period, "."},
                           {"щ", Qt::Key_O, "o"}};
    auto keyOf = [&keys](const QString& Letter) {
        for (const TLatin& k : keys)
            if (Letter == QString::fromUtf8(k.Letter)) return k;
        ADD_FAILURE() << "no key for " << Letter.toStdString();
        return keys[0];
    };
    bool sawYo = false;
    for (int n = 0; n < 20 && w.Speech.Count(TKind::WellDone) == 0; ++n) {
        const QString target = cp1251::ToUnicode(game.TargetLetter);
        const int tries = w.Speech.Count(TKind::TryAgain);
        if (target == "ё" || target == "е") {
            const TLatin near = keyOf(target == "ё" ? "е" : "ё");
            Press(&f, near.Key, near.Text);  // Ё and Е are two letters
            EXPECT_EQ(w.Speech.Count(TKind::TryAgain), tries + 1);
            EXPECT_EQ(cp1251::ToUnicode(game.TargetLetter), target) << "the same picture stays";
            sawYo = sawYo || target == "ё";
        }
        const TLatin k = keyOf(target);
        Press(&f, k.Key, QString::fromUtf8(k.Text).toUpper(), Qt::ShiftModifier);
    }
    EXPECT_TRUE(sawYo);
    EXPECT_EQ(w.Speech.Count(TKind::Praise), 5);
    EXPECT_EQ(w.Speech.Last().Kind, TKind::WellDone);
    EXPECT_EQ(TopChild(Named<TPanel>(f, "GamesPanel")), Named<TPanel>(f, "StartPanel"));
}

TEST(KeyboardPlay, ArrowsMoveTheFrameOverTheBoardAndEnterClicksTheTile)
{
    TKeys w;
    TTestForm& f = *w.Form;
    Named<QAction>(f, "SoundLetters")->trigger();
    TFormWorld::Click(Named<TSpeedButton>(f, "LetterrsNamesSpeedButton"));
    auto& board = *w.Objects().SndLetterPanels;
    ASSERT_EQ(board.Count(), 33);
    auto at = [&board](int i) -> QWidget* { return board.GetTile(static_cast<unsigned short>(i))->Panel; };
    Named<QAction>(f, "CloseRulesPanel")->trigger();

    EXPECT_FALSE(w.FrameShown()) << "no frame before the first key";
    w.Key(Qt::Key_Right);
    EXPECT_TRUE(w.FrameShown());
    EXPECT_EQ(w.Focused(), at(0)) << "the first key only shows the frame";
    w.Key(Qt::Key_Left);
    EXPECT_EQ(w.Focused(), at(0)) << "the first tile";
    w.Key(Qt::Key_Up);
    EXPECT_EQ(w.Focused(), at(0)) << "the top row";
    for (int n = 0; n < 5; ++n) w.Key(Qt::Key_Right);
    EXPECT_EQ(w.Focused(), at(5));
    w.Key(Qt::Key_Right);
    EXPECT_EQ(w.Focused(), at(6)) << "on from the end of a row to the next";
    w.Key(Qt::Key_Left);
    for (int n = 0; n < 6; ++n) w.Key(Qt::Key_Down);
    EXPECT_EQ(w.Focused(), at(32)) << "down the last column into the short last row";
    w.Key(Qt::Key_Right);
    EXPECT_EQ(w.Focused(), at(32)) << "the last tile";

    w.Key(Qt::Key_Return);
    ASSERT_EQ(w.Speech.Count(TKind::Pair), 1);
    EXPECT_TRUE(w.Speech.Last().Second.endsWith(QStringLiteral("Буквы/я.mp3")));
    EXPECT_EQ(board.GetTile(32)->Panel->BevelOuter(), TBevel::Lowered) << "the tile looks pressed for a moment";
    EXPECT_TRUE(QTest::qWaitFor([&] { return board.GetTile(32)->Panel->BevelOuter() == TBevel::Raised; }, 2000));

    // A click puts the frame away; the next key brings it back where it was.
    TFormWorld::Click(board.GetTile(1));
    EXPECT_FALSE(w.FrameShown());
    w.Key(Qt::Key_Down);
    EXPECT_TRUE(w.FrameShown());
    EXPECT_EQ(w.Focused(), at(32));

    // The letter keys pick by the letter, wherever the frame is; digits and other keys do nothing.
    Type(&f, "б");
    EXPECT_TRUE(w.Speech.Last().Second.endsWith(QStringLiteral("Буквы/б.mp3")));
    EXPECT_EQ(w.Focused(), at(1));
    const size_t said = w.Speech.Calls.size();
    w.Key(Qt::Key_1, "1");
    w.Key(Qt::Key_Minus, "-");
    w.Key(Qt::Key_F5);
    EXPECT_EQ(w.Speech.Calls.size(), said);
}

TEST(KeyboardPlay, TabGoesRoundTheRegionsAndEnterOnAThumbnailSelectsIt)
{
    TPictureGameForm w({"арбуз", "банан", "вишня"});
    TTestForm& f = *w.Form;
    Named<QAction>(f, "FindLetter")->trigger();
    FinishPictureReading(f.Objects);
    auto& row = *w.Objects().PicLetterPanels;
    auto& strip = *w.Objects().FirstLImgPanels;
    TKeyboardPlay& keys = f.Keyboard();

    Press(&f, Qt::Key_Tab);
    EXPECT_EQ(keys.Focused(), Named<TSpeedButton>(f, "RulesCloseButton"))
        << "the first key only shows the frame, on the rules";
    Press(&f, Qt::Key_Tab);
    EXPECT_EQ(keys.Focused(), row.GetTile(0)->Panel) << "the letters";
    Press(&f, Qt::Key_Tab);
    EXPECT_EQ(keys.Focused(), strip.GetTile(0)->Panel()) << "the strip, at the current picture";
    Press(&f, Qt::Key_Tab);
    EXPECT_EQ(keys.Focused(), Named<QRadioButton>(f, "FemaleVoiceRadioButton")) << "the voice chooser";
    Press(&f, Qt::Key_Tab);
    EXPECT_EQ(keys.Focused(), Named<TSpeedButton>(f, "RulesCloseButton")) << "round to the rules";
    Press(&f, Qt::Key_Return);
    EXPECT_FALSE(Named<TPanel>(f, "RulesPanel")->isVisible());
    EXPECT_EQ(keys.Focused(), row.GetTile(0)->Panel) << "where the screen begins once the rules are gone";
    Press(&f, Qt::Key_Backtab, {}, Qt::ShiftModifier);
    EXPECT_EQ(keys.Focused(), Named<QRadioButton>(f, "FemaleVoiceRadioButton"));
    Press(&f, Qt::Key_Down);
    EXPECT_EQ(keys.Focused(), Named<QRadioButton>(f, "MaleVoiceRadioButton"));
    Press(&f, Qt::Key_Space);
    EXPECT_EQ(f.Context().Settings.VoiceFolder, kMaleVoice);

    Press(&f, Qt::Key_Backtab, {}, Qt::ShiftModifier);
    Press(&f, Qt::Key_Down);
    ASSERT_EQ(keys.Focused(), strip.GetTile(1)->Panel());
    Press(&f, Qt::Key_Return);
    EXPECT_EQ(strip.SelectedIndex, 1);
    EXPECT_EQ(w.Objects().PicGameBuffer->TargetLetter, strip.GetTile(1)->Name.substr(0, 1));
    EXPECT_EQ(Named<TImage>(f, "BigImage")->accessibleName(), cp1251::ToUnicode(strip.GetTile(1)->Name));

    // The letter key takes the focus to its tile; the answered thumbnail goes, the next comes.
    Type(&f, cp1251::ToUnicode(w.Objects().PicGameBuffer->TargetLetter));
    EXPECT_FALSE(strip.GetTile(1)->IsTileVisible());
    EXPECT_EQ(strip.SelectedIndex, 2);
    EXPECT_EQ(keys.Focused(), Tile(row, cp1251::ToUnicode(strip.GetTile(1)->Name.substr(0, 1)))->Panel);
}

TEST(KeyboardPlay, EscF1AndCtrlPOnTheColouringScreen)
{
    TPictureGameForm w({"арбуз"});
    const QString theme = w.Dir.path() + "/Pic/Raskraska/Звери/";
    QDir().mkpath(theme);
    for (int i = 0; i < 3; ++i)
        testpics::WritePage(theme + QString("стр%1.flim").arg(i), testpics::Solid(300 + 50 * i, 200, Qt::gray));
    TFakePrinter printer(4800, 6800);
    TTestForm& f = *w.Form;
    f.Context().Printer = [p = &printer]() -> IPrinter* { return p; };
    TKeyboardPlay& keys = f.Keyboard();

    Press(&f, Qt::Key_P, "\x10", Qt::ControlModifier);
    EXPECT_TRUE(w.Dialogs.Calls.empty()) << "Ctrl+P prints only on the colouring screen";
    Press(&f, Qt::Key_F1);
    EXPECT_FALSE(Named<TPanel>(f, "RulesPanel")->isVisible()) << "no activity, no rules";

    Press(&f, Qt::Key_Escape);
    for (int n = 0; n < 4; ++n) Press(&f, Qt::Key_Down);
    ASSERT_EQ(keys.Focused(), Named<TSpeedButton>(f, "SpeedButton7"));
    Press(&f, Qt::Key_Return);
    ASSERT_TRUE(Named<TPanel>(f, "RaskraskaPopupMenuPanel")->isVisible());
    auto themes = Named<TPanel>(f, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(themes.size(), 1);
    EXPECT_EQ(keys.Focused(), themes[0]) << "on into the theme menu";
    Press(&f, Qt::Key_Return);
    ASSERT_EQ(TopChild(Named<TPanel>(f, "GamesPanel"), Named<TPanel>(f, "RulesPanel")), Named<TPanel>(f, "RaskraskaPanel"));
    auto& strip = *w.Objects().RaskrasImgPanels;
    ASSERT_EQ(strip.Count(), 3);
    EXPECT_EQ(keys.Focused(), Named<TSpeedButton>(f, "RulesCloseButton"));

    Press(&f, Qt::Key_Escape);
    EXPECT_FALSE(Named<TPanel>(f, "RulesPanel")->isVisible());
    EXPECT_EQ(keys.Focused(), strip.GetTile(0)->Panel());
    Press(&f, Qt::Key_F1);
    EXPECT_TRUE(Named<TPanel>(f, "RulesPanel")->isVisible());
    EXPECT_EQ(TopChild(Named<TPanel>(f, "RulesContextPanel")), Named<TPanel>(f, "RuleRasPanel"));
    Press(&f, Qt::Key_Escape);

    Press(&f, Qt::Key_Down);
    Press(&f, Qt::Key_Down);
    Press(&f, Qt::Key_Return);
    EXPECT_EQ(Named<TImage>(f, "RasBigImage")->Picture().size(), QSize(400, 200));
    EXPECT_EQ(Named<TImage>(f, "RasBigImage")->accessibleName(), "стр2");
    Press(&f, Qt::Key_P, "\x10", Qt::ControlModifier);
    ASSERT_EQ(w.Dialogs.Calls.size(), 1u);
    EXPECT_EQ(w.Dialogs.Calls[0].Kind, TDialogCall::Print);
    EXPECT_EQ(printer.Jobs, 1);
    Press(&f, Qt::Key_Tab);
    EXPECT_EQ(keys.Focused(), Named<TSpeedButton>(f, "SpeedButton2")) << "the printer button";
    Press(&f, Qt::Key_Return);
    EXPECT_EQ(printer.Jobs, 2);
}

TEST(KeyboardPlay, KeysOfOthersPassAndNothingIsPressedWhileLoading)
{
    TKeys w;
    TTestForm& f = *w.Form;
    Named<QAction>(f, "SoundLetters")->trigger();
    TFormWorld::Click(Named<TSpeedButton>(f, "LetterrsNamesSpeedButton"));
    // The window's own shortcuts (volume, mute, full screen, quit) are not the keyboard play's.
    EXPECT_FALSE(Uses(f, Qt::Key_Up, Qt::ControlModifier));
    EXPECT_FALSE(Uses(f, Qt::Key_Down, Qt::ControlModifier));
    EXPECT_FALSE(Uses(f, Qt::Key_M, Qt::ControlModifier, "\x0d"));
    EXPECT_FALSE(Uses(f, Qt::Key_Q, Qt::ControlModifier, "\x11"));
    EXPECT_FALSE(Uses(f, Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier, "\x11"));
    EXPECT_FALSE(Uses(f, Qt::Key_F11, Qt::NoModifier));
    EXPECT_FALSE(Uses(f, Qt::Key_A, Qt::AltModifier, "a"));
    EXPECT_FALSE(Uses(f, Qt::Key_1, Qt::NoModifier, "1"));
    EXPECT_TRUE(Uses(f, Qt::Key_F, Qt::NoModifier, "f"));
    ASSERT_FALSE(w.Speech.Calls.empty());
    EXPECT_TRUE(w.Speech.Last().Second.endsWith(QStringLiteral("Буквы/а.mp3")));

    // A letter typed while the rules text has the focus still picks: the window sees it first.
    Named<TRichEdit>(f, "RulesGame1RichEdit")->setFocus();
    const QString rules = Named<TRichEdit>(f, "RulesGame1RichEdit")->toPlainText();
    Press(Named<TRichEdit>(f, "RulesGame1RichEdit"), 0x412, "в");
    EXPECT_TRUE(w.Speech.Last().Second.endsWith(QStringLiteral("Буквы/в.mp3")));
    EXPECT_EQ(Named<TRichEdit>(f, "RulesGame1RichEdit")->toPlainText(), rules);

    f.BeginWaiting();
    const size_t said = w.Speech.Calls.size();
    EXPECT_FALSE(Uses(f, Qt::Key_Escape, Qt::NoModifier));
    Press(&f, Qt::Key_Escape);
    Type(&f, "г");
    EXPECT_FALSE(Named<TPanel>(f, "PopupMenuPanel")->isVisibleTo(&f));
    EXPECT_EQ(w.Speech.Calls.size(), said);
    f.EndWaiting();
}

// Without any content, on every screen, whatever keys come: the frame only ever stands on
// something that can be pressed now.
TEST(KeyboardPlay, OnEveryScreenWithoutContentTheFrameStaysOnWhatCanBePressed)
{
    TKeys w;  // no pictures, no words, no themes
    TTestForm& f = *w.Form;
    const std::vector<std::pair<int, QString>> keys = {
        {Qt::Key_Right, {}}, {Qt::Key_Down, {}},   {Qt::Key_Tab, {}},     {Qt::Key_Return, {}}, {Qt::Key_Space, {}},
        {Qt::Key_Left, {}},  {Qt::Key_Up, {}},     {Qt::Key_Backtab, {}}, {Qt::Key_F1, {}},     {0x410, "а"},
        {Qt::Key_Q, "q"},    {Qt::Key_Escape, {}}, {Qt::Key_Escape, {}}};
    const std::vector<std::function<void()>> screens = {
        [] {},
        [&f] { Named<QAction>(f, "SoundLetters")->trigger(); },
        [&f] {
            Named<QAction>(f, "FindLetter")->trigger();
            FinishPictureReading(f.Objects);
        },
        [&f] {
            Named<QAction>(f, "MakeWord")->trigger();
            FinishPictureReading(f.Objects);
        },
        [&f] { Named<QAction>(f, "Examination")->trigger(); },
        [&f] { Named<QAction>(f, "ShowRaskraskaMenu")->trigger(); },
    };
    auto pressable = [&f](const QWidget* Focused) {
        for (const auto& region : f.Keyboard().Regions())
            for (const auto& item : region.Items)
                if (item.Widget == Focused) return true;
        return false;
    };
    int shown = 0;
    for (const auto& open : screens) {
        open();
        for (int round = 0; round < 3; ++round)
            for (const auto& [key, text] : keys) {
                Press(&f, key, text);
                if (!f.Keyboard().FrameShown()) continue;
                ++shown;
                EXPECT_TRUE(pressable(f.Keyboard().Focused()))
                    << "after key " << key << ": " << f.Keyboard().Focused()->objectName().toStdString();
            }
    }
    EXPECT_GT(shown, 50);
}

// The frame as drawn, on a letter tile and on a thumbnail; the pictures are kept under the build
// tree (screenshots/) to be looked at, drawn with the demo content's pictures where it is there.
TEST(KeyboardPlay, TheFrameIsDrawnOnTheFocusAndGoesWithAClick)
{
    TPictureGameForm w({"арбуз", "бабочка", "автобус"});
    const QString demo = QCoreApplication::applicationDirPath() + "/Pic/";
    for (const QString& folder : {QStringLiteral("Alphabet/Rus/"), QStringLiteral("Images/Rus/")})
        for (const QFileInfo& file : QDir(demo + folder).entryInfoList({"*.jpg"}, QDir::Files)) {
            const QString target = w.Dir.path() + "/Pic/" + folder + file.fileName();
            if (folder.startsWith("Alphabet") || QFile::exists(target)) {
                QFile::remove(target);
                QFile::copy(file.filePath(), target);
            }
        }
    TTestForm& f = *w.Form;
    const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
    QDir().mkpath(dir);
    auto frameAround = [&f](QWidget* Target) {
        const QImage shot = f.grab().toImage();
        const int in = TFocusFrame::kInset;
        const QRect r = QRect(Target->mapTo(&f, QPoint(0, 0)), Target->size()).adjusted(in, in, -in, -in);
        const int outer = (TFocusFrame::Thickness(r.size()) + 1) / 2;
        return QColor(shot.pixel(r.topLeft())) == TFocusFrame::OuterColour() &&
               QColor(shot.pixel(r.bottomRight())) == TFocusFrame::OuterColour() &&
               QColor(shot.pixel(r.left() + outer, r.center().y())) == TFocusFrame::InnerColour();
    };

    Named<QAction>(f, "SoundLetters")->trigger();
    TFormWorld::Click(Named<TSpeedButton>(f, "LetterrsNamesSpeedButton"));
    Named<QAction>(f, "CloseRulesPanel")->trigger();
    QWidget* learning = w.Objects().SndLetterPanels->GetTile(7)->Panel;
    EXPECT_FALSE(frameAround(learning));
    Press(&f, Qt::Key_Down);
    Press(&f, Qt::Key_Down);
    Press(&f, Qt::Key_Right);
    ASSERT_EQ(f.Keyboard().Focused(), learning);
    EXPECT_TRUE(frameAround(learning));
    f.grab().save(dir + "/keys_focus_letter.png");

    Named<QAction>(f, "FindLetter")->trigger();

    FinishPictureReading(f.Objects);
    Named<QAction>(f, "CloseRulesPanel")->trigger();
    QWidget* letter = w.Objects().PicLetterPanels->GetTile(1)->Panel;
    Press(&f, Qt::Key_Right);
    Press(&f, Qt::Key_Right);
    ASSERT_EQ(f.Keyboard().Focused(), letter);
    EXPECT_TRUE(frameAround(letter));
    f.grab().save(dir + "/keys_focus_letter_row.png");

    Press(&f, Qt::Key_Tab);
    QWidget* thumbnail = w.Objects().FirstLImgPanels->GetTile(0)->Panel();
    EXPECT_TRUE(frameAround(thumbnail));
    EXPECT_FALSE(frameAround(letter));
    f.grab().save(dir + "/keys_focus_thumbnail.png");

    QTest::mouseClick(Named<TImage>(f, "BigImage"), Qt::LeftButton);
    EXPECT_FALSE(frameAround(thumbnail)) << "a mouse click puts the frame away";
    EXPECT_FALSE(f.Keyboard().FrameShown());
}

// A screen the keys have never heard of: it brings its regions (what cannot be pressed left out,
// entered where it says), its letter board, its rules, its printing and its busy state.
TEST(KeyboardPlay, AScreenAddedLaterBringsAllTheKeysNeed)
{
    TKeys w;
    TTestForm& f = *w.Form;
    auto* screen = new QWidget(Named<TPanel>(f, "GamesPanel"));
    std::vector<QPushButton*> b;
    for (int i = 0; i < 4; ++i) b.push_back(new QPushButton(QString::number(i), screen));
    b[1]->hide();
    int pressed[4] = {};
    for (int i = 0; i < 4; ++i) QObject::connect(b[i], &QPushButton::clicked, [&pressed, i] { ++pressed[i]; });
    QAction rules, print;
    int rulesShown = 0, printed = 0;
    QObject::connect(&rules, &QAction::triggered, [&rulesShown] { ++rulesShown; });
    QObject::connect(&print, &QAction::triggered, [&printed] { ++printed; });
    bool busy = false;

    ui::TKeyScreen keys;
    keys.Regions = [&b] {
        ui::TKeyRegion first = ui::ButtonRegion({b[0], b[1], b[2]});
        first.Entry = 2;
        return ui::TKeyRegions{first, ui::ButtonRegion({b[3]})};
    };
    keys.LetterTile = [&b](unsigned char Lower) {
        if (Lower != 0xE0) return std::optional<ui::TKeyItem>(ui::TKeyItem{});  // only "а" is on it
        return std::optional<ui::TKeyItem>(ui::ButtonRegion({b[3]}).Items.front());
    };
    keys.Rules = &rules;
    keys.Print = &print;
    keys.Busy = [&busy] { return busy; };
    keys.WindowRegions = false;
    f.Keyboard().AddScreen(screen, std::move(keys));
    screen->raise();
    Named<TPanel>(f, "GenderVoiceRadioPanel")->show();

    const auto regions = f.Keyboard().Regions();
    ASSERT_EQ(regions.size(), 2u) << "no voice choice on this screen";
    ASSERT_EQ(regions[0].Items.size(), 2u) << "the hidden button is left out";
    EXPECT_EQ(regions[0].Entry, 1u) << "entered at its third button, now the second";

    w.Key(Qt::Key_Tab);
    EXPECT_EQ(w.Focused(), b[2]);
    w.Key(Qt::Key_Tab);
    w.Key(Qt::Key_Return);
    EXPECT_EQ(pressed[3], 1);
    w.Key(Qt::Key_Left);
    EXPECT_EQ(w.Focused(), b[3]) << "one place in its region";
    Type(&f, "а");
    EXPECT_EQ(pressed[3], 2) << "the letter's tile";
    EXPECT_TRUE(Uses(f, 0x411, Qt::NoModifier, "б")) << "a letter not on the board is still the board's";
    EXPECT_EQ(pressed[3], 2);
    w.Key(Qt::Key_F1);
    EXPECT_EQ(rulesShown, 1);
    EXPECT_TRUE(w.Shows(Named<TPanel>(f, "RulesPanel")));
    w.Key(Qt::Key_P, "p", Qt::ControlModifier);
    EXPECT_EQ(printed, 1);

    busy = true;
    EXPECT_FALSE(Uses(f, Qt::Key_Escape, Qt::NoModifier));
    Type(&f, "а");
    EXPECT_EQ(pressed[3], 2);
    EXPECT_EQ(pressed[0] + pressed[1] + pressed[2], 0);
}

// The learning screen through what it brings: its board as a region and by letter, nothing before
// the board is made.
TEST(KeyboardPlay, TheLearningScreenOffersItsBoard)
{
    TKeys w;
    TTestForm& f = *w.Form;
    TGameObjects none;
    const TLearningScreen screen{Named<TPanel>(f, "GameSndPanel"), Named<TPanel>(f, "LettersSndPanel"),
                                 Named<TScrollBox>(f, "LettersSndScrollBox")};
    EXPECT_FALSE(screen.Keys(none, nullptr).LetterTile(0xE0).has_value());

    const ui::TKeyScreen keys = screen.Keys(w.Objects(), Named<QAction>(f, "ShowSndGameRules"));
    Named<QAction>(f, "SoundLetters")->trigger();
    TFormWorld::Click(Named<TSpeedButton>(f, "LetterrsNamesSpeedButton"));
    const auto& board = *w.Objects().SndLetterPanels;
    const ui::TKeyRegions regions = keys.Regions();
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(regions[0].Items.size(), 33u);
    const std::optional<ui::TKeyItem> yo = keys.LetterTile(static_cast<unsigned char>(cp1251::FromUnicode("ё").at(0)));
    ASSERT_TRUE(yo.has_value());
    EXPECT_EQ(yo->Widget, Tile(board, "ё")->Panel);
    EXPECT_EQ(keys.Rules, Named<QAction>(f, "ShowSndGameRules"));
}

namespace {

// A window of two screens' worth: a games area holding one screen, and a menu over it, with the
// keys asking only what IKeyWindow answers.
struct TMenuWindow : IKeyWindow {
    QWidget Form;
    QWidget* Games = new QWidget(&Form);
    QWidget* Screen = new QWidget(Games);
    QPushButton* Tile = new QPushButton(QStringLiteral("а"), Screen);
    QWidget* Menu = new QWidget(&Form);
    QPushButton* First = new QPushButton(QStringLiteral("Первая"), Menu);
    QPushButton* Second = new QPushButton(QStringLiteral("Вторая"), Menu);
    QAction Close;
    int MenuOpened = 0, Picked = 0;

    QWidget* Window() const override { return const_cast<QWidget*>(&Form); }
    bool Loading() const override { return false; }
    QWidget* GamesArea() const override { return Games; }
    QWidget* SystemScreen() const override { return nullptr; }
    QWidget* Rules() const override { return nullptr; }
    QAbstractButton* RulesClose() const override { return nullptr; }
    void OpenRules() override {}
    void CloseRules() override {}
    QWidget* VoiceChoice() const override { return nullptr; }
    std::vector<QAbstractButton*> VoiceButtons() const override { return {}; }
    void OpenMenu() override
    {
        ++MenuOpened;
        Menu->show();
    }
};

}  // namespace

// The menu describes its keys as a screen does: while it is open its regions are the only ones, a
// letter reaches no tile under it, and Esc runs its Close.
TEST(KeyboardPlay, TheMenuIsReachedThroughItsKeyDescription)
{
    TMenuWindow w;
    TKeyboardPlay keys(w);
    ui::TKeyScreen screen;
    screen.Regions = [&w] { return ui::TKeyRegions{ui::ButtonRegion({w.Tile})}; };
    screen.LetterTile = [&w](unsigned char) { return ui::TKeyItem{w.Tile, [&w] { ++w.Picked; }}; };
    keys.AddScreen(w.Screen, screen);
    ui::TKeyScreen menu;
    menu.Regions = [&w] { return ui::TKeyRegions{ui::ButtonRegion({w.First, w.Second})}; };
    menu.Close = &w.Close;
    QObject::connect(&w.Close, &QAction::triggered, w.Menu, &QWidget::hide);
    keys.SetMenu(w.Menu, menu);
    w.Menu->hide();
    w.Form.show();

    ASSERT_EQ(keys.Regions().size(), 1u);
    EXPECT_EQ(keys.Regions()[0].Items[0].Widget, w.Tile);
    Press(&w.Form, Qt::Key_Escape);
    EXPECT_EQ(w.MenuOpened, 1) << "Esc with the menu closed opens it";
    const auto regions = keys.Regions();
    ASSERT_EQ(regions.size(), 1u);
    ASSERT_EQ(regions[0].Items.size(), 2u);
    EXPECT_EQ(regions[0].Items[1].Widget, w.Second);
    Type(&w.Form, "а");
    EXPECT_EQ(w.Picked, 0) << "a letter reaches no tile under the menu";
    Press(&w.Form, Qt::Key_Escape);
    EXPECT_TRUE(w.Menu->isHidden()) << "Esc runs the menu's Close";
    Type(&w.Form, "а");
    EXPECT_EQ(w.Picked, 1);
}
