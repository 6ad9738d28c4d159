// Pictures of the colouring book and of the loading overlay, written under the build tree to look
// at: the overlay over the start screen, the theme menu, a theme's screen and a printed page.
#include "app/MainForm.h"
#include "pictures/ImgPanelCollection.h"
#include "pictures/PagePrinting.h"
#include "platform/FileSystem.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/QtPrinter.h"
#include "platform/widgets/SpeedButton.h"
#include "support/FakeDialogs.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {
QString ShotFolder()
{
    const QString dir = fs::ExeFolder() + "screenshots/";
    QDir().mkpath(dir);
    return dir;
}
}  // namespace

// Uses the demo content the build generates beside the test programs, when it is there.
TEST(ColouringScreenshots, OverlayThemeMenuColouringScreenAndPrintedPage)
{
    const QString root = fs::ExeFolder();
    if (fs::ListSubFolders(root + "Pic/Raskraska").isEmpty()) GTEST_SKIP() << "no demo colouring pages";
    TFakeDialogs dialogs;
    TTestForm form(&dialogs, root);
    form.resize(1280, 800);
    form.FormActivate();
    form.resize(1280, 800);
    ASSERT_TRUE(form.grab().save(ShotFolder() + "loading_overlay_start.png"));
    form.WaitForLoading();

    Named<TLabel>(form, "MenuLabel")->Press();
    Named<QAction>(form, "ShowRaskraskaMenu")->trigger();
    ASSERT_TRUE(form.grab().save(ShotFolder() + "colouring_theme_menu.png"));

    auto buttons = Named<TPanel>(form, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly);
    ASSERT_FALSE(buttons.isEmpty());
    buttons.front()->click();
    TRaskrasImgPanelCollection& strip = *form.Objects.RaskrasImgPanels;
    ASSERT_GT(strip.Count(), 0);
    strip.GetTile(0)->PictureClick();
    Named<QAction>(form, "CloseRulesPanel")->trigger();
    ASSERT_TRUE(form.grab().save(ShotFolder() + "colouring_screen.png"));

    // The page as the printer gets it, through a PDF, then as a picture to look at.
    const QString pdf = ShotFolder() + "colouring_print.pdf";
    TQtPrinter printer;
    printer.Device().setOutputFormat(QPrinter::PdfFormat);
    printer.Device().setOutputFileName(pdf);
    form.Context().Printer = [p = &printer]() -> IPrinter* { return p; };
    Named<QAction>(form, "PrintRaskraska")->trigger();
    form.Context().Printer = nullptr;
    ASSERT_TRUE(QFile::exists(pdf));
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (!pdftoppm.isEmpty())
        QProcess::execute(pdftoppm, {"-png", "-r", "40", "-singlefile", pdf, ShotFolder() + "colouring_print"});
}
