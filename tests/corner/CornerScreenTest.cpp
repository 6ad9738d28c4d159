// The corner's sections name every button for what it does and to which item.
#include "corner/CornerScreen.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QSlider>

namespace {

QPushButton* Named(const QWidget& Screen, const QString& Name)
{
    for (QPushButton* b : Screen.findChildren<QPushButton*>())
        if (b->accessibleName() == Name) return b;
    return nullptr;
}

TEST(CornerScreen, RowsAreNamedForTheirItemAndRevertIsOnlyForOwnClips)
{
    using ownclips::TClipGroup, ownclips::TClipSource;
    TCornerScreen screen;
    screen.ShowClips({{TClipGroup::LetterNames, QStringLiteral("бэ"), QStringLiteral("b"), TClipSource::Own},
                      {TClipGroup::LetterSounds, QStringLiteral("звук б"), QStringLiteral("s"), TClipSource::Installed}});
    QString recorded;
    screen.OnRecord = [&](const ownclips::TSpokenClip& C) { recorded = C.Relative; };
    ASSERT_TRUE(Named(screen, QStringLiteral("Записать: звук б")));
    Named(screen, QStringLiteral("Записать: звук б"))->click();
    EXPECT_EQ(recorded, QStringLiteral("s"));
    EXPECT_TRUE(Named(screen, QStringLiteral("Послушать: бэ")));
    EXPECT_TRUE(Named(screen, QStringLiteral("Вернуть прежнюю запись: бэ")));
    EXPECT_FALSE(Named(screen, QStringLiteral("Вернуть прежнюю запись: звук б")));
    int stops = 0;
    screen.OnStop = [&] { ++stops; };
    Named(screen, QStringLiteral("Стоп"))->click();
    EXPECT_EQ(stops, 1);

    screen.ShowOwnWords({QStringLiteral("кот")});
    EXPECT_TRUE(Named(screen, QStringLiteral("Удалить: кот")));
    EXPECT_TRUE(Named(screen, QStringLiteral("Переименовать: кот")));
    Named(screen, QStringLiteral("Раскраски"))->click();
    EXPECT_EQ(screen.CurrentSection(), TCornerScreen::csColouring);
    EXPECT_EQ(screen.DetailSlider()->accessibleName(), QStringLiteral("Подробнее"));
}

}  // namespace
