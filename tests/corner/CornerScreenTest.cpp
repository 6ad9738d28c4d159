// The corner's sections name every button for what it does and to which item; "Слоги"'s clips
// come folded by heading and lesson, built when opened, opened from the keyboard.
#include "core/Syllables.h"
#include "corner/CornerScreen.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

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

int RowsOf(const QWidget& Screen, const QString& Folder)
{
    int rows = 0;
    for (const QWidget* w : Screen.findChildren<QWidget*>())
        if (w->objectName().startsWith(QStringLiteral("ClipRow:")) && w->objectName().contains(Folder)) ++rows;
    return rows;
}

struct THeading {
    const char* Name;
    const char* Heading;  // the fold's key and accessible name
    const char* Folder;   // of its clips
    const char* Caption;  // the first lesson's
    const char* Record;   // a button of the first lesson
};

class SlogiFolds : public ::testing::TestWithParam<THeading> {
protected:
    void SetUp() override
    {
        Screen.resize(1107, 799);
        Screen.show();
        Screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Screen));
        Screen.ShowClips(ownclips::SpokenClips(QStringLiteral("/nonexistent"), {}, QStringLiteral("Женский голос")));
        Settle();
    }
    // Rows added to a shown list show once the events run; rows let go are freed.
    static void Settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QPushButton* Fold(const QString& Key) { return Screen.findChild<QPushButton*>(QStringLiteral("FoldButton:") + Key); }

    TCornerScreen Screen;
};

TEST_P(SlogiFolds, RowsAreBuiltOnlyWhenTheirLessonOpensAndStayOpenWhenShownAnew)
{
    const THeading& h = GetParam();
    const QString heading = QString::fromUtf8(h.Heading), folder = QString::fromUtf8(h.Folder);
    const int letterRows = RowsOf(Screen, QStringLiteral("Sound/"));
    EXPECT_EQ(letterRows, 33 + 31 + 8) << "letters and phrases unfolded, no row of Слоги";
    ASSERT_TRUE(Fold(heading));
    EXPECT_EQ(Fold(heading)->accessibleName(), heading);
    EXPECT_FALSE(Fold(heading + QStringLiteral("/м"))) << "lessons are built when their heading opens";

    QTest::keyClick(Fold(heading), Qt::Key_Return);
    Settle();
    QPushButton* lesson = Fold(heading + QStringLiteral("/м"));
    ASSERT_TRUE(lesson);
    EXPECT_EQ(lesson->accessibleName(), QString::fromUtf8(h.Caption));
    EXPECT_TRUE(lesson->isVisible());
    EXPECT_EQ(Fold(heading + QStringLiteral("/с"))->accessibleDescription(), heading + QStringLiteral(", свёрнуто"));
    EXPECT_EQ(RowsOf(Screen, folder), 0);

    lesson->setFocus();
    QTest::keyClick(lesson, Qt::Key_Space);
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), lesson);
    EXPECT_EQ(lesson->accessibleDescription(), heading + QStringLiteral(", развёрнуто"));
    const int lessonSize = heading == QStringLiteral("Слова") ? int(syllables::WordsReadableAfter(0).size())
                                                              : int(syllables::Lessons()[0].Syllables().size());
    EXPECT_EQ(RowsOf(Screen, folder), lessonSize) << "only the lesson opened is built";
    QPushButton* record = Named(Screen, QString::fromUtf8(h.Record));
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->isVisible());
    QTest::keyClick(lesson, Qt::Key_Tab);
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(),
              QString::fromUtf8(h.Record).replace(QStringLiteral("Записать"), QStringLiteral("Послушать")))
        << "Tab goes on into the lesson's rows";

    Screen.ShowClips(ownclips::SpokenClips(QStringLiteral("/nonexistent"), {}, QStringLiteral("Женский голос")));
    Settle();
    EXPECT_EQ(RowsOf(Screen, folder), lessonSize) << "the lesson open before is open again";
    ASSERT_TRUE(Named(Screen, QString::fromUtf8(h.Record)));
    QTest::keyClick(Fold(heading + QStringLiteral("/м")), Qt::Key_Space);
    EXPECT_FALSE(Named(Screen, QString::fromUtf8(h.Record))->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Headings, SlogiFolds,
                         ::testing::Values(THeading{"Syllables", "Слоги", "/Слоги/", "М: ма мо му мы …",
                                                    "Записать: слог ма"},
                                           THeading{"DrawnOut", "Слоги протяжно", "/Слоги/Протяжно/", "М: ма мо му мы …",
                                                    "Записать: слог ма протяжно"},
                                           THeading{"Words", "Слова", "/Слова/", "М: мама", "Записать: слово мама"}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// "Вернуть прежнюю запись" pressed in a lesson: the list shown anew keeps the focus on that row.
TEST_F(SlogiFolds, TheRowPressedKeepsTheFocusWhenTheListIsShownAnew)
{
    auto clips = ownclips::SpokenClips(QStringLiteral("/nonexistent"), {}, QStringLiteral("Женский голос"));
    const QString ma = QStringLiteral("Sound/Женский голос/Слоги/ма.mp3");
    for (ownclips::TSpokenClip& c : clips)
        if (c.Relative == ma) c.Source = ownclips::TClipSource::Own;
    Screen.ShowClips(clips);
    Settle();
    Fold(QStringLiteral("Слоги"))->click();
    Fold(QStringLiteral("Слоги/м"))->click();
    Settle();
    auto* revert = Screen.findChild<QPushButton*>(QStringLiteral("RevertButton:") + ma);
    ASSERT_TRUE(revert);
    revert->setFocus();
    Screen.ShowClips(ownclips::SpokenClips(QStringLiteral("/nonexistent"), {}, QStringLiteral("Женский голос")));
    Settle();
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("RecordButton:") + ma);
}

TEST_F(SlogiFolds, OpeningALessonFarDownKeepsTheListWhereItWas)
{
    QTest::keyClick(Fold(QStringLiteral("Слова")), Qt::Key_Space);
    auto* scroll = Screen.findChild<QScrollArea*>(QStringLiteral("VoiceScrollArea"));
    Settle();
    QPushButton* last = Fold(QStringLiteral("Слова/щ"));
    ASSERT_TRUE(last);
    last->setFocus();
    scroll->ensureWidgetVisible(last);
    QCoreApplication::processEvents();
    const int where = scroll->verticalScrollBar()->value();
    ASSERT_GT(where, 0);
    QTest::keyClick(last, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(scroll->verticalScrollBar()->value(), where);
    EXPECT_EQ(QApplication::focusWidget(), last);
    QPushButton* pike = Named(Screen, QStringLiteral("Записать: слово щука"));
    ASSERT_TRUE(pike) << "Enter opens the lesson";
    EXPECT_TRUE(pike->isVisible());
}

}  // namespace
