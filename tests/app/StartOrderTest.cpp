// The program's own start paints its first frame before it builds the hidden parts of the window,
// makes its sound and starts loading; the window it ends with is the one a constructor that builds
// everything at once gives. The start picture is the one drawn when the program was built.
#include "app/MainForm.h"
#include "app/StartPicture.h"
#include "app/StartSequence.h"
#include "core/Artwork.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/RichEdit.h"
#include "platform/widgets/SpeedButton.h"
#include "support/FakeDialogs.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <map>

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
    std::unique_ptr<TTestForm> Started()
    {
        auto form = std::make_unique<TTestForm>(&Dialogs, Program.path() + "/", nullptr, TStartOrder::FirstFrameFirst);
        form->show();
        EXPECT_TRUE(RunUntil([&] { return form->LoadingEnded(); }));
        form->WaitForLoading();
        return form;
    }
};

// One run of the sequence: what happens, step by step, as a line of what was done.
struct TSequenceRun {
    QStringList Done;
    TStartSequence Sequence;
    explicit TSequenceRun(bool Wait)
        : Sequence(Wait, {[this] { Done << "activate"; }, [this] { Done << "overlay"; }, [this] { Done << "rest"; },
                          [this] { Done << "program"; }, [this] { Done << "load"; }})
    {}
    // Events: a activation, p painted, s settled (queued calls run), l loaded, e ending.
    QString Run(const QString& Events)
    {
        const std::map<QChar, std::function<void()>> event = {
            {'a', [this] { Sequence.Activate(); }},
            {'p', [this] { Sequence.Painted(); }},
            {'s', [] { QCoreApplication::processEvents(); }},
            {'l', [this] { Sequence.Loaded(); }},
            {'e', [this] { Sequence.End(); }},
        };
        for (QChar e : Events) event.at(e)();
        return Done.join(' ');
    }
};

}  // namespace

TEST(StartSequence, StepsRunInTheirOrderWhateverOrderTheEventsCome)
{
    using S = TStartStep;
    struct TCase {
        bool Wait;
        const char* Events;
        const char* Done;
        TStartStep Step;
    } cases[] = {
        // The program's start: the first frame, with the overlay, before anything else.
        {true, "", "", S::Building},
        {true, "a", "activate overlay", S::Activated},
        {true, "ap", "activate overlay", S::Painted},
        {true, "aps", "activate overlay rest program load", S::Loading},
        {true, "apsl", "activate overlay rest program load", S::Loaded},
        {true, "apspsa", "activate overlay rest program load", S::Loading},
        // Painted before the activation the showing asked for: activation first all the same.
        {true, "p", "", S::Building},
        {true, "ps", "activate overlay rest program load", S::Loading},
        {true, "l", "", S::Building},
        // Ending: nothing more starts, and a late loader's end changes nothing.
        {true, "aeps", "activate overlay", S::Ending},
        {true, "apesl", "activate overlay", S::Ending},
        {true, "e", "", S::Ending},
        // Built at once (tests, benchmarks): activation goes straight on to loading.
        {false, "a", "activate load", S::Loading},
        {false, "psa", "activate load", S::Loading},
        {false, "al", "activate load", S::Loaded},
    };
    for (const TCase& c : cases) {
        TSequenceRun run(c.Wait);
        EXPECT_EQ(run.Run(QString::fromLatin1(c.Events)), QString::fromLatin1(c.Done)) << c.Wait << ' ' << c.Events;
        EXPECT_EQ(run.Sequence.Step(), c.Step) << c.Wait << ' ' << c.Events;
    }
}

TEST_F(StartOrder, TheFirstFrameComesFirstAndTheRestRightAfter)
{
    TTestForm form(&Dialogs, Program.path() + "/", nullptr, TStartOrder::FirstFrameFirst);
    // What the first frame does not show is not built yet.
    EXPECT_EQ(form.findChild<TRichEdit*>("RichEdit1"), nullptr);
    EXPECT_EQ(form.findChild<QListWidget*>("FileListBox1"), nullptr);
    EXPECT_EQ(form.findChild<TPanel*>("GameSndTypePanel"), nullptr);
    ASSERT_NE(Named<TPanel>(form, "RulesPanel"), nullptr);
    EXPECT_FALSE(Named<TImage>(form, "Image2")->Picture().isNull());
    std::vector<QString> events;
    form.StartUp().SetAfterFirstFrame([&] {
        events.push_back(QStringLiteral("step: painted %1, rules built %2, loading ended %3")
                             .arg(form.StartUp().Reached(TStartStep::Painted))
                             .arg(form.findChild<TRichEdit*>("RichEdit1") != nullptr)
                             .arg(form.LoadingEnded()));
    });
    form.FormActivate();
    EXPECT_TRUE(Named<TPanel>(form, "TimerPanel")->isVisibleTo(&form)) << "the overlay is up for the first frame";
    QCoreApplication::processEvents();
    EXPECT_TRUE(events.empty()) << "nothing waits on a window never painted";
    EXPECT_FALSE(form.LoadingEnded());

    form.show();
    ASSERT_TRUE(RunUntil([&] { return form.LoadingEnded(); }));
    form.WaitForLoading();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], QStringLiteral("step: painted 1, rules built 1, loading ended 0"));
    EXPECT_NE(form.Objects.PicGameBuffer, nullptr);
    EXPECT_TRUE(Named<QAction>(form, "FindLetter")->isEnabled());
}

// The program shows its window before building its widgets: its first frame shows what a window
// shown once built does, and the start goes on from there.
TEST_F(StartOrder, AWindowShownBeforeItsWidgetsAreBuiltShowsTheSameFirstFrame)
{
    TTestForm shownAfter(&Dialogs, Program.path() + "/", nullptr, TStartOrder::FirstFrameFirst);
    shownAfter.show();
    TTestForm shownBefore(&Dialogs, Program.path() + "/", nullptr, TStartOrder::FirstFrameFirst,
                          [](QWidget& Window) { Window.show(); });
    EXPECT_EQ(Tree(shownBefore), Tree(shownAfter));
    ASSERT_TRUE(RunUntil([&] { return shownBefore.LoadingEnded() && shownAfter.LoadingEnded(); }));
    shownBefore.WaitForLoading();
    shownAfter.WaitForLoading();
    EXPECT_EQ(Tree(shownBefore), Tree(shownAfter));
}

TEST_F(StartOrder, TheWindowEndsAsIfBuiltAtOnce)
{
    auto whole = std::make_unique<TTestForm>(&Dialogs, Program.path() + "/");
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
    Named<QAction>(*started, "SoundLetters")->trigger();
    Named<TSpeedButton>(*started, "LetterrsNamesSpeedButton")->click();
    EXPECT_FALSE(Named<TPanel>(*started, "SysPanel")->isVisible());
}

TEST_F(StartOrder, TheStartShowsThePictureDrawnAtBuildTimeAndItIsTheDrawingOfNow)
{
    const auto builtIn = start_picture::BuiltIn();
    ASSERT_TRUE(builtIn.has_value()) << "the program's resources hold no whole start picture";
    // Stale or drawn otherwise (another font, a changed drawing left unbuilt) shows here.
    EXPECT_EQ(*builtIn, artwork::StartScreen().convertToFormat(QImage::Format_RGB32));
    const QImage shown = Named<TImage>(*Started(), "Image2")->Picture();
    EXPECT_EQ(shown, *builtIn);
    // Where the stored pixels lie aligned they are shown in place: neither drawn nor copied.
    if (reinterpret_cast<std::uintptr_t>(builtIn->constBits()) % 4 == 0) {
        EXPECT_EQ(shown.constBits(), builtIn->constBits());
    }
    EXPECT_TRUE(QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).isEmpty())
        << "a start writes nothing into the cache folder";
}

TEST(StartPictureStored, ReadsBackWholeAndRefusesWhatIsNotAWholePicture)
{
    QImage picture(5, 3, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    picture.setPixel(4, 2, qRgb(200, 100, 50));
    const QByteArray stored = start_picture::Stored(picture);
    const auto back = start_picture::FromStored(stored);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, picture);
    // Read at an odd address: still the same picture (a copy).
    const QByteArray shifted = QByteArray(1, 'x') + stored;
    EXPECT_EQ(start_picture::FromStored(QByteArrayView(shifted).sliced(1)), picture);
    for (const QByteArray& bad : {stored.left(stored.size() - 1), stored + "x", stored.left(6), QByteArray(8, '\0')})
        EXPECT_FALSE(start_picture::FromStored(bad).has_value()) << bad.size();
}
