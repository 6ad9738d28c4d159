// A teacher on one computer, as found when tried: children added in the corner's "Успехи", then
// "Кто играет?" asked as the corner closes (not the first child added playing unasked), and
// "Успехи" opening on the child who plays now.
#include "corner/CornerGate.h"
#include "corner/CornerScreen.h"
#include "corner/GrownUpsCorner.h"
#include "games/FormWorld.h"
#include "platform/widgets/Label.h"
#include "progress/ChildrenPanel.h"
#include "progress/PlayerChoice.h"
#include "progress/ProgressScreen.h"
#include "progress/ProgressStore.h"
#include "progress/WhoPlays.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

struct TTeacherWorld : TFormWorld {
    QTemporaryDir Home;
    TProgressStore Store{Home.path(), Dialogs};

    TTeacherWorld()
    {
        Form->Corner()->SetUserFolder(Home.path() + "/kvarnel/");
        Form->show();
        QApplication::setActiveWindow(Form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }
    TGrownUpsCorner& Corner() { return *Form->Corner(); }
    TPlayerChoice& Players() { return *Form->Players(); }
    void EnterCorner()
    {
        QTest::keyClick(Form.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        TCornerGate& gate = *Corner().Gate();
        gate.AnswerEdit()->setText(QString::number(gate.Answer()));
        QTest::keyClick(gate.AnswerEdit(), Qt::Key_Return);
        ASSERT_TRUE(Corner().Screen()->isVisible());
        Corner().findChild<QPushButton*>(QStringLiteral("TabButton:Успехи"))->click();
    }
    void AddChild(const QString& Name)
    {
        TChildrenPanel& panel = *Corner().Children();
        panel.NameEdit()->setText(Name);
        panel.findChild<QPushButton*>(QStringLiteral("AddChildButton"))->click();
    }
    qint64 Named(const QString& Name)
    {
        for (const TChild& child : Store.Children())
            if (child.Name == Name) return child.Id;
        return 0;
    }
};

TEST(TeacherInTheCorner, WhoPlaysIsAskedWhenTheCornerClosesWithTwoChildrenOrMore)
{
    TTeacherWorld w;
    w.Form->JoinProgress(w.Store);
    EXPECT_FALSE(w.Players().isVisible()) << "no children: the unnamed child plays";

    // One child added: it plays, nothing to ask.
    w.EnterCorner();
    w.AddChild(QStringLiteral("Маша"));
    QTest::keyClick(w.Corner().Screen(), Qt::Key_Escape);
    ASSERT_FALSE(w.Corner().IsOpen());
    EXPECT_FALSE(w.Players().isVisible());
    EXPECT_EQ(w.Store.Player(), w.Named(QStringLiteral("Маша")));

    // Two more: the grown-up leaves the corner to a child, who says who plays.
    w.EnterCorner();
    w.AddChild(QStringLiteral("Петя"));
    w.AddChild(QStringLiteral("Оля"));
    EXPECT_FALSE(w.Players().isVisible()) << "not over the corner";
    w.Corner().findChild<QPushButton*>(QStringLiteral("CornerCloseButton"))->click();
    ASSERT_TRUE(w.Players().isVisible());
    ASSERT_EQ(w.Players().Question()->Tiles().size(), 3u);
    EXPECT_EQ(QApplication::focusWidget(), w.Players().Question()->Tiles()[0]) << "the focus on the one playing so far";
    QTest::mouseClick(w.Players().Question()->Tiles()[2], Qt::LeftButton);
    EXPECT_EQ(w.Store.Player(), w.Named(QStringLiteral("Оля")));
    EXPECT_EQ(w.Players().NameLabel()->text(), QStringLiteral("Оля"));
}

TEST(TeacherInTheCorner, ProgressOpensOnTheChildWhoPlays)
{
    TTeacherWorld w;
    for (const char* name : {"Маша", "Петя", "Оля"}) ASSERT_EQ(w.Store.AddChild(QString::fromUtf8(name), {}), QString());
    w.Form->JoinProgress(w.Store);
    ASSERT_TRUE(w.Players().isVisible());
    QTest::mouseClick(w.Players().Question()->Tiles()[1], Qt::LeftButton);
    const qint64 petya = w.Named(QStringLiteral("Петя"));
    ASSERT_EQ(w.Store.Player(), petya);

    w.EnterCorner();
    TChildrenPanel& panel = *w.Corner().Children();
    EXPECT_EQ(panel.ChildChoice()->currentData().toLongLong(), petya);
    EXPECT_EQ(panel.Progress()->Child(), petya);
    EXPECT_EQ(panel.Progress()->ChildName(), QStringLiteral("Петя"));

    // Another child looked at, the corner left, someone else chosen: "Успехи" follows the player again.
    panel.Choose(w.Named(QStringLiteral("Маша")));
    w.Corner().Close();
    QTest::mouseClick(w.Players().Question()->Tiles()[2], Qt::LeftButton);
    w.EnterCorner();
    EXPECT_EQ(panel.Progress()->Child(), w.Named(QStringLiteral("Оля")));
}

}  // namespace
