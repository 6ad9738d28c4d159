// The start-up loading: the overlay's sliding bar, the background loader and what the window
// does once it has ended.
#include "app/MainForm.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/ScreenCursor.h"
#include "support/FakeDialogs.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>

namespace {

// A gate the loader waits at until the test opens it; it outlives the window.
class TGate {
public:
    void Open()
    {
        std::lock_guard<std::mutex> lock(FMutex);
        FOpen = true;
        FWake.notify_all();
    }
    void Pass()
    {
        std::unique_lock<std::mutex> lock(FMutex);
        FWake.wait(lock, [this] { return FOpen; });
    }

private:
    std::mutex FMutex;
    std::condition_variable FWake;
    bool FOpen = false;
};

// A window whose loader can be held at its start, or made to fail at once.
class TLoadingForm : public TTestForm {
public:
    using TTestForm::TTestForm;
    enum class TWork { Real, FailAtOnce, WaitAtGate } Work = TWork::Real;
    TGate* Gate = nullptr;
    std::atomic<bool> RanOnWindowThread{false};
    std::atomic<int> Runs{0};
    bool NeverActivated = false;  // as under a bare X server with no window manager

protected:
    void changeEvent(QEvent* Event) override
    {
        if (NeverActivated && Event->type() == QEvent::ActivationChange) return QWidget::changeEvent(Event);
        TMainForm::changeEvent(Event);
    }
    void MakeGameObjects() override
    {
        ++Runs;
        RanOnWindowThread = QThread::currentThread() == thread();
        if (Work == TWork::FailAtOnce) throw std::bad_alloc();
        if (Work == TWork::WaitAtGate) Gate->Pass();
        TMainForm::MakeGameObjects();
    }
};

struct Loading : ::testing::Test {
    QTemporaryDir Dir;
    TFakeDialogs Dialogs;
    TGate Gate;
    std::unique_ptr<TLoadingForm> Form = std::make_unique<TLoadingForm>(&Dialogs, Dir.path() + "/");

    // Content the loader finds (nothing in it but the letters' folder), so that no box says there is none.
    void SetUp() override { QDir(Dir.path()).mkpath("Pic/Alphabet/Rus"); }

    // One 20 ms step of the loading bar, as its timer gives it.
    void Tick() { QMetaObject::invokeMethod(Named<QTimer>(*Form, "Timer1"), "timeout", Qt::DirectConnection); }

    void HoldLoader()
    {
        Form->Work = TLoadingForm::TWork::WaitAtGate;
        Form->Gate = &Gate;
    }

    int BarLeft() const { return Named<TPanel>(*Form, "ProgressPanel")->x(); }
    int BarWidth() const { return Named<TPanel>(*Form, "ProgressPanel")->width(); }
    void TearDown() override
    {
        Gate.Open();
        if (Form) Form->WaitForLoading();
    }
};

bool AllGameEntriesDisabled(const TTestForm& f)
{
    return !Named<QAction>(f, "SoundLetters")->isEnabled() && !Named<QAction>(f, "FindLetter")->isEnabled() &&
           !Named<QAction>(f, "MakeWord")->isEnabled() && !Named<QAction>(f, "Examination")->isEnabled() &&
           !Named<QAction>(f, "ShowRaskraskaMenu")->isEnabled();
}

}  // namespace

TEST_F(Loading, TheBarSweepsFromOutOfSightLeftToOutOfSightRightIn281Positions)
{
    Form->BeginWaiting();
    const int w = BarWidth();
    ASSERT_EQ(w, 280);
    EXPECT_EQ(BarLeft(), -w) << "never visible at its start position";
    EXPECT_TRUE(Named<QTimer>(*Form, "Timer1")->isActive());
    EXPECT_EQ(Named<QTimer>(*Form, "Timer1")->interval(), 20);
    EXPECT_TRUE(Named<TPanel>(*Form, "TimerPanel")->isVisibleTo(Form.get()));

    std::set<int> positions{BarLeft()};
    int ticks = 0;
    do {
        Tick();
        ++ticks;
        positions.insert(BarLeft());
    } while (BarLeft() != -w && ticks < 1000);
    EXPECT_EQ(ticks, 281) << "one sweep, then back to the start";
    EXPECT_EQ(positions.size(), 281u);
    EXPECT_EQ(*positions.rbegin(), w) << "one tick wholly out of sight on the right";

    // Hidden part-way, the bar keeps its place; showing again restarts it from the left.
    for (int i = 0; i < 10; ++i) Tick();
    Form->EndWaiting();
    EXPECT_FALSE(Named<QTimer>(*Form, "Timer1")->isActive());
    EXPECT_FALSE(Named<TPanel>(*Form, "TimerPanel")->isVisibleTo(Form.get()));
    EXPECT_EQ(BarLeft(), -w + 20);
    Form->BeginWaiting();
    EXPECT_EQ(BarLeft(), -w);
}

TEST_F(Loading, TheOverlayLiesAboveEverythingWhileShown)
{
    Named<TLabel>(*Form, "MenuLabel")->Press();  // the pop-up menu is open too
    Form->BeginWaiting();
    EXPECT_EQ(Form->children().last(), Named<TPanel>(*Form, "TimerPanel")) << "raised above every other child";
}

TEST_F(Loading, RunsOnTheLoaderThreadAndHandsTheEndToTheWindow)
{
    HoldLoader();
    Form->FormActivate();
    EXPECT_TRUE(Named<TPanel>(*Form, "TimerPanel")->isVisibleTo(Form.get()));
    EXPECT_TRUE(Named<QTimer>(*Form, "Timer1")->isActive());
    // While the loader works, the window's loop runs and no game can be started.
    ASSERT_TRUE(QTest::qWaitFor([] { return ui::ScreenCursor() == ui::TScreenCursor::HourGlass; }, 5000));
    EXPECT_TRUE(AllGameEntriesDisabled(*Form));
    Named<QAction>(*Form, "SoundLetters")->trigger();
    EXPECT_FALSE(Named<TPanel>(*Form, "GameSndTypePanel")->isVisibleTo(Form.get())) << "a game ran before loading ended";
    EXPECT_EQ(ui::ScreenCursor(), ui::TScreenCursor::HourGlass) << "set through the window's loop";
    EXPECT_TRUE(Named<TPanel>(*Form, "Panel1")->DoubleBuffered());
    EXPECT_TRUE(Named<TPanel>(*Form, "BigImagePanel")->DoubleBuffered());
    EXPECT_FALSE(Form->LoadingEnded());

    Gate.Open();
    Form->WaitForLoading();
    EXPECT_FALSE(Form->RanOnWindowThread);
    EXPECT_TRUE(Form->LoadingEnded());
    EXPECT_FALSE(Named<TPanel>(*Form, "TimerPanel")->isVisibleTo(Form.get()));
    EXPECT_FALSE(Named<QTimer>(*Form, "Timer1")->isActive());
    EXPECT_EQ(ui::ScreenCursor(), ui::TScreenCursor::Default);
    EXPECT_TRUE(Named<QAction>(*Form, "SoundLetters")->isEnabled());
    EXPECT_TRUE(Named<QAction>(*Form, "FindLetter")->isEnabled());
    EXPECT_TRUE(Named<QAction>(*Form, "MakeWord")->isEnabled());
    EXPECT_TRUE(Named<QAction>(*Form, "Examination")->isEnabled());
    EXPECT_TRUE(Named<QAction>(*Form, "ShowRaskraskaMenu")->isEnabled());
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(Loading, LoadingThatEndsWithinOneTickLeavesTheBarWhereItStarted)
{
    Form->FormActivate();
    Form->WaitForLoading();  // no timer tick can have run: the window's loop did not
    EXPECT_EQ(BarLeft(), -BarWidth());
    EXPECT_FALSE(Named<TPanel>(*Form, "TimerPanel")->isVisibleTo(Form.get()));
    EXPECT_NE(Form->Objects.RaskrasImgPanels, nullptr);
}

TEST_F(Loading, AFailureAtTheFirstObjectLeavesEveryReferenceEmptyAndTellsOnce)
{
    Form->Work = TLoadingForm::TWork::FailAtOnce;
    Form->FormActivate();
    Form->WaitForLoading();
    const TGameObjects& o = Form->Objects;
    EXPECT_TRUE(!o.PicGameBuffer && !o.MakeWBuffer && !o.ExamGame && !o.SndLetterPanels && !o.ExamLetterPanels &&
                !o.PicLetterPanels && !o.MakeWLetterPanels && !o.FirstLImgPanels && !o.MakeWImgPanels &&
                !o.RaskrasImgPanels);
    ASSERT_EQ(Dialogs.Calls.size(), 1u);
    EXPECT_EQ(Dialogs.Calls[0].Title, QStringLiteral("Кварнель"));
    EXPECT_EQ(Dialogs.Calls[0].Text, QStringLiteral("Ошибка загрузки. Недостаточно памяти"));
    EXPECT_FALSE(Named<TPanel>(*Form, "TimerPanel")->isVisibleTo(Form.get()));
    EXPECT_EQ(ui::ScreenCursor(), ui::TScreenCursor::Default);
    EXPECT_TRUE(AllGameEntriesDisabled(*Form));
}

TEST_F(Loading, StartsOncePerRun)
{
    Form->FormActivate();
    Form->WaitForLoading();
    const auto* board = Form->Objects.SndLetterPanels.get();
    Form->FormActivate();
    Form->StartLoading();
    Form->WaitForLoading();
    EXPECT_EQ(Form->Runs, 1);
    EXPECT_EQ(Form->Objects.SndLetterPanels.get(), board);
    EXPECT_FALSE(Named<TPanel>(*Form, "TimerPanel")->isVisibleTo(Form.get()));
}

TEST_F(Loading, ClosingTheWindowWhileLoadingWaitsForTheLoader)
{
    HoldLoader();
    Form->FormActivate();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Form->Runs == 1; }, 5000));
    // Freeing the objects must wait for the loader that is still making them (ASan catches the rest).
    std::thread opener([this] {
        QThread::msleep(30);
        Gate.Open();
    });
    Form.reset();
    opener.join();
}

TEST_F(Loading, TheFirstShowingStartsTheProgramWhereNoWindowIsEverActivated)
{
    // A bare X server has no window manager to activate the window: showing it must be enough.
    Form->NeverActivated = true;
    Form->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Form->Activated(); }, 5000));
    Form->WaitForLoading();
    EXPECT_EQ(Form->Runs, 1);
    EXPECT_EQ(Named<TPanel>(*Form, "GamesPanel")->children().last(), Named<TPanel>(*Form, "StartPanel"))
        << "the start screen is up";
    EXPECT_TRUE(Named<QAction>(*Form, "SoundLetters")->isEnabled());
    Form->hide();
    Form->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(Form->Runs, 1) << "a later showing starts nothing";
}
