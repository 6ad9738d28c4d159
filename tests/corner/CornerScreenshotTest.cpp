// "Голос" with "Слоги" open on its first lesson, at 1280 × 1024 and at the window's base size
// 1107 × 799: the lesson's rows fit the width (no row's buttons cut off), saved to screenshots/.
#include "CornerWorld.h"

#include <QCoreApplication>
#include <QDir>
#include <QScrollArea>
#include <QScrollBar>

namespace {

QString ShotPath(const QString& Name)
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    return dir + u'/' + Name;
}

class GolosSlogiShot : public ::testing::TestWithParam<QSize> {};

TEST_P(GolosSlogiShot, LessonOpenFitsTheWidth)
{
    TCornerWorld w;
    w.Window.resize(GetParam());
    w.Enter();
    w.Press(QStringLiteral("FoldButton:Слоги"));
    w.Press(QStringLiteral("FoldButton:Слоги/м"));
    auto* scroll = w.Named<QScrollArea>(QStringLiteral("VoiceScrollArea"));
    auto* lesson = w.Named<QPushButton>(QStringLiteral("FoldButton:Слоги/м"));
    auto* heading = w.Named<QPushButton>(QStringLiteral("FoldButton:Слоги"));
    auto* record = w.Named<QPushButton>(QStringLiteral("RecordButton:Sound/Женский голос/Слоги/ма.mp3"));
    ASSERT_TRUE(scroll && lesson && heading && record);
    lesson->setFocus();
    // The heading at the top of the list, the lesson and its rows below it. The rows are laid out
    // some events after the lesson opens (on a busy machine, later): until then the list is too
    // short to scroll that far.
    const auto headingOnTop = [&] {
        const int top = heading->mapTo(scroll->widget(), QPoint(0, 0)).y();
        scroll->verticalScrollBar()->setValue(top);
        return record->isVisible() && scroll->verticalScrollBar()->value() == top;
    };
    ASSERT_TRUE(QTest::qWaitFor(headingOnTop));
    QCoreApplication::processEvents();
    const QRect inView(record->mapTo(scroll->viewport(), QPoint(0, 0)), record->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(inView))
        << "the first syllable's row is shown whole: " << inView.x() << ',' << inView.y() << ' ' << inView.width() << 'x'
        << inView.height();
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible());
    const QString name = QStringLiteral("golos_slogi_%1x%2.png").arg(GetParam().width()).arg(GetParam().height());
    EXPECT_TRUE(w.Window.grab().toImage().save(ShotPath(name)));
}

INSTANTIATE_TEST_SUITE_P(Sizes, GolosSlogiShot, ::testing::Values(QSize(1280, 1024), QSize(1107, 799)),
                         [](const auto& Info) {
                             return "w" + std::to_string(Info.param.width()) + "h" + std::to_string(Info.param.height());
                         });

}  // namespace
