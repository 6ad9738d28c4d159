// What a parent sets up once: the voice remembered across runs, volume and mute by keys with
// their indicator, full screen, the kiosk mode a child cannot leave, and the ways to quit.
#include "app/MainForm.h"
#include "app/ParentControls.h"
#include "app/VolumeIndicator.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "support/FakeDialogs.h"
#include "support/QtPrint.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A window that starts nothing in the background: only its own widgets matter here.
class TQuietForm : public TTestForm {
public:
    using TTestForm::TTestForm;
    void StartLoading() override {}
};

struct SetUpOnce : ::testing::Test {
    QTemporaryDir Dir;
    QString SettingsPath = Dir.filePath("kvarnel.conf");
    TFakeDialogs Dialogs;
    std::vector<std::pair<int, bool>> Volumes;  // what reached the sound

    // A window as the program starts it: the choices read from the file, Adjust for this run.
    std::unique_ptr<TTestForm> Open(QSettings& File, const std::function<void(TRememberedChoices&)>& Adjust = {})
    {
        auto form = std::make_unique<TQuietForm>(&Dialogs, Dir.path() + "/");
        form->Controls().SetVolumeHandler([this](int V, bool M) { Volumes.push_back({V, M}); });
        const TRememberedChoices stored = TRememberedChoices::Read(File);
        TRememberedChoices run = stored;
        if (Adjust) Adjust(run);
        form->Controls().ApplyChoices(stored, run);
        form->Controls().SetChoicesFile(&File);
        return form;
    }
};

}  // namespace

TEST_F(SetUpOnce, TheVoiceChosenIsTheVoiceOfTheNextRunFromItsFirstFrame)
{
    {
        QSettings file(SettingsPath, QSettings::IniFormat);
        auto first = Open(file);
        EXPECT_TRUE(Named<QRadioButton>(*first, "FemaleVoiceRadioButton")->isChecked()) << "female on a first run";
        EXPECT_EQ(first->Context().Settings.VoiceFolder, kFemaleVoice);
        QTest::mouseClick(Named<QRadioButton>(*first, "MaleVoiceRadioButton"), Qt::LeftButton);
        EXPECT_EQ(first->Context().Settings.VoiceFolder, kMaleVoice);
    }
    QSettings file(SettingsPath, QSettings::IniFormat);
    auto second = Open(file);
    EXPECT_TRUE(Named<QRadioButton>(*second, "MaleVoiceRadioButton")->isChecked());
    EXPECT_EQ(second->Context().Settings.VoiceFolder, kMaleVoice);
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(SetUpOnce, VolumeKeysStepByTenWithinBoundsMuteTogglesAndTheIndicatorShowsAndGoes)
{
    QSettings file(SettingsPath, QSettings::IniFormat);
    auto form = Open(file);
    ASSERT_EQ(Volumes.back(), std::make_pair(100, false)) << "the start's volume reaches the sound";
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));

    QTest::keyClick(form.get(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Volumes.back(), std::make_pair(90, false));
    EXPECT_TRUE(form->Controls().VolumeIndicator->isVisible());
    EXPECT_EQ(form->Controls().VolumeIndicator->Percent(), 90);
    EXPECT_TRUE(form->Controls().VolumeIndicator->testAttribute(Qt::WA_TransparentForMouseEvents)) << "it takes no clicks";
    for (int i = 0; i < 12; ++i) QTest::keyClick(form.get(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Volumes.back().first, 0);
    QTest::keyClick(form.get(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(Volumes.back(), std::make_pair(10, false));
    QTest::keyClick(form.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(Volumes.back(), std::make_pair(10, true));
    EXPECT_TRUE(form->Controls().VolumeIndicator->Muted());
    QTRY_VERIFY_WITH_TIMEOUT(form->Controls().VolumeIndicator->isHidden(), TVolumeIndicator::kShownMs + 2000);

    const TRememberedChoices saved = TRememberedChoices::Read(file);
    EXPECT_EQ(saved.Volume, 10);
    EXPECT_TRUE(saved.Muted);
}

TEST_F(SetUpOnce, TheCommandLinesValuesHoldForTheRunButAreNotWrittenBack)
{
    QSettings file(SettingsPath, QSettings::IniFormat);
    auto form = Open(file, [](TRememberedChoices& Run) {
        Run.Volume = 40;
        Run.Muted = true;
    });
    EXPECT_EQ(Volumes.back(), std::make_pair(40, true));
    QTest::mouseClick(Named<QRadioButton>(*form, "MaleVoiceRadioButton"), Qt::LeftButton);  // a change that is saved
    const TRememberedChoices saved = TRememberedChoices::Read(file);
    EXPECT_TRUE(saved.MaleVoice);
    EXPECT_EQ(saved.Volume, 100);
    EXPECT_FALSE(saved.Muted);
}

TEST_F(SetUpOnce, FullScreenTogglesWithF11AndIsRemembered)
{
    QSettings file(SettingsPath, QSettings::IniFormat);
    auto form = Open(file);
    form->show();
    form->Controls().FullScreen->trigger();
    EXPECT_TRUE(form->windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(TRememberedChoices::Read(file).FullScreen);
    form->Controls().FullScreen->trigger();
    EXPECT_FALSE(form->windowState() & Qt::WindowFullScreen);
    EXPECT_FALSE(TRememberedChoices::Read(file).FullScreen);

    // A run that starts full screen is full screen from its first activation.
    auto next = Open(file, [](TRememberedChoices& Run) { Run.FullScreen = true; });
    next->show();
    next->FormActivate();
    EXPECT_TRUE(next->windowState() & Qt::WindowFullScreen);
}

TEST_F(SetUpOnce, InKioskModeTheWindowCannotBeClosedLeftOrUsedToReachTheBrowser)
{
    QSettings file(SettingsPath, QSettings::IniFormat);
    auto form = Open(file, [](TRememberedChoices& Run) { Run.Kiosk = true; });
    QStringList opened;
    form->SetUrlOpener([&](const QString& Url) { opened << Url; });
    QSignalSpy quits(&form->Controls(), &TParentControls::QuitRequested);
    form->show();
    form->FormActivate();
    EXPECT_TRUE(form->windowState() & Qt::WindowFullScreen) << "full screen from the start";

    EXPECT_FALSE(form->close()) << "the close button, Alt+F4 and the window manager are refused";
    EXPECT_TRUE(form->isVisible());
    form->Controls().FullScreen->trigger();
    EXPECT_TRUE(form->windowState() & Qt::WindowFullScreen) << "F11 does nothing";
    QTest::mouseClick(Named<TLabel>(*form, "Label3"), Qt::LeftButton);
    EXPECT_TRUE(Dialogs.Calls.empty()) << "the web address asks nothing";
    EXPECT_TRUE(opened.isEmpty());
    form->Controls().Quit->trigger();
    EXPECT_EQ(quits.count(), 0) << "Ctrl+Q does not end a kiosk";

    // The adult's way out asks first, and quits on Yes only.
    Dialogs.YesNoAnswer = false;
    form->Controls().AskQuit->trigger();
    ASSERT_EQ(Dialogs.Calls.size(), 1u);
    EXPECT_EQ(Dialogs.Calls[0].Kind, TDialogCall::YesNo);
    EXPECT_EQ(Dialogs.Calls[0].Text, QStringLiteral("Выйти из программы?"));
    EXPECT_EQ(quits.count(), 0);
    Dialogs.YesNoAnswer = true;
    form->Controls().AskQuit->trigger();
    EXPECT_EQ(quits.count(), 1);
    EXPECT_TRUE(form->close()) << "once quitting, the window closes";
}

TEST_F(SetUpOnce, OutOfKioskModeCtrlQQuitsAtOnceAndTheAdultsExitStillAsks)
{
    QSettings file(SettingsPath, QSettings::IniFormat);
    auto form = Open(file);
    QSignalSpy quits(&form->Controls(), &TParentControls::QuitRequested);
    form->Controls().AskQuit->trigger();
    EXPECT_EQ(Dialogs.Calls.size(), 1u);
    EXPECT_EQ(quits.count(), 0);
    form->Controls().Quit->trigger();
    EXPECT_EQ(quits.count(), 1);
    EXPECT_EQ(Dialogs.Calls.size(), 1u) << "Ctrl+Q asks nothing";
    EXPECT_EQ(form->Controls().Quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(form->Controls().AskQuit->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    EXPECT_EQ(form->Controls().FullScreen->shortcut(), QKeySequence(Qt::Key_F11));
}

TEST_F(SetUpOnce, InKioskModeTheVolumeKeysAndF11DoNothingAndNothingTheChildDoesIsSaved)
{
    {
        QSettings seed(SettingsPath, QSettings::IniFormat);
        TRememberedChoices adults;
        adults.Volume = 60;
        adults.Write(seed);
    }
    const auto bytes = [this] {
        QFile f(SettingsPath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray before = bytes();
    ASSERT_FALSE(before.isEmpty());
    {
        QSettings file(SettingsPath, QSettings::IniFormat);
        auto form = Open(file, [](TRememberedChoices& Run) { Run.Kiosk = true; });
        form->show();
        form->FormActivate();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        const auto heard = Volumes;
        QTest::keyClick(form.get(), Qt::Key_M, Qt::ControlModifier);
        QTest::keyClick(form.get(), Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(form.get(), Qt::Key_F11);
        EXPECT_EQ(Volumes, heard) << "the sound stays as the adult set it";
        EXPECT_FALSE(form->Controls().VolumeIndicator->isVisible());
        EXPECT_FALSE(form->Controls().MuteMark->isVisible());
        EXPECT_TRUE(form->windowState() & Qt::WindowFullScreen);
        // A voice chosen holds for this run.
        QTest::mouseClick(Named<QRadioButton>(*form, "MaleVoiceRadioButton"), Qt::LeftButton);
        EXPECT_EQ(form->Context().Settings.VoiceFolder, kMaleVoice);
        form->Controls().QuitProgram();
        file.sync();
    }
    EXPECT_EQ(bytes(), before) << "the settings file is as the adult left it";
}

TEST_F(SetUpOnce, AMutedOrQuietStartIsShownAndTheMarkStaysOnTheRibbonWhileMuted)
{
    struct TCase {
        bool Muted;
        int Volume;
        bool Shown;
    } cases[] = {{true, 100, true}, {false, 20, true}, {true, 0, true}, {false, 30, false}, {false, 100, false}};
    for (const TCase& c : cases) {
        QSettings file(SettingsPath, QSettings::IniFormat);
        auto form = Open(file, [&](TRememberedChoices& Run) {
            Run.Muted = c.Muted;
            Run.Volume = c.Volume;
        });
        form->show();
        form->FormActivate();
        const TVolumeIndicator* indicator = form->Controls().VolumeIndicator;
        const QWidget* mark = form->Controls().MuteMark;
        const std::string what = std::to_string(c.Volume) + (c.Muted ? " muted" : "");
        EXPECT_EQ(indicator->isVisible(), c.Shown) << what;
        if (c.Shown) {
            EXPECT_EQ(indicator->Muted(), c.Muted) << what;
            EXPECT_EQ(indicator->ShownMs(), TParentControls::kStartShownMs) << what;
        }
        EXPECT_EQ(mark->isVisible(), c.Muted) << what;
        if (!c.Muted) continue;
        EXPECT_EQ(mark->accessibleName(), QStringLiteral("Звук выключен"));
        EXPECT_TRUE(mark->testAttribute(Qt::WA_TransparentForMouseEvents)) << "it takes no clicks";
        // Between the title and the voice chooser, touching neither, at the base size and maximised.
        Named<TPanel>(*form, "GenderVoiceRadioPanel")->show();  // as on a game's screen
        for (const QSize& size : {QSize(TMainForm::kBaseWidth, TMainForm::kBaseHeight), QSize(1920, 1080)}) {
            form->setWindowState(Qt::WindowNoState);
            form->resize(size);
            QCoreApplication::processEvents();
            EXPECT_GT(mark->geometry().left(), Named<TLabel>(*form, "TitleLabel")->geometry().right()) << what;
            EXPECT_LT(mark->geometry().right(), Named<TPanel>(*form, "GenderVoiceRadioPanel")->geometry().left()) << what;
        }
        form->Controls().ToggleMute();
        EXPECT_FALSE(mark->isVisible()) << "sound on again: the mark goes";
    }
}
