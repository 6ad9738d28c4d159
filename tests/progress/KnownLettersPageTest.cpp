// The printed page "<Имя> знает буквы": the title where it belongs, every letter inside its tile
// for any count, and the page going through the colouring pages' printing. The page with all 33
// letters is written as PNG under the build tree (screenshots/), to be looked at.
#include "pictures/PagePrinting.h"
#include "progress/KnownLettersPage.h"
#include "progress/Mastery.h"
#include "support/FakeDialogs.h"
#include "support/FakePrinter.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>

namespace {

QStringList Capitals(int Count)
{
    QStringList letters;
    for (int i = 0; i < Count; ++i) letters << RussianLetters()[i].toUpper();
    return letters;
}

int InkIn(const QImage& Page, const QRect& Box)
{
    int ink = 0;
    for (int y = Box.top(); y <= Box.bottom(); ++y)
        for (int x = Box.left(); x <= Box.right(); ++x) ink += qGray(Page.pixel(x, y)) < 128;
    return ink;
}

}  // namespace

TEST(KnownLettersPage, TilesFitThePageForEveryCount)
{
    const QRect page(QPoint(0, 0), kKnownLettersPageSize);
    for (int count = 0; count <= 33; ++count) {
        const std::vector<QRect> cells = KnownLettersCells(count);
        ASSERT_EQ(cells.size(), static_cast<size_t>(count));
        for (size_t i = 0; i < cells.size(); ++i) {
            EXPECT_TRUE(page.contains(cells[i])) << count << " letters, tile " << i;
            EXPECT_FALSE(cells[i].intersects(KnownLettersTitleRect())) << count << " letters, tile " << i;
            EXPECT_GE(cells[i].width(), 150) << "large enough to read across a room";
            for (size_t j = 0; j < i; ++j) EXPECT_FALSE(cells[i].intersects(cells[j])) << count << ": " << i << ", " << j;
        }
    }
}

TEST(KnownLettersPage, TheTitleAndEveryLetterAreDrawnInsideTheirPlaces)
{
    const QString title = QStringLiteral("Маша знает буквы");
    QImage page = KnownLettersPage(title, Capitals(33));
    ASSERT_EQ(page.size(), kKnownLettersPageSize);
    const QString shots = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(shots);
    page.save(shots + QStringLiteral("/known_letters.png"));

    EXPECT_GT(InkIn(page, KnownLettersTitleRect()), 5000) << "the title is written";
    const std::vector<QRect> cells = KnownLettersCells(33);
    for (const QRect& cell : cells) EXPECT_GT(InkIn(page, cell), 500) << "a letter in its tile";
    // Nothing drawn outside the title, its line and the tiles: no letter spills over.
    QPainter blank(&page);
    blank.fillRect(KnownLettersTitleRect().adjusted(0, 0, 0, 30), Qt::white);
    for (const QRect& cell : cells) blank.fillRect(cell, Qt::white);
    blank.end();
    EXPECT_EQ(InkIn(page, page.rect()), 0);

    const QImage none = KnownLettersPage(title, {});
    EXPECT_GT(InkIn(none, QRect(0, KnownLettersTitleRect().bottom() + 40, none.width(), 800)), 1000)
        << "a line says the letters are coming";
}

TEST(KnownLettersPage, PrintsThroughTheColouringPagesPathWithItsTitle)
{
    const QString title = QStringLiteral("Петя знает буквы");
    TFakePrinter printer(4800, 6800);
    TFakeDialogs dialogs;
    ASSERT_TRUE(PrintColouringPage(KnownLettersPage(title, Capitals(5)), dialogs, printer, title, QString()));
    EXPECT_EQ(printer.Orientation, IPrinter::TOrientation::Portrait);
    ASSERT_EQ(printer.DrawnImageSizes.size(), 1u);
    EXPECT_EQ(printer.DrawnImageSizes[0], kKnownLettersPageSize);
    ASSERT_FALSE(printer.Texts.empty());
    EXPECT_EQ(printer.Texts[0].Text, title);
}
