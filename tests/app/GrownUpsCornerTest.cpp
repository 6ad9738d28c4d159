// The grown-ups' corner in the window: Ctrl+Shift+G from a game, the sum at its door, typing there
// is not playing, a family photo added for a word, Esc back to the game; and each child's answers
// kept for the child chosen in "Кто играет?".
#include "corner/CornerGate.h"
#include "corner/CornerScreen.h"
#include "corner/GrownUpsCorner.h"
#include "games/FormWorld.h"
#include "platform/widgets/Label.h"
#include "progress/PlayerChoice.h"
#include "progress/ProgressStore.h"
#include "progress/WhoPlays.h"
#include "support/TestForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

using TKind = TSpeechCall::TKind;

QPushButton* Named(const QWidget* Parent, const QString& Name)
{
    for (QPushButton* b : Parent->findChildren<QPushButton*>())
        if (b->accessibleName() == Name) return b;
    return nullptr;
}

// Text typed under a Russian layout, key by key, as the window gets it (QTest types ASCII only).
void Type(QWidget* Target, const QString& Text)
{
    for (const QChar c : Text) {
        QKeyEvent down(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(Target, &down);
        QKeyEvent up(QEvent::KeyRelease, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(Target, &up);
    }
}

struct TCornerWorld : TFormWorld {
    QTemporaryDir Home;
    TCornerWorld()
    {
        Form->Corner()->SetUserFolder(Home.path() + "/kvarnel/");
        Form->show();
        QApplication::setActiveWindow(Form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        // The learning board, where every letter key plays.
        Named<QAction>(*Form, "SoundLetters")->trigger();
        Named<TSpeedButton>(*Form, "LetterrsNamesSpeedButton")->click();
        Named<QAction>(*Form, "CloseRulesPanel")->trigger();
    }
    TGrownUpsCorner& Corner() { return *Form->Corner(); }
    void OpenCorner() { QTest::keyClick(Form.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier); }
};

TEST(GrownUpsCorner, OpensOverAGameTakesItsOwnKeysAndAddsAFamilyPhoto)
{
    TCornerWorld w;
    w.OpenCorner();
    ASSERT_TRUE(w.Corner().IsOpen());
    TCornerGate& gate = *w.Corner().Gate();
    ASSERT_TRUE(gate.isVisible());
    EXPECT_FALSE(w.Corner().Screen()->isVisible()) << "the sections wait behind the sum";
    EXPECT_EQ(QApplication::focusWidget(), gate.AnswerEdit());

    // A letter typed in the field is not a tile pressed on the board beneath.
    Type(gate.AnswerEdit(), QStringLiteral("бв"));
    EXPECT_EQ(w.Speech.Count(TKind::File) + w.Speech.Count(TKind::Pair), 0);
    gate.AnswerEdit()->clear();
    QTest::keyClicks(gate.AnswerEdit(), QString::number(gate.Answer()));
    QTest::keyClick(gate.AnswerEdit(), Qt::Key_Return);
    ASSERT_TRUE(w.Corner().Screen()->isVisible());

    // A photo for "кот", chosen through the program's file dialog and kept in the family's folder.
    const QString photo = w.Home.filePath("IMG_0001.jpg");
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(photo));
    w.Dialogs.FileToOpen = photo;
    Named(w.Corner().Screen(), QStringLiteral("Добавить картинку"))->click();
    EXPECT_EQ(w.Dialogs.Calls.back().Kind, TDialogCall::OpenFile);
    Type(w.Corner().Screen()->WordEdit(), QStringLiteral("Кот "));
    Named(w.Corner().Screen(), QStringLiteral("Сохранить"))->click();
    EXPECT_TRUE(QFileInfo::exists(w.Home.filePath("kvarnel/Pic/Images/Rus/кот.jpg")));
    EXPECT_TRUE(Named(w.Corner().Screen(), QStringLiteral("Удалить: кот")));
    EXPECT_TRUE(Named(w.Corner().Screen(), QStringLiteral("Переименовать: кот")));

    // Esc leaves the corner; the board's letters play again.
    QTest::keyClick(w.Corner().Screen()->WordEdit(), Qt::Key_Escape);
    EXPECT_FALSE(w.Corner().IsOpen());
    QTest::keyClick(w.Form.get(), Qt::Key_F);  // а, on the key where a Russian layout has it
    EXPECT_EQ(w.Speech.Calls.size(), 1u) << "the board plays once the corner is gone";

    // Three wrong sums close the door again.
    w.OpenCorner();
    for (int i = 0; i < 3; ++i) {
        gate.AnswerEdit()->setText(QString::number(gate.Answer() + 1));
        QTest::keyClick(gate.AnswerEdit(), Qt::Key_Return);
    }
    EXPECT_FALSE(w.Corner().IsOpen());
}

TEST(GrownUpsCorner, AnswersAreKeptForTheChildChosenInWhoPlays)
{
    TCornerWorld w;
    TProgressStore store(w.Home.path(), w.Dialogs);
    qint64 masha = 0, petya = 0;
    ASSERT_EQ(store.AddChild(QStringLiteral("Маша"), QStringLiteral("кот"), &masha), QString());
    ASSERT_EQ(store.AddChild(QStringLiteral("Петя"), QStringLiteral("слон"), &petya), QString());
    w.Form->JoinProgress(store);
    TPlayerChoice* players = w.Form->Players();
    ASSERT_TRUE(players->isVisible()) << "two children: who plays is asked";
    ASSERT_EQ(players->Question()->Tiles().size(), 2u);
    EXPECT_EQ(players->Question()->Tiles()[1]->accessibleName(), QStringLiteral("Петя"));
    QTest::mouseClick(players->Question()->Tiles()[1], Qt::LeftButton);
    EXPECT_FALSE(players->isVisible());
    EXPECT_EQ(store.Player(), petya);
    EXPECT_TRUE(players->NameLabel()->isVisibleTo(w.Form.get()));
    EXPECT_EQ(players->NameLabel()->text(), QStringLiteral("Петя"));

    // A letter heard on the board is Petya's, not Masha's.
    w.Click(TFormWorld::TileOf(*w.Objects().SndLetterPanels, 0xE1));  // б
    store.Flush();
    EXPECT_EQ(store.Summary(petya).State(TMasteryKind::mkNames, QStringLiteral("б")), TMastery::msLearning);
    EXPECT_EQ(store.Summary(masha).State(TMasteryKind::mkNames, QStringLiteral("б")), TMastery::msUnmet);

    // Petya removed in the corner: the unnamed choice goes to the child left, and the name hides.
    ASSERT_TRUE(store.RemoveChild(petya));
    players->ChildrenChanged();
    EXPECT_EQ(store.Player(), masha);
    EXPECT_FALSE(players->NameLabel()->isVisibleTo(w.Form.get()));
}

}  // namespace
