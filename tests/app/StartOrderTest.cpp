// The program's own start paints its first frame before it builds the hidden parts of the window,
// makes its sound and starts loading; the window it ends with is the one a constructor that builds
// everything at once gives. A later start shows the start picture the first one kept.
#include "app/MainForm.h"
#include "app/StartPicture.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/RichEdit.h"
#include "platform/SpeedButton.h"
#include "support/FakeDialogs.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Every widget under Root, depth first in child order (which is their stacking order), with what
// the user sees of it.
void Describe(const QWidget* Widget, const QString& Indent, QStringList& Out)
{
    QString line = Indent + QString::fromLatin1(Widget->metaObject()->className()) + u' ' + Widget->objectName();
    // The loading bar stops wherever loading happened to end.
    if (Widget->objectName() != QStringLiteral("ProgressPanel")) {
        const QRect g = Widget->geometry();
        line += QStringLiteral(" %1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    }
    line += Widget->isHidden() ? QStringLiteral(" hidden") : QString();
    line += u' ' + Widget->font().family() + QString::number(Widget->font().pixelSize());
    if (auto* label = qobject_cast<const QLabel*>(Widget)) line += u' ' + label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(Widget)) line += u' ' + button->text();
    Out << line;
    for (const QObject* child : Widget->children())
        if (child->isWidgetType()) Describe(static_cast<const QWidget*>(child), Indent + u' ', Out);
}

QStringList Tree(const QWidget& Root)
{
    QStringList out;
    Describe(&Root, QString(), out);
    return out;
}

bool RunUntil(const std::function<bool()>& Done, int Ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!Done()) {
        if (clock.elapsed() > Ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

struct StartOrder : ::testing::Test {
    QTemporaryDir Program;
    QTemporaryDir Cache;
    TFakeDialogs Dialogs;
    QByteArray SavedCacheHome = qgetenv("XDG_CACHE_HOME");

    void SetUp() override
    {
        QDir(Program.path()).mkpath("Pic/Alphabet/Rus");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(Cache.path()));
    }
    void TearDown() override { qputenv("XDG_CACHE_HOME", SavedCacheHome); }

    // A window started as the program starts it, shown, until it has loaded.
    std::unique_ptr<TMainForm> Started()
    {
        auto form = std::make_unique<TMainForm>(&Dialogs, Program.path() + "/", nullptr, TStartOrder::FirstFrameFirst);
        form->show();
        EXPECT_TRUE(RunUntil([&] { return form->LoadingEnded(); }));
        form->WaitForLoading();
        return form;
    }
};

}  // namespace

TEST_F(StartOrder, TheFirstFrameComesFirstAndTheRestRightAfter)
{
    TMainForm form(&Dialogs, Program.path() + "/", nullptr, TStartOrder::FirstFrameFirst);
    // What the first frame does not show is not built yet.
    EXPECT_EQ(form.RichEdit1, nullptr);
    EXPECT_EQ(form.FileListBox1, nullptr);
    EXPECT_EQ(form.GameSndTypePanel, nullptr);
    ASSERT_NE(form.RulesPanel, nullptr);
    EXPECT_FALSE(form.Image2->Picture().isNull());
    std::vector<QString> events;
    form.AfterFirstFrame([&] {
        events.push_back(QStringLiteral("step: painted %1, rules built %2, loading ended %3")
                             .arg(form.FirstFramePainted())
                             .arg(form.RichEdit1 != nullptr)
                             .arg(form.LoadingEnded()));
    });
    form.FormActivate();
    EXPECT_TRUE(form.TimerPanel->isVisibleTo(&form)) << "the overlay is up for the first frame";
    QCoreApplication::processEvents();
    EXPECT_TRUE(events.empty()) << "nothing waits on a window never painted";
    EXPECT_FALSE(form.LoadingEnded());

    form.show();
    ASSERT_TRUE(RunUntil([&] { return form.LoadingEnded(); }));
    form.WaitForLoading();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], QStringLiteral("step: painted 1, rules built 1, loading ended 0"));
    EXPECT_NE(form.Objects.PicGameBuffer, nullptr);
    EXPECT_TRUE(form.FindLetter->isEnabled());
    // A step asked for later runs at once.
    bool ran = false;
    form.AfterFirstFrame([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST_F(StartOrder, TheWindowEndsAsIfBuiltAtOnce)
{
    auto whole = std::make_unique<TMainForm>(&Dialogs, Program.path() + "/");
    whole->show();
    ASSERT_TRUE(RunUntil([&] { return whole->LoadingEnded(); }));
    whole->WaitForLoading();
    const QStringList expected = Tree(*whole);
    whole.reset();

    const auto started = Started();
    const QStringList got = Tree(*started);
    ASSERT_GT(expected.size(), 150);
    EXPECT_EQ(got, expected);
    // The choosers answer their buttons as ever.
    started->SoundLettersExecute();
    started->LetterrsNamesSpeedButton->click();
    EXPECT_FALSE(started->SysPanel->isVisible());
}

TEST_F(StartOrder, ALaterStartShowsTheKeptStartPicture)
{
    const auto first = Started();
    const QImage drawn = first->Image2->Picture();
    ASSERT_FALSE(drawn.isNull());
    const auto kept = start_picture::ReadKept();
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(*kept, drawn.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(Started()->Image2->Picture(), *kept) << "the later start shows the kept picture";

    // Damaged: drawn again and kept anew.
    const QString file = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + "/start-screen.raw";
    ASSERT_TRUE(QFile::exists(file));
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    damaged.resize(damaged.size() / 2);
    damaged.close();
    EXPECT_FALSE(start_picture::ReadKept().has_value());
    const auto again = Started();
    const auto rekept = start_picture::ReadKept();
    ASSERT_TRUE(rekept.has_value());
    EXPECT_EQ(again->Image2->Picture().convertToFormat(QImage::Format_RGB32), *rekept);
    EXPECT_EQ(rekept->size(), drawn.size());
}
