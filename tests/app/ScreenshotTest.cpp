// Renders the main window offscreen at 1280 x 800 and writes PNG files under the build tree
// (screenshots/), to be looked at: the start screen, the open pop-up menu with the rules panel.
#include "app/MainForm.h"
#include "app/ParentControls.h"
#include "games/GameObjects.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "support/FakeDialogs.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString ShotPath(const char* Name)
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + QLatin1String(Name);
}

TEST(MainFormScreenshots, StartScreenAndOpenMenuWithRules)
{
    QTemporaryDir folder;
    TFakeDialogs dialogs;
    TTestForm form(&dialogs, folder.path() + QLatin1Char('/'));
    LoadGameObjects(form.Context(), form.Objects);
    form.UpdateGameActions();
    form.FormActivate();
    form.show();
    form.setWindowState(Qt::WindowNoState);
    form.resize(1280, 800);
    QCoreApplication::processEvents();
    ASSERT_EQ(form.size(), QSize(1280, 800));

    Named<TPanel>(form, "TimerPanel")->raise();  // the loading overlay as loading shows it
    ASSERT_TRUE(form.grab().toImage().save(ShotPath("main_loading_overlay.png")));
    Named<TPanel>(form, "TimerPanel")->lower();
    const QImage start = form.grab().toImage();
    ASSERT_TRUE(start.save(ShotPath("main_start.png")));
    // The ribbon is deep blue, the start screen shows its picture under it.
    EXPECT_EQ(QColor(start.pixel(900, 30)), QColor(0x08, 0x13, 0xF8));

    QTest::mouseClick(Named<TLabel>(form, "MenuLabel"), Qt::LeftButton, {}, QPoint(5, 5));
    Named<QAction>(form, "SoundLetters")->setEnabled(false);  // to see a disabled entry beside the enabled ones
    Named<QAction>(form, "FindLetter")->trigger();
    FinishPictureReading(form.Objects);
    Named<TPanel>(form, "PopupMenuPanel")->show();
    const QImage menu = form.grab().toImage();
    ASSERT_TRUE(menu.save(ShotPath("main_menu_rules.png")));

    Named<QAction>(form, "Examination")->trigger();
    ASSERT_TRUE(form.grab().toImage().save(ShotPath("main_exam_chooser.png")));
    // The screens themselves, without the rules over them.
    Named<QAction>(form, "CloseRulesPanel")->trigger();
    Named<TPanel>(form, "SysPanel")->hide();
    ASSERT_TRUE(form.grab().toImage().save(ShotPath("main_exam_screen.png")));
    Named<QAction>(form, "MakeWord")->trigger();
    FinishPictureReading(form.Objects);
    Named<QAction>(form, "CloseRulesPanel")->trigger();
    ASSERT_TRUE(form.grab().toImage().save(ShotPath("main_makeword_screen.png")));
    Named<TPanel>(form, "RaskraskaPanel")->raise();
    ASSERT_TRUE(form.grab().toImage().save(ShotPath("main_colouring_screen.png")));
    form.Objects.Reset();
}

// A start with the sound off: the indicator says so for a while, the mark stays on the ribbon.
TEST(MainFormScreenshots, RibbonOfAMutedStart)
{
    QTemporaryDir folder;
    TFakeDialogs dialogs;
    TTestForm form(&dialogs, folder.path() + QLatin1Char('/'));
    TRememberedChoices muted;
    muted.Muted = true;
    form.Controls().ApplyChoices(muted, muted);
    form.show();
    form.setWindowState(Qt::WindowNoState);
    form.resize(TMainForm::kBaseWidth, TMainForm::kBaseHeight);
    QCoreApplication::processEvents();
    ASSERT_TRUE(Named<TPanel>(form, "MenuRibbon")->grab().toImage().save(ShotPath("main_ribbon_muted.png")));
    form.FormActivate();
    form.setWindowState(Qt::WindowNoState);
    form.resize(1280, 800);
    QCoreApplication::processEvents();
    ASSERT_TRUE(form.grab(QRect(0, 0, 1280, 60)).toImage().save(ShotPath("main_ribbon_muted_start.png")));
    form.WaitForLoading();
}

}  // namespace
