// "Успехи" for a child who played a week, and "Кто играет?": the tiles' names, the question before
// deleting, the choice. Both are written as PNG under the build tree (screenshots/), to be looked at.
#include "ProgressWorld.h"
#include "progress/ProgressScreen.h"
#include "progress/WhoPlays.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <QToolButton>

namespace {

QString ShotPath(const char* Name)
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + QLatin1String(Name);
}

// A week of play, twenty minutes a day: the first letters known, the middle ones being learnt
// (б and д taken for each other), the last ones never met.
void PlayAWeek(const QString& Path, qint64 Child)
{
    TProgressDatabase database(Path);
    ASSERT_EQ(database.Open(false), progressdb::TOpenState::osOpen);
    const QDateTime now = QDateTime::currentDateTime();
    QRandomGenerator random(5);
    const QStringList& letters = RussianLetters();
    for (int day = 6; day >= 0; --day) {
        if (day == 2) continue;  // a day off
        // Earlier days play at noon; today's 20 minutes end now (each day's answers on that day
        // unless the test runs in the first 20 minutes after midnight).
        qint64 time = day > 0 ? QDateTime(now.date().addDays(-day), QTime(12, 0)).toSecsSinceEpoch()
                              : now.toSecsSinceEpoch() - 60 * 20 - 1;
        for (int n = 0; n < 60; ++n, time += 20) {
            const int index = static_cast<int>(random.bounded(20));
            const QString asked = letters[index];
            const bool right = index < 10 || random.bounded(2) == 0;
            const QString picked = right ? asked : (asked == QStringLiteral("б") ? QStringLiteral("д") : letters[index + 1]);
            progressdb::TAnswerRow row{time, now.offsetFromUtc(), Child, 3, 0, asked, picked, {}, -1, right, true};
            ASSERT_EQ(database.AddAnswer(row), progressdb::TWriteResult::wrDone);
        }
    }
}

}  // namespace

TEST(ProgressScreen, ShowsAWeekAndAsksBeforeDeleting)
{
    TProgressWorld world;
    TProgressStore& store = world.Open();
    qint64 masha = 0;
    store.AddChild(QStringLiteral("Маша"), {}, &masha);
    PlayAWeek(world.Path(), masha);
    TProgressScreen screen(store, world.Dialogs);
    screen.resize(760, 640);
    screen.ShowChild(masha, QStringLiteral("Маша"));
    int states[3] = {};
    for (int i = 0; i < 33; ++i) {
        const QString letter = RussianLetters()[i];
        const TMastery state = screen.Summary().State(TMasteryKind::mkNames, letter);
        ++states[static_cast<int>(state)];
        EXPECT_EQ(screen.LetterTile(i)->accessibleName(), letter.toUpper() + QStringLiteral(" — ") + MasteryText(state));
    }
    EXPECT_GT(states[0], 0);
    EXPECT_GT(states[1], 0);
    EXPECT_GT(states[2], 0);
    EXPECT_EQ(screen.Summary().DaysPlayed(), 6);
    EXPECT_EQ(KnownLettersTitle(QStringLiteral("Маша")), QStringLiteral("Маша знает буквы"));
    screen.grab().save(ShotPath("progress_week.png"));
    screen.SetKind(TMasteryKind::mkSounds);
    EXPECT_EQ(screen.LetterTile(0)->accessibleName(), QStringLiteral("А — ещё не встречалась"));

    auto* erase = screen.findChildren<QAbstractButton*>().back();
    ASSERT_EQ(erase->accessibleName(), QStringLiteral("Удалить успехи"));
    world.Dialogs.YesNoAnswer = false;
    erase->click();
    EXPECT_EQ(screen.Summary().DaysPlayed(), 6);
    world.Dialogs.YesNoAnswer = true;
    erase->click();
    EXPECT_EQ(screen.Summary().DaysPlayed(), 0);
    ASSERT_EQ(world.Dialogs.Calls.size(), 2u);
    EXPECT_EQ(world.Dialogs.Calls[0].Text, QStringLiteral("Удалить все успехи ребёнка «Маша»?"));
}

TEST(WhoPlays, TilesAreNamedByTheChildrenAndChoose)
{
    const std::vector<TChild> children{{4, QStringLiteral("Маша"), QStringLiteral("кот")},
                                       {7, QStringLiteral("Петя"), QStringLiteral("ёж")},
                                       {9, QStringLiteral("Ваня 2"), QString()}};
    const auto pictureOf = [](const QString& Name) {
        if (Name.isEmpty()) return QImage();
        QImage image(200, 200, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setBrush(Name == QStringLiteral("кот") ? QColor(0xf4, 0xa2, 0x61) : QColor(0x8d, 0x6e, 0x63));
        painter.drawEllipse(10, 10, 180, 180);
        return image;
    };
    TWhoPlays chooser(children, pictureOf);
    chooser.resize(760, 360);
    qint64 chosen = 0;
    chooser.OnChoose = [&chosen](qint64 Id) { chosen = Id; };
    ASSERT_EQ(chooser.Tiles().size(), 3u);
    EXPECT_EQ(chooser.Tiles()[1]->accessibleName(), QStringLiteral("Петя"));
    chooser.Tiles()[1]->click();
    EXPECT_EQ(chosen, 7);
    // By keys alone: the arrow to the next tile, Enter chooses it.
    chosen = 0;
    chooser.show();
    chooser.Tiles()[0]->setFocus();
    QTest::keyClick(chooser.Tiles()[0], Qt::Key_Right);
    QTest::keyClick(chooser.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(chosen, 7);
    QTest::keyClick(chooser.focusWidget(), Qt::Key_Right);
    QTest::keyClick(chooser.focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(chosen, 9);
    chooser.grab().save(ShotPath("who_plays.png"));
}
