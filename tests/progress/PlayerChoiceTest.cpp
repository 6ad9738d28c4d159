// "Кто играет?" over a window: asked with two children or more, a new asking replaces the question
// shown, and a click settles who plays and shows the name on the ribbon.
#include "ProgressWorld.h"
#include "platform/widgets/Label.h"
#include "progress/PlayerChoice.h"
#include "progress/WhoPlays.h"

#include <QPointer>
#include <QTest>
#include <QToolButton>

#include <algorithm>

namespace {

struct TChoiceWorld : TProgressWorld {
    QWidget Window;
    QWidget* Ribbon = new QWidget(&Window);
    std::unique_ptr<TPlayerChoice> Choice;
    qint64 Masha = 0, Petya = 0;

    TChoiceWorld()
    {
        Open();
        EXPECT_EQ(Store->AddChild(QStringLiteral("Маша"), QStringLiteral("кот"), &Masha), QString());
        Window.resize(1107, 799);
        Window.show();
    }
    void Make()
    {
        Choice = std::make_unique<TPlayerChoice>(Window, *Ribbon, *Store, [](const QString&) { return QImage(); });
    }
    // TWhoPlays has no meta-object of its own: findChildren<TWhoPlays*> would count every widget.
    int Questions() const
    {
        const QList<QWidget*> widgets = Window.findChildren<QWidget*>();
        return static_cast<int>(
            std::count_if(widgets.begin(), widgets.end(), [](QWidget* W) { return dynamic_cast<TWhoPlays*>(W); }));
    }
};

TEST(PlayerChoice, OneChildPlaysWithoutAQuestion)
{
    TChoiceWorld w;
    w.Make();
    w.Choice->AskWhenNeeded();
    EXPECT_FALSE(w.Choice->isVisible());
    EXPECT_EQ(w.Questions(), 0);
    EXPECT_EQ(w.Store->Player(), w.Masha);
    EXPECT_FALSE(w.Choice->NameLabel()->isVisibleTo(&w.Window)) << "no choice, no name";
}

TEST(PlayerChoice, AskingAgainReplacesTheQuestionAndAClickSettlesIt)
{
    TChoiceWorld w;
    ASSERT_EQ(w.Store->AddChild(QStringLiteral("Петя"), QStringLiteral("слон"), &w.Petya), QString());
    w.Make();
    w.Choice->AskWhenNeeded();
    ASSERT_TRUE(w.Choice->isVisible());
    EXPECT_EQ(w.Choice->geometry(), w.Window.rect()) << "over the whole window";
    // Watched, not compared by address: the new question may be made where the old one was.
    const QPointer<TWhoPlays> first(w.Choice->Question());
    w.Choice->Ask();
    EXPECT_TRUE(first.isNull()) << "the question shown before is gone at once";
    EXPECT_NE(w.Choice->Question(), nullptr);
    EXPECT_EQ(w.Questions(), 1);

    QTest::mouseClick(w.Choice->Question()->Tiles()[1], Qt::LeftButton);
    EXPECT_FALSE(w.Choice->isVisible());
    EXPECT_EQ(w.Choice->Question(), nullptr);
    EXPECT_EQ(w.Store->Player(), w.Petya);
    EXPECT_EQ(w.Choice->NameLabel()->text(), QStringLiteral("Петя"));
    EXPECT_TRUE(w.Choice->NameLabel()->isVisibleTo(&w.Window));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.Questions(), 0) << "the answered question goes once its click has ended";
}

}  // namespace
