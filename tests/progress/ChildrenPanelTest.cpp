// The children as a teacher meets them in "Успехи" and on "Кто играет?": only the animals the
// content has are offered, the drop-downs are named by their captions for screen readers, two
// entries of one name are told apart and merged, and a group of thirty still fits on "Кто играет?".
#include "ProgressWorld.h"
#include "progress/ChildrenPanel.h"
#include "progress/ProgressScreen.h"
#include "progress/WhoPlays.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace {

QImage PictureFor(const QStringList& Present, const QString& Animal)
{
    if (!Present.contains(Animal)) return {};
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    return picture;
}

QStringList Items(const QComboBox& Box)
{
    QStringList items;
    for (int i = 0; i < Box.count(); ++i) items << Box.itemText(i);
    return items;
}

// The caption assistive technology reads for Field: the label it is the buddy of.
QString LabelOf(QWidget* Field)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Field);
    const auto labels = face->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

}  // namespace

TEST(ChildrenPanel, OffersOnlyTheAnimalsTheContentHas)
{
    struct TCase {
        QStringList Present;
        QStringList Offered;
    } cases[] = {
        {{QStringLiteral("сова"), QStringLiteral("кот"), QStringLiteral("бегемот")},
         {QStringLiteral("кот"), QStringLiteral("сова")}},  // in the list's order; not an animal of the list
        {{}, {}},
    };
    for (const TCase& c : cases) {
        TProgressWorld world;
        world.Open();
        TChildrenPanel panel(*world.Store, world.Dialogs,
                             [&](const QString& Animal) { return PictureFor(c.Present, Animal); });
        EXPECT_EQ(Items(*panel.AnimalChoice()), c.Offered);
        EXPECT_EQ(panel.AnimalChoice()->isVisibleTo(&panel), !c.Offered.isEmpty()) << "nothing to choose, no choice";
        // A child added takes the animal chosen, or none.
        panel.NameEdit()->setText(QStringLiteral("Маша"));
        panel.findChild<QPushButton*>(QStringLiteral("AddChildButton"))->click();
        ASSERT_EQ(world.Store->Children().size(), 1u);
        EXPECT_EQ(world.Store->Children()[0].Picture, c.Offered.value(0));
    }
}

TEST(ChildrenPanel, DropDownsAreNamedByTheirCaptions)
{
    TProgressWorld world;
    world.Open();
    world.Store->AddChild(QStringLiteral("Маша"), QStringLiteral("кот"));
    TChildrenPanel panel(*world.Store, world.Dialogs, [](const QString& Animal) { return PictureFor({"кот"}, Animal); });
    // Linux's screen readers hear a drop-down's value as its name ("Маша", "кот") and what it is
    // from its label.
    EXPECT_EQ(LabelOf(panel.ChildChoice()), QStringLiteral("Ребёнок:"));
    EXPECT_EQ(LabelOf(panel.AnimalChoice()), QStringLiteral("Картинка:"));
    EXPECT_EQ(panel.ChildChoice()->accessibleName(), QStringLiteral("Ребёнок"));
    EXPECT_EQ(panel.AnimalChoice()->accessibleName(), QStringLiteral("Картинка"));
}

// Two entries of one name, as two computers of a group make them before they see each other.
TEST(ChildrenPanel, NamesakesAreToldApartAndMerged)
{
    TProgressWorld world;
    world.Open();
    qint64 masha = 0, other = 0, petya = 0;
    {
        TProgressDatabase file(world.Path());
        ASSERT_EQ(file.Open(false), progressdb::TOpenState::osOpen);
        masha = file.AddSharedChild(QStringLiteral("Маша"), {}, 1000, QStringLiteral("class-1"));
        other = file.AddSharedChild(QStringLiteral("маша"), {}, 2000, QStringLiteral("class-3"));
        petya = file.AddSharedChild(QStringLiteral("Петя"), {}, 3000, QStringLiteral("class-1"));
    }
    world.Store->SetPlayer(other);
    world.Keep({Exam(QStringLiteral("б"), QStringLiteral("д")), Exam(QStringLiteral("б"), QStringLiteral("б"))});
    int changes = 0;
    TChildrenPanel panel(*world.Store, world.Dialogs, {});
    panel.OnChildrenChanged = [&changes] { ++changes; };
    EXPECT_EQ(Items(*panel.ChildChoice()),
              (QStringList{QStringLiteral("Маша"), QStringLiteral("маша (class-3)"), QStringLiteral("Петя")}));

    panel.Choose(petya);
    EXPECT_FALSE(panel.MergeButton()->isVisibleTo(&panel)) << "a name of its own: nothing to merge";
    panel.Choose(masha);
    ASSERT_TRUE(panel.MergeButton()->isVisibleTo(&panel));
    EXPECT_EQ(panel.MergeButton()->text(), QStringLiteral("Объединить с «маша (class-3)»"));
    panel.Choose(other);
    EXPECT_EQ(panel.MergeButton()->text(), QStringLiteral("Объединить с «Маша»"));
    EXPECT_EQ(panel.MergeButton()->accessibleName(),
              QStringLiteral("Объединить «маша (class-3)» и «Маша» в одного ребёнка"));

    world.Dialogs.YesNoAnswer = false;
    panel.MergeButton()->click();
    EXPECT_EQ(world.Store->Children().size(), 3u);
    EXPECT_EQ(world.Dialogs.Calls.back().Text,
              QStringLiteral("«маша (class-3)» и «Маша» — один и тот же ребёнок? Все его ответы останутся у «Маша»."));
    world.Dialogs.YesNoAnswer = true;
    panel.MergeButton()->click();
    EXPECT_EQ(world.Store->Children().size(), 2u);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(panel.ChildChoice()->currentData().toLongLong(), masha) << "the entry kept is shown";
    EXPECT_EQ(panel.Progress()->Summary().State(TMasteryKind::mkNames, QStringLiteral("б")), TMastery::msLearning)
        << "the answers went with the merge";
    EXPECT_EQ(world.Store->Player(), masha) << "the one playing plays on as the child kept";
}

TEST(WhoPlays, AGroupOfThirtyScrollsWithTilesBigEnoughToTap)
{
    std::vector<TChild> children;
    for (int i = 0; i < 30; ++i) children.push_back({100 + i, QStringLiteral("Ребёнок %1").arg(i + 1), QString()});
    TWhoPlays chooser(children, {});
    chooser.resize(1107, 799);
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    qint64 chosen = 0;
    chooser.OnChoose = [&chosen](qint64 Id) { chosen = Id; };

    for (QToolButton* tile : chooser.Tiles()) EXPECT_GE(std::min(tile->width(), tile->height()), TWhoPlays::kSmallestTile);
    EXPECT_GE(chooser.Columns(), 5) << "the width is used";
    EXPECT_GT(chooser.Scroll()->verticalScrollBar()->maximum(), 0) << "the rest is scrolled to";

    // Down a row at a time to the last one, which comes into view; Enter chooses it.
    chooser.Tiles()[0]->setFocus();
    for (int row = 0; row < 10; ++row) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QToolButton* last = chooser.Tiles().back();
    EXPECT_EQ(QApplication::focusWidget(), last);
    const QRect inView(last->mapTo(chooser.Scroll()->viewport(), QPoint(0, 0)), last->size());
    EXPECT_TRUE(chooser.Scroll()->viewport()->rect().contains(inView)) << "the focused tile is in view";
    QTest::keyClick(last, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), chooser.Tiles()[29 - static_cast<size_t>(chooser.Columns())]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(chosen, 129 - chooser.Columns());
}
