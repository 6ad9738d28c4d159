// The main window: its regions at the base size 1099 x 770 and maximised, which screen the user sees after
// each action, the menu, the web-link question, the "Меню" bevel, the start-up and the settings.
#include "app/MainForm.h"
#include "core/Vendor.h"
#include "games/GameObjects.h"
#include "pictures/PictureFiles.h"
#include "platform/widgets/Align.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/RichEdit.h"
#include "platform/widgets/ScreenCursor.h"
#include "platform/widgets/ScrollBox.h"
#include "platform/widgets/SpeedButton.h"
#include "support/FakeDialogs.h"
#include "support/QtPrint.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// A window whose loading start is counted instead of run.
class TCountingForm : public TMainForm {
public:
    using TMainForm::TMainForm;
    int LoadingStarts = 0;
    void StartLoading() override { ++LoadingStarts; }
};

struct MainForm : ::testing::Test {
    QTemporaryDir Folder;
    TFakeDialogs Dialogs;
    std::unique_ptr<TCountingForm> Form;
    QStringList Opened;

    void SetUp() override
    {
        Form = std::make_unique<TCountingForm>(&Dialogs, Folder.path() + QLatin1Char('/'));
        Form->SetUrlOpener([this](const QString& Url) { Opened << Url; });
    }
    void TearDown() override { Form->Objects.Reset(); }

    // The window on the (offscreen) screen at Size, not maximised.
    void ShowAt(const QSize& Size)
    {
        Form->FormActivate();  // so that an activation by the platform changes nothing later
        Form->show();
        Form->setWindowState(Qt::WindowNoState);
        Form->resize(Size);
        QApplication::processEvents();
        ASSERT_EQ(Form->size(), Size);
    }

    void HaveAllObjects()
    {
        Form->Objects.Reset();
        LoadGameObjects(Form->Context, Form->Objects);
        Form->UpdateGameActions();
    }

    // The highest of Parent's visible children: what lies on top there.
    static QWidget* TopVisible(QWidget* Parent)
    {
        const QObjectList& children = Parent->children();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            if (auto* w = qobject_cast<QWidget*>(*it); w && !w->isHidden()) return w;
        return nullptr;
    }
    // The screen on top of the games area, the floating rules panel aside.
    QWidget* TopScreen() const
    {
        const QObjectList& children = Form->GamesPanel->children();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            if (auto* w = qobject_cast<QWidget*>(*it); w && !w->isHidden() && w != Form->RulesPanel) return w;
        return nullptr;
    }
    static bool Above(QWidget* A, QWidget* B)
    {
        const QObjectList& c = A->parentWidget()->children();
        return c.indexOf(A) > c.indexOf(B);
    }
    // The rules panel floats over the top screen with the page Page in front.
    void ExpectRulesOnTopWith(QWidget* Page) const
    {
        EXPECT_FALSE(Form->RulesPanel->isHidden());
        EXPECT_TRUE(Above(Form->RulesPanel, TopScreen()));
        EXPECT_EQ(TopVisible(Form->RulesContextPanel), Page);
    }
};

// The window with the program-wide objects made, as after loading: the game actions run for real
// on an empty content folder.
struct MainFormGames : MainForm {
    void SetUp() override
    {
        MainForm::SetUp();
        // Two word pictures, so that the picture games have something to play with.
        const QString words = Folder.path() + QStringLiteral("/Pic/Images/Rus/");
        ASSERT_TRUE(QDir().mkpath(words));
        testpics::WriteJpeg(words + QStringLiteral("арбуз.jpg"), 40, 30);
        testpics::WriteJpeg(words + QStringLiteral("банан.jpg"), 30, 40, Qt::yellow);
        LoadGameObjects(Form->Context, Form->Objects);
        Form->UpdateGameActions();
    }
    void TearDown() override { Form->Objects.Reset(); }
};

// --- Regions ---

TEST_F(MainForm, EveryWidgetSitsAtItsBaseBoundsWhenItsParentHasItsBaseSize)
{
    // At the base size the media strip takes its 41 px; shown, it gives every region its base size.
    Form->SystemPanel->show();
    ui::Realign(Form.get());
    int checked = 0;
    for (QWidget* w : Form->findChildren<QWidget*>()) {
        QRect bounds;
        QSize parentSize;
        if (!ui::BaseOf(w, &bounds, &parentSize)) continue;
        ASSERT_EQ(w->parentWidget()->size(), parentSize) << w->objectName().toStdString();
        EXPECT_EQ(w->geometry(), bounds) << w->objectName().toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST_F(MainForm, RegionsAtTheBaseClientArea)
{
    ShowAt({1099, 770});
    EXPECT_EQ(Form->MenuRibbon->geometry(), QRect(0, 0, 1099, 57));
    EXPECT_EQ(Form->MenuPanel->geometry(), QRect(1, 1, 112, 55));
    EXPECT_EQ(Form->GenderVoiceRadioPanel->geometry(), QRect(1008, 1, 90, 55));
    EXPECT_EQ(Form->ContentPanel->geometry(), QRect(0, 57, 1099, 713));
    // The hidden media strip takes no space: the screens fill the whole content area.
    EXPECT_EQ(Form->GamesPanel->geometry(), QRect(0, 0, 1099, 713));
    EXPECT_EQ(Form->SysPanel->geometry(), QRect(0, 0, 1099, 713));
    EXPECT_EQ(Form->StartPanel->geometry(), QRect(0, 0, 1099, 713));
    EXPECT_EQ(Form->LettersSndScrollBox->geometry(), QRect(0, 0, 1099, 713));
    EXPECT_EQ(Form->TimerPanel->geometry(), QRect(472, 351, 284, 73));
    EXPECT_EQ(Form->PopupMenuPanel->geometry(), QRect(46, 37, 140, 221));
    EXPECT_EQ(Form->RaskraskaPopupMenuPanel->geometry(), QRect(184, 232, 117, 81));
    // Floating panels keep their relative place in the taller games area: centre 301 of 672 -> 319 of 713.
    EXPECT_EQ(Form->RulesPanel->geometry(), QRect(311, 155, 468, 328));
    EXPECT_EQ(Form->GameSndTypePanel->geometry(), QRect(397, 278, 305, 66));
    // The strips' columns and the big pictures follow the height.
    EXPECT_EQ(Form->ScrollImgContentPanel->geometry(), QRect(866, 0, 233, 713));
    EXPECT_EQ(Form->ImgScrollBox->size(), QSize(217, 697));
    EXPECT_EQ(Form->BigImagePanel->geometry(), QRect(4, 78, 858, 631));
    EXPECT_EQ(Form->RasImgScrollBox->size(), QSize(217, 697));
    EXPECT_EQ(Form->StartExamContentPanel->geometry(), QRect(388, 244, 323, 177));
}

TEST_F(MainForm, RegionsWhenMaximisedOnA1920By1080Screen)
{
    ShowAt({1920, 1080});
    EXPECT_EQ(Form->MenuRibbon->geometry(), QRect(0, 0, 1920, 57));
    EXPECT_EQ(Form->MenuPanel->geometry(), QRect(1, 1, 112, 55));
    // The voice chooser, hidden on the start screen, takes its place at the right when shown.
    Form->GenderVoiceRadioPanel->show();
    EXPECT_EQ(Form->GenderVoiceRadioPanel->geometry(), QRect(1829, 1, 90, 55));
    EXPECT_EQ(Form->FemaleVoiceRadioButton->geometry(), QRect(17, 8, 73, 17));
    EXPECT_EQ(Form->ContentPanel->geometry(), QRect(0, 57, 1920, 1023));
    EXPECT_EQ(Form->GamesPanel->geometry(), QRect(0, 0, 1920, 1023));
    EXPECT_EQ(Form->PopupMenuPanel->geometry(), QRect(46, 37, 140, 221));
    EXPECT_EQ(Form->SpeedButton3->geometry(), QRect(3, 25, 133, 34));
    EXPECT_EQ(Form->SpeedButton1->geometry(), QRect(116, 0, 22, 22));

    // Floating panels: centres scale with their parents.
    EXPECT_EQ(Form->TimerPanel->geometry(), QRect(931, 507, 284, 73));
    EXPECT_EQ(Form->RulesPanel->geometry(), QRect(718, 294, 468, 328));
    EXPECT_EQ(Form->GameSndTypePanel->geometry(), QRect(807, 413, 305, 66));
    EXPECT_EQ(Form->StartExamContentPanel->geometry(), QRect(798, 399, 323, 177));
    const int titleWidth = Form->TitleLabel->width();
    EXPECT_EQ(Form->TitleLabel->x(), int(std::lround((422 + titleWidth / 2) * 1920.0 / 1099)) - titleWidth / 2);
    // Inside the rules panel the close button keeps to the right edge and the text boxes grow with nothing.
    EXPECT_EQ(Form->RulesCloseButton->geometry(), QRect(395, 8, 65, 25));
    EXPECT_EQ(Form->RulesGame1RichEdit->geometry(), QRect(4, 4, 456, 252));

    // The game screens: columns of 233 at the right, pictures anchored on all sides.
    EXPECT_EQ(Form->GamePicContextPanel->geometry(), QRect(0, 0, 1687, 1023));
    EXPECT_EQ(Form->LetersPicPanel->geometry(), QRect(4, 4, 1679, 70));
    EXPECT_EQ(Form->BigImagePanel->geometry(), QRect(4, 78, 1679, 941));
    EXPECT_EQ(Form->BigImage->geometry(), QRect(8, 8, 1663, 925));
    EXPECT_EQ(Form->ImgScrollBox->size(), QSize(217, 1007));
    EXPECT_EQ(Form->MakeWWordPanel->geometry(), QRect(4, 5, 1679, 60));
    EXPECT_EQ(Form->MakeWWordPanel->parentWidget()->geometry(), QRect(0, 954, 1687, 69));
    EXPECT_EQ(Form->MakeWImagePanel->geometry(), QRect(4, 78, 1679, 876));
    EXPECT_EQ(Form->MakeWImage->geometry(), QRect(8, 8, 1663, 860));
    EXPECT_EQ(Form->RasBigImage->geometry(), QRect(8, 8, 1662, 935));
    EXPECT_EQ(Form->RasImgScrollBox->size(), QSize(217, 1007));
    EXPECT_EQ(Form->SpeedButton2->geometry(), QRect(4, 4, 53, 49));
    EXPECT_EQ(Form->LettersExamScrollBox->geometry(), QRect(0, 0, 1920, 976));
    EXPECT_EQ(Form->RepeatSndButton->geometry(), QRect(5, 3, 49, 33));

    // And back to the base size: everything returns.
    Form->resize(1099, 770);
    QApplication::processEvents();
    EXPECT_EQ(Form->RulesPanel->geometry(), QRect(311, 155, 468, 328));
    EXPECT_EQ(Form->BigImage->geometry(), QRect(8, 8, 842, 615));
}

TEST_F(MainForm, StackingOrderAtCreation)
{
    const QObjectList& window = Form->children();
    auto at = [&](QWidget* w) { return window.indexOf(w); };
    EXPECT_LT(at(Form->TimerPanel), at(Form->MenuRibbon));
    EXPECT_LT(at(Form->MenuRibbon), at(Form->ContentPanel));
    EXPECT_LT(at(Form->ContentPanel), at(Form->PopupMenuPanel));
    EXPECT_LT(at(Form->PopupMenuPanel), at(Form->RaskraskaPopupMenuPanel));
    const QList<QWidget*> screens = {Form->GamePicPanel, Form->GameSndPanel,   Form->GameMakeWPanel, Form->StartPanel,
                                     Form->RulesPanel,   Form->RaskraskaPanel, Form->GameExamPanel};
    for (int i = 1; i < screens.size(); ++i) EXPECT_TRUE(Above(screens[i], screens[i - 1])) << i;
    const QList<QWidget*> pages = {Form->RuleExamGamePanel, Form->RuleRasPanel, Form->RulePicGamePanel,
                                   Form->RuleMakeWGamePanel, Form->RuleSndGamePanel};
    for (int i = 1; i < pages.size(); ++i) EXPECT_TRUE(Above(pages[i], pages[i - 1])) << i;
    EXPECT_TRUE(Form->PopupMenuPanel->isHidden());
    EXPECT_TRUE(Form->RaskraskaPopupMenuPanel->isHidden());
    EXPECT_TRUE(Form->RulesPanel->isHidden());
    EXPECT_TRUE(Form->SourcePanel->isHidden());
    EXPECT_TRUE(Form->SystemPanel->isHidden());
    EXPECT_FALSE(Form->TimerPanel->isHidden());
}

TEST_F(MainForm, CaptionsFontsAndColours)
{
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Кварнель"));
    EXPECT_EQ(Form->MenuLabel->text(), QStringLiteral("Меню"));
    EXPECT_EQ(Form->MenuLabel->font().pixelSize(), 21);
    EXPECT_EQ(Form->TitleLabel->text(), QStringLiteral("Кварнель"));
    EXPECT_EQ(Form->TitleLabel->font().pixelSize(), 27);
    EXPECT_EQ(Form->Label3->text(), kVendorWebAddress);
    EXPECT_EQ(Form->ProgressLabel->text(), QStringLiteral("Подождите идет загрузка..."));
    EXPECT_EQ(Form->MenuRibbon->Color(), QColor(0x08, 0x13, 0xF8));
    EXPECT_EQ(Form->ContentPanel->Color(), QColor(0xE6, 0xAC, 0x00));
    EXPECT_EQ(Form->StartPanel->Color(), QColor(0x51, 0xDB, 0xF5));
    EXPECT_EQ(Form->RulesCaptionPanel->Color(), QColor(0x0C, 0xAC, 0xC9));
    EXPECT_EQ(Form->ProgressPanel->Color(), QColor(0x78, 0xCE, 0xFC));
    EXPECT_EQ(Form->Panel1->Color(), QColor(0xA0, 0xA0, 0xA4));
    EXPECT_EQ(Form->MenuPanel->BevelOuter(), TBevel::None);
    EXPECT_EQ(Form->MenuPanel->BevelInner(), TBevel::Raised);
    EXPECT_EQ(Form->TimerPanel->BevelInner(), TBevel::Lowered);
    EXPECT_EQ(Form->Image2->Picture().size(), QSize(800, 600));
    EXPECT_EQ(Form->StartExamImage->Picture().size(), QSize(30, 30));
    EXPECT_EQ(Form->RepeatSndButton->Glyph().size(), QSize(30, 30));
    EXPECT_EQ(Form->SpeedButton2->Glyph().size(), QSize(38, 38));

    const QStringList captions = {Form->SpeedButton3->Caption(), Form->SpeedButton4->Caption(),
                                  Form->SpeedButton5->Caption(), Form->SpeedButton6->Caption(),
                                  Form->SpeedButton7->Caption()};
    EXPECT_EQ(captions, QStringList({"Обучение", "Найди букву", "Дед Буквоед", "Экзамен", "Раскраска"}));
    EXPECT_EQ(Form->SpeedButton7->geometry().top() - Form->SpeedButton6->geometry().top(), 39);
    EXPECT_EQ(Form->RulesCloseButton->Caption(), QStringLiteral("Закрыть"));
    EXPECT_EQ(Form->LetterrsNamesSpeedButton->Caption(), QStringLiteral("Название букв"));
    EXPECT_EQ(Form->SpeedButton9->Caption(), QStringLiteral("Звуки"));
}

TEST_F(MainForm, RulesPagesHoldTheirLinesExactly)
{
    EXPECT_EQ(Form->RulesGame1RichEdit->Lines(),
              QStringList({"Ребенок может находить соответствие между ", "изображением буквы и ее звуком. При нажатии ",
                           "на букву проигрывается звук."}));
    EXPECT_EQ(Form->RichEdit1->Lines(), QStringList({"Ребенку нужно найти букву с которой начинается ",
                                                     "слово изображенное на рисунке и нажать на нее."}));
    EXPECT_EQ(Form->RichEdit3->Lines(),
              QStringList({"Под картинкой написано слово изображенное на ", "рисунке с одной пропущеной буквой. Необходимо ",
                           "чтоб ребенок выбрал эту букву среди набора ", "букв."}));
    EXPECT_EQ(Form->RichEdit2->Lines(),
              QStringList({"Необходимо чтоб ребенок выбрал изображение ", "буквы, которую он слышит."}));
    EXPECT_EQ(Form->RichEdit4->Lines(), QStringList({"Здесь вы можете выбрать понравившуюся ",
                                                     "картинку, распечатать ее и раскрашивать в свое ", "удовольствие."}));
    EXPECT_FALSE(Form->RichEdit1->isReadOnly());
    EXPECT_EQ(Form->RichEdit1->BorderWidth(), 5);
    EXPECT_EQ(Form->RichEdit1->font().pixelSize(), 19);
}

TEST_F(MainForm, ActionTableNamesCategoriesAndCaptions)
{
    struct Row {
        const char* Name;
        const char* Category;
        const char* Caption;
    };
    const Row rows[] = {
        {"SoundLetters", "Games", "Обучение"},
        {"FindLetter", "Games", "Найди букву"},
        {"MakeWord", "Games", "Дед Буквоед"},
        {"Examination", "Games", "Экзамен"},
        {"Raskraska", "Games", "Раскраска"},
        {"ShowRulesPanel", "RulesPanel", "Открыть"},
        {"CloseRulesPanel", "RulesPanel", "Закрыть"},
        {"ShowSndGameRules", "RulesPanel", "ShowSndGameRules"},
        {"ShowPicGameRules", "RulesPanel", "ShowPicGameRules"},
        {"ShowMakeWGameRules", "RulesPanel", "ShowMakeWGameRules"},
        {"ShowExamGameRules", "RulesPanel", "ShowExamGameRules"},
        {"ShowRaskraskaRules", "RulesPanel", "ShowRaskraskaRules"},
        {"ShowRaskraskaMenu", "Menu", "ShowRaskraskaMenu"},
        {"CreateRaskraskaMenu", "Menu", "CreateRaskraskaMenu"},
        {"MenuHide", "Menu", "MenuHide"},
        {"PrintRaskraska", "Functons", ""},
        {"StartPanelShow", "", "StartPanelShow"},
    };
    EXPECT_EQ(Form->ActionManager1->findChildren<QAction*>().size(), int(std::size(rows)));
    for (const Row& r : rows) {
        auto* a = Form->ActionManager1->findChild<QAction*>(QLatin1String(r.Name));
        ASSERT_NE(a, nullptr) << r.Name;
        EXPECT_EQ(a->property("category").toString(), QString::fromUtf8(r.Category)) << r.Name;
        EXPECT_EQ(a->text(), QString::fromUtf8(r.Caption)) << r.Name;
    }
}

// --- Start-up ---

TEST_F(MainFormGames, FirstActivationMaximisesShowsTheStartScreenAndStartsLoadingOnce)
{
    Form->FormActivate();
    EXPECT_TRUE(Form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(TopVisible(Form->ContentPanel), Form->GamesPanel);
    EXPECT_EQ(TopScreen(), Form->StartPanel);
    EXPECT_TRUE(Form->GenderVoiceRadioPanel->isHidden());
    EXPECT_EQ(Form->LoadingStarts, 1);

    // A later activation does nothing: no second loading, the screens stay as the user left them.
    Form->setWindowState(Qt::WindowNoState);
    Form->Games->FindLetterExecute();
    Form->Games->WaitForPictures();
    Form->FormActivate();
    Form->show();
    Form->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(Form->LoadingStarts, 1);
    EXPECT_FALSE(Form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(TopScreen(), Form->GamePicPanel);
}

TEST_F(MainForm, SettingsComeFromTheProgramFolder)
{
    const QString exe = Folder.path() + QLatin1Char('/');
    const TSettings& s = Form->Context.Settings;
    EXPECT_EQ(s.SoundRoot, exe + "Sound/");
    EXPECT_EQ(s.ColouringRoot, exe + "Pic/Raskraska");
    EXPECT_EQ(s.VoiceFolder, kFemaleVoice);
    EXPECT_EQ(s.LetterSetMode, lsNames);
    EXPECT_EQ(Form->Context.SourcePanel, Form->SourcePanel);
    EXPECT_EQ(Form->Context.Dialogs, &Dialogs);
}

TEST_F(MainForm, VoiceButtonsChooseTheVoiceFolder)
{
    ShowAt({1099, 770});
    Form->GenderVoiceRadioPanel->show();
    EXPECT_TRUE(Form->FemaleVoiceRadioButton->isChecked());
    QTest::mouseClick(Form->MaleVoiceRadioButton, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(Form->Context.Settings.VoiceFolder, kMaleVoice);
    QTest::mouseClick(Form->FemaleVoiceRadioButton, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(Form->Context.Settings.VoiceFolder, kFemaleVoice);
}

// --- Which screen the user sees ---

TEST_F(MainFormGames, LearningOpensTheSystemScreenWithItsChooserOverTheBoardAndRules)
{
    Form->FormActivate();
    Form->Games->SoundLettersExecute();
    EXPECT_EQ(TopVisible(Form->ContentPanel), Form->SysPanel);
    EXPECT_EQ(TopVisible(Form->SysPanel), Form->GameSndTypePanel);
    EXPECT_TRUE(Form->GameExamTypePanel->isHidden());
    // Under the system screen the board and its rules wait for the choice of a type.
    EXPECT_EQ(TopScreen(), Form->GameSndPanel);
    ExpectRulesOnTopWith(Form->RuleSndGamePanel);
    EXPECT_FALSE(Form->GenderVoiceRadioPanel->isHidden());
    EXPECT_EQ(ui::ScreenCursor(), ui::TScreenCursor::Default);
}

TEST_F(MainFormGames, FindLetterShowsItsScreenWithRulesAndUsesTheNamesSet)
{
    Form->FormActivate();
    Form->Context.Settings.LetterSetMode = lsSounds;
    Form->Games->FindLetterExecute();
    Form->Games->WaitForPictures();
    EXPECT_EQ(TopVisible(Form->ContentPanel), Form->GamesPanel);
    EXPECT_EQ(TopScreen(), Form->GamePicPanel);
    ExpectRulesOnTopWith(Form->RulePicGamePanel);
    EXPECT_FALSE(Form->GenderVoiceRadioPanel->isHidden());
    EXPECT_EQ(Form->Context.Settings.LetterSetMode, lsNames);
    EXPECT_EQ(ui::ScreenCursor(), ui::TScreenCursor::Default);
}

TEST_F(MainFormGames, MakeWordShowsItsScreenWithRulesAndUsesTheNamesSet)
{
    Form->FormActivate();
    Form->Context.Settings.LetterSetMode = lsSounds;
    Form->Games->MakeWordExecute();
    Form->Games->WaitForPictures();
    EXPECT_EQ(TopVisible(Form->ContentPanel), Form->GamesPanel);
    EXPECT_EQ(TopScreen(), Form->GameMakeWPanel);
    ExpectRulesOnTopWith(Form->RuleMakeWGamePanel);
    EXPECT_FALSE(Form->GenderVoiceRadioPanel->isHidden());
    EXPECT_EQ(Form->Context.Settings.LetterSetMode, lsNames);
}

TEST_F(MainFormGames, ExaminationOpensItsChooserOverTheScreenWithTheStartPictureAndADisabledBoard)
{
    Form->FormActivate();
    Form->Context.Settings.LetterSetMode = lsSounds;
    Form->StartExamContentPanel->hide();  // as a started exam leaves it
    Form->Games->ExaminationExecute();
    EXPECT_EQ(TopVisible(Form->ContentPanel), Form->SysPanel);
    EXPECT_EQ(TopVisible(Form->SysPanel), Form->GameExamTypePanel);
    EXPECT_TRUE(Form->GameSndTypePanel->isHidden());
    EXPECT_EQ(TopScreen(), Form->GameExamPanel);
    ExpectRulesOnTopWith(Form->RuleExamGamePanel);
    EXPECT_FALSE(Form->StartExamContentPanel->isHidden());
    EXPECT_TRUE(Above(Form->StartExamContentPanel, Form->LettersExamScrollBox));
    EXPECT_FALSE(Form->LettersExamScrollBox->isEnabled());
    EXPECT_TRUE(Form->StartExamImage->isEnabled());
    EXPECT_EQ(Form->Context.Settings.LetterSetMode, lsSounds);  // set by the type buttons, not here
    EXPECT_EQ(ui::ScreenCursor(), ui::TScreenCursor::Default);
}

TEST_F(MainFormGames, ColouringThemeShowsItsScreenWithRulesClosesBothMenusAndLeavesTheVoiceChooser)
{
    Form->FormActivate();
    Form->PopupMenuPanel->show();
    Form->RaskraskaPopupMenuPanel->show();
    TSpeedButton theme(Form->RaskraskaPopupMenuPanel);
    theme.SetCaption(QStringLiteral("Животные"));
    Form->Games->RaskraskaExecute(&theme);
    EXPECT_EQ(TopScreen(), Form->RaskraskaPanel);
    ExpectRulesOnTopWith(Form->RuleRasPanel);
    EXPECT_TRUE(Form->PopupMenuPanel->isHidden());
    EXPECT_TRUE(Form->RaskraskaPopupMenuPanel->isHidden());
    EXPECT_TRUE(Form->GenderVoiceRadioPanel->isHidden());  // as the start screen left it
}

TEST_F(MainFormGames, AFinishedGameReturnsToTheStartScreenOverTheGameAndItsRules)
{
    Form->FormActivate();
    Form->Games->MakeWordExecute();
    Form->Games->WaitForPictures();
    Form->StartPanelShowExecute();
    EXPECT_EQ(TopScreen(), Form->StartPanel);
    // The rules panel is not hidden, only covered.
    EXPECT_FALSE(Form->RulesPanel->isHidden());
    EXPECT_TRUE(Above(Form->StartPanel, Form->RulesPanel));
    EXPECT_TRUE(Form->GenderVoiceRadioPanel->isHidden());
    // Opening a game again raises its screen and the rules over it.
    Form->Games->FindLetterExecute();
    Form->Games->WaitForPictures();
    EXPECT_EQ(TopScreen(), Form->GamePicPanel);
    ExpectRulesOnTopWith(Form->RulePicGamePanel);
}

TEST_F(MainFormGames, LeavingAGameWhileItsPicturesAreReadKeepsTheOtherActivityAndTheBarUntilTheyAreIn)
{
    const QString theme = Folder.path() + QStringLiteral("/Pic/Raskraska/Звери/");
    ASSERT_TRUE(QDir().mkpath(theme));
    testpics::WritePage(theme + QStringLiteral("кот.flim"), testpics::Solid(20, 10, Qt::white));
    // Photos that take a while to read, so that the game is opened while they are still being read
    // (two tiny pictures can be read before the game looks, and it then starts at once).
    QImage noise(2400, 1800, QImage::Format_RGB32);
    QRandomGenerator random(5);
    for (int y = 0; y < noise.height(); ++y) random.fillRange(reinterpret_cast<quint32*>(noise.scanLine(y)), noise.width());
    for (const char* word : {"дом", "жук", "кит", "лев", "мяч", "сыр"})
        ASSERT_TRUE(
            noise.save(Folder.path() + QStringLiteral("/Pic/Images/Rus/") + QString::fromUtf8(word) + ".jpg", "JPG", 95));
    Form->FormActivate();
    Form->WaitForLoading();
    Form->Games->FindLetterExecute();  // its pictures are being read: the game is held
    Form->Games->ShowRaskraskaMenuExecute();
    const auto themes = Form->RaskraskaPopupMenuPanel->findChildren<TSpeedButton*>();
    ASSERT_EQ(themes.size(), 1);
    Form->Games->RaskraskaExecute(themes[0]);
    EXPECT_EQ(TopScreen(), Form->RaskraskaPanel);
    EXPECT_FALSE(Form->TimerPanel->isHidden()) << "the bar goes on while the pictures are read";

    Form->Games->WaitForPictures();
    EXPECT_EQ(TopScreen(), Form->RaskraskaPanel) << "the game does not start over the colouring screen";
    EXPECT_TRUE(Form->TimerPanel->isHidden());
    EXPECT_EQ(Form->Objects.FirstLImgPanels->SelectedIndex, -1);

    // Opened again, the game starts at once with its pictures.
    Form->Games->FindLetterExecute();
    EXPECT_EQ(TopScreen(), Form->GamePicPanel);
    EXPECT_EQ(Form->Objects.FirstLImgPanels->SelectedIndex, 0);
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(MainFormGames, ChoosingAnotherGameWhileTheRulesAreOpenRaisesThatGamesPage)
{
    Form->FormActivate();
    Form->Games->FindLetterExecute();
    Form->Games->WaitForPictures();
    Form->Games->MakeWordExecute();
    Form->Games->WaitForPictures();
    ExpectRulesOnTopWith(Form->RuleMakeWGamePanel);
    Form->CloseRulesPanelExecute();
    EXPECT_TRUE(Form->RulesPanel->isHidden());
    Form->Games->FindLetterExecute();
    Form->Games->WaitForPictures();
    ExpectRulesOnTopWith(Form->RulePicGamePanel);
}

TEST_F(MainFormGames, AnActivityChosenWhileAChooserIsUpClosesTheChooser)
{
    Form->FormActivate();
    Form->Games->SoundLettersExecute();
    Form->Games->FindLetterExecute();
    Form->Games->WaitForPictures();
    EXPECT_TRUE(Form->SysPanel->isHidden());
    EXPECT_TRUE(Form->GameSndTypePanel->isHidden());
    EXPECT_EQ(TopVisible(Form->ContentPanel), Form->GamesPanel);

    Form->Games->ExaminationExecute();
    TSpeedButton theme(Form->RaskraskaPopupMenuPanel);
    Form->Games->RaskraskaExecute(&theme);
    EXPECT_TRUE(Form->SysPanel->isHidden());
    EXPECT_TRUE(Form->GameExamTypePanel->isHidden());
    EXPECT_EQ(TopScreen(), Form->RaskraskaPanel);

    // From one chooser to the other: only the new one stands.
    Form->Games->ExaminationExecute();
    Form->Games->SoundLettersExecute();
    EXPECT_FALSE(Form->GameSndTypePanel->isHidden());
    EXPECT_TRUE(Form->GameExamTypePanel->isHidden());
}

TEST_F(MainForm, RulesActionsShowRaiseAndClose)
{
    Form->FormActivate();
    Form->ShowRulesPanelExecute();
    EXPECT_FALSE(Form->RulesPanel->isHidden());
    EXPECT_EQ(TopScreen(), Form->StartPanel);
    EXPECT_TRUE(Above(Form->RulesPanel, Form->StartPanel));
    Form->ShowExamGameRulesExecute();
    EXPECT_EQ(TopVisible(Form->RulesContextPanel), Form->RuleExamGamePanel);
    Form->ShowRaskraskaRulesExecute();
    EXPECT_EQ(TopVisible(Form->RulesContextPanel), Form->RuleRasPanel);
    ShowAt({1099, 770});
    QTest::mouseClick(Form->RulesCloseButton, Qt::LeftButton);
    EXPECT_TRUE(Form->RulesPanel->isHidden());
}

// --- The menu ---

TEST_F(MainForm, MenuLabelOpensTheMenuInPlaceAndTheCloseButtonHidesBothMenus)
{
    ShowAt({1099, 770});
    QTest::mouseClick(Form->MenuLabel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(Form->PopupMenuPanel->isHidden());
    EXPECT_TRUE(Above(Form->PopupMenuPanel, Form->ContentPanel));
    // Pressing "Меню" again leaves it visible and in place.
    QTest::mouseClick(Form->MenuLabel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(Form->PopupMenuPanel->isHidden());
    EXPECT_EQ(Form->PopupMenuPanel->geometry(), QRect(46, 37, 140, 221));
    // Opening the menu hides nothing.
    EXPECT_EQ(TopScreen(), Form->StartPanel);

    Form->RaskraskaPopupMenuPanel->show();
    QTest::mouseClick(Form->SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(Form->PopupMenuPanel->isHidden());
    EXPECT_TRUE(Form->RaskraskaPopupMenuPanel->isHidden());
}

TEST_F(MainForm, GameEntriesStayDisabledUntilTheirObjectsExist)
{
    ShowAt({1099, 770});
    for (TSpeedButton* b :
         {Form->SpeedButton3, Form->SpeedButton4, Form->SpeedButton5, Form->SpeedButton6, Form->SpeedButton7})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();

    // A click on a disabled entry runs nothing.
    Form->PopupMenuPanel->show();
    QTest::mouseClick(Form->SpeedButton4, Qt::LeftButton);
    Form->FindLetter->trigger();
    EXPECT_EQ(TopScreen(), Form->StartPanel);
    EXPECT_FALSE(Form->PopupMenuPanel->isHidden());

    // Each entry needs its own objects.
    TGameObjects& o = Form->Objects;
    o.SndLetterPanels = std::make_unique<TRusSndLetterPanelCollection>(Form->Context);
    o.PicGameBuffer = std::make_unique<TPicGameBuffer>(Form->Context);
    o.PicLetterPanels = std::make_unique<TRusPicLetterPanelCollection>(Form->Context);
    Form->UpdateGameActions();
    EXPECT_TRUE(Form->SpeedButton3->isEnabled());
    EXPECT_FALSE(Form->SpeedButton4->isEnabled());  // the picture strip is still missing
    EXPECT_FALSE(Form->SpeedButton6->isEnabled());

    HaveAllObjects();
    for (TSpeedButton* b :
         {Form->SpeedButton3, Form->SpeedButton4, Form->SpeedButton5, Form->SpeedButton6, Form->SpeedButton7})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(MainFormGames, AnEnabledEntryRunsItsActionWhichClosesTheMenu)
{
    ShowAt({1099, 770});
    Form->PopupMenuPanel->show();
    QTest::mouseClick(Form->SpeedButton5, Qt::LeftButton);
    EXPECT_TRUE(Form->PopupMenuPanel->isHidden());
    EXPECT_EQ(TopScreen(), Form->GameMakeWPanel);

    Form->PopupMenuPanel->show();
    QTest::mouseClick(Form->SpeedButton3, Qt::LeftButton);
    EXPECT_TRUE(Form->PopupMenuPanel->isHidden());
    EXPECT_EQ(TopVisible(Form->ContentPanel), Form->SysPanel);

    // "Раскраска" leaves the main menu open beside the theme menu.
    Form->PopupMenuPanel->show();
    QTest::mouseClick(Form->SpeedButton7, Qt::LeftButton);
    EXPECT_FALSE(Form->PopupMenuPanel->isHidden());
    EXPECT_FALSE(Form->RaskraskaPopupMenuPanel->isHidden());
    EXPECT_TRUE(Above(Form->RaskraskaPopupMenuPanel, Form->PopupMenuPanel));
}

// --- "Меню" bevel and the sample tile ---

TEST_F(MainForm, MenuBevelSinksOnPressAndRisesOnReleaseAlsoOutside)
{
    ShowAt({1099, 770});
    QTest::mousePress(Form->MenuLabel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Form->MenuPanel->BevelInner(), TBevel::Lowered);
    EXPECT_TRUE(Form->PopupMenuPanel->isHidden());  // not before the click is complete
    QTest::mouseRelease(Form->MenuLabel, Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_EQ(Form->MenuPanel->BevelInner(), TBevel::Raised);
    EXPECT_TRUE(Form->PopupMenuPanel->isHidden());  // released outside: no click

    QTest::mousePress(Form->MenuLabel, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Form->MenuPanel->BevelInner(), TBevel::Lowered);
    QTest::mouseRelease(Form->MenuLabel, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Form->MenuPanel->BevelInner(), TBevel::Raised);
    EXPECT_TRUE(Form->PopupMenuPanel->isHidden());

    QTest::mouseClick(Form->MenuLabel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Form->MenuPanel->BevelInner(), TBevel::Raised);
    EXPECT_FALSE(Form->PopupMenuPanel->isHidden());
}

TEST_F(MainForm, SampleTileSinksWhilePressed)
{
    Form->SourcePanel->show();  // the parking area is never visible; shown here to reach the tile
    ShowAt({1099, 770});
    QTest::mousePress(Form->Label1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Form->Panel1->BevelOuter(), TBevel::Lowered);
    QTest::mouseRelease(Form->Label1, Qt::LeftButton, {}, QPoint(500, 5));
    EXPECT_EQ(Form->Panel1->BevelOuter(), TBevel::Raised);
}

// --- The web-link question ---

TEST_F(MainForm, WebLinkQuestionOpensTheVendorsAddressOnYes)
{
    ShowAt({1099, 770});
    Dialogs.YesNoAnswer = true;
    QTest::mouseClick(Form->Label3, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(Dialogs.Calls.size(), 1u);
    EXPECT_EQ(Dialogs.Calls[0].Kind, TDialogCall::YesNo);
    EXPECT_EQ(Dialogs.Calls[0].Title, QStringLiteral("Вельмок"));
    EXPECT_EQ(Dialogs.Calls[0].Text, QStringLiteral("Перейти на страничку детского сайта?"));
    EXPECT_EQ(Opened, QStringList({kVendorWebAddress}));
}

TEST_F(MainForm, AnAddressNoBrowserCanOpenIsReportedWithTheAddress)
{
    ShowAt({1099, 770});
    Dialogs.YesNoAnswer = true;
    Form->SetUrlOpener([this](const QString& Url) { Form->BrowserFailed(Url); });  // as with no browser at all
    QTest::mouseClick(Form->Label3, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(Dialogs.Calls.size(), 2u);
    EXPECT_EQ(Dialogs.Calls[1].Kind, TDialogCall::Message);
    EXPECT_EQ(Dialogs.Calls[1].Title, QStringLiteral("Вельмок"));
    EXPECT_TRUE(Dialogs.Calls[1].Text.endsWith(QLatin1Char('\n') + kVendorWebAddress))
        << Dialogs.Calls[1].Text.toStdString();
}

TEST_F(MainFormGames, WebLinkQuestionAnsweredNoLeavesEverythingAsItWas)
{
    ShowAt({1099, 770});
    Form->Games->FindLetterExecute();
    Form->Games->WaitForPictures();
    Dialogs.Calls.clear();  // the empty content folder's messages
    Dialogs.YesNoAnswer = false;
    QTest::mouseClick(Form->Label3, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Dialogs.Calls.size(), 1u);
    EXPECT_TRUE(Opened.isEmpty());
    EXPECT_EQ(TopScreen(), Form->GamePicPanel);
    ExpectRulesOnTopWith(Form->RulePicGamePanel);
}

}  // namespace
