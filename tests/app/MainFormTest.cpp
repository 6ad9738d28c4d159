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
#include "support/FakeSpeech.h"
#include "support/QtPrint.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// A window whose loading start is counted instead of run.
class TCountingForm : public TTestForm {
public:
    using TTestForm::TTestForm;
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
        LoadGameObjects(Form->Context(), Form->Objects);
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
        const QObjectList& children = Named<TPanel>(*Form, "GamesPanel")->children();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            if (auto* w = qobject_cast<QWidget*>(*it); w && !w->isHidden() && w != Named<TPanel>(*Form, "RulesPanel"))
                return w;
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
        EXPECT_FALSE(Named<TPanel>(*Form, "RulesPanel")->isHidden());
        EXPECT_TRUE(Above(Named<TPanel>(*Form, "RulesPanel"), TopScreen()));
        EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "RulesContextPanel")), Page);
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
        LoadGameObjects(Form->Context(), Form->Objects);
        Form->UpdateGameActions();
    }
    void TearDown() override { Form->Objects.Reset(); }

    // The button of the theme Name in the menu beside the main menu, its (empty) folder made first.
    TSpeedButton* ThemeButton(const QString& Name)
    {
        QDir().mkpath(Folder.path() + QStringLiteral("/Pic/Raskraska/") + Name);
        Named<QAction>(*Form, "ShowRaskraskaMenu")->trigger();
        for (TSpeedButton* b : Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>())
            if (b->Caption() == Name) return b;
        ADD_FAILURE() << "no theme " << Name.toStdString();
        return nullptr;
    }
};

// --- Regions ---

TEST_F(MainForm, EveryWidgetSitsAtItsBaseBoundsWhenItsParentHasItsBaseSize)
{
    // At the base size the media strip takes its 41 px; shown, it gives every region its base size.
    Named<TPanel>(*Form, "SystemPanel")->show();
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
    EXPECT_EQ(Named<TPanel>(*Form, "MenuRibbon")->geometry(), QRect(0, 0, 1099, 57));
    EXPECT_EQ(Named<TPanel>(*Form, "MenuPanel")->geometry(), QRect(1, 1, 112, 55));
    EXPECT_EQ(Named<TPanel>(*Form, "GenderVoiceRadioPanel")->geometry(), QRect(1008, 1, 90, 55));
    EXPECT_EQ(Named<TPanel>(*Form, "ContentPanel")->geometry(), QRect(0, 57, 1099, 713));
    // The hidden media strip takes no space: the screens fill the whole content area.
    EXPECT_EQ(Named<TPanel>(*Form, "GamesPanel")->geometry(), QRect(0, 0, 1099, 713));
    EXPECT_EQ(Named<TPanel>(*Form, "SysPanel")->geometry(), QRect(0, 0, 1099, 713));
    EXPECT_EQ(Named<TPanel>(*Form, "StartPanel")->geometry(), QRect(0, 0, 1099, 713));
    EXPECT_EQ(Named<TScrollBox>(*Form, "LettersSndScrollBox")->geometry(), QRect(0, 0, 1099, 713));
    EXPECT_EQ(Named<TPanel>(*Form, "TimerPanel")->geometry(), QRect(472, 351, 284, 73));
    EXPECT_EQ(Named<TPanel>(*Form, "PopupMenuPanel")->geometry(), QRect(46, 37, 140, 261));
    // Six entries, 133 x 34 each, the last at the bottom; the first five keep their places.
    const char* entries[] = {"SpeedButton3", "SpeedButton4", "SpeedButton5",
                             "SpeedButton6", "SpeedButton7", "SlogMenuButton"};
    const int tops[] = {25, 65, 105, 145, 184, 224};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Named<TSpeedButton>(*Form, entries[i])->geometry(), QRect(3, tops[i], 133, 34)) << entries[i];
    EXPECT_EQ(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->geometry(), QRect(184, 232, 117, 81));
    // Floating panels keep their relative place in the taller games area: centre 301 of 672 -> 319 of 713.
    EXPECT_EQ(Named<TPanel>(*Form, "RulesPanel")->geometry(), QRect(311, 155, 468, 328));
    EXPECT_EQ(Named<TPanel>(*Form, "GameSndTypePanel")->geometry(), QRect(397, 278, 305, 66));
    // The strips' columns and the big pictures follow the height.
    EXPECT_EQ(Named<TPanel>(*Form, "ScrollImgContentPanel")->geometry(), QRect(866, 0, 233, 713));
    EXPECT_EQ(Named<TScrollBox>(*Form, "ImgScrollBox")->size(), QSize(217, 697));
    EXPECT_EQ(Named<TPanel>(*Form, "BigImagePanel")->geometry(), QRect(4, 78, 858, 631));
    EXPECT_EQ(Named<TScrollBox>(*Form, "RasImgScrollBox")->size(), QSize(217, 697));
    EXPECT_EQ(Named<TPanel>(*Form, "StartExamContentPanel")->geometry(), QRect(388, 244, 323, 177));
}

TEST_F(MainForm, RegionsWhenMaximisedOnA1920By1080Screen)
{
    ShowAt({1920, 1080});
    EXPECT_EQ(Named<TPanel>(*Form, "MenuRibbon")->geometry(), QRect(0, 0, 1920, 57));
    EXPECT_EQ(Named<TPanel>(*Form, "MenuPanel")->geometry(), QRect(1, 1, 112, 55));
    // The voice chooser, hidden on the start screen, takes its place at the right when shown.
    Named<TPanel>(*Form, "GenderVoiceRadioPanel")->show();
    EXPECT_EQ(Named<TPanel>(*Form, "GenderVoiceRadioPanel")->geometry(), QRect(1829, 1, 90, 55));
    EXPECT_EQ(Named<QRadioButton>(*Form, "FemaleVoiceRadioButton")->geometry(), QRect(17, 8, 73, 17));
    EXPECT_EQ(Named<TPanel>(*Form, "ContentPanel")->geometry(), QRect(0, 57, 1920, 1023));
    EXPECT_EQ(Named<TPanel>(*Form, "GamesPanel")->geometry(), QRect(0, 0, 1920, 1023));
    EXPECT_EQ(Named<TPanel>(*Form, "PopupMenuPanel")->geometry(), QRect(46, 37, 140, 261));
    EXPECT_EQ(Named<TSpeedButton>(*Form, "SpeedButton3")->geometry(), QRect(3, 25, 133, 34));
    EXPECT_EQ(Named<TSpeedButton>(*Form, "SpeedButton1")->geometry(), QRect(116, 0, 22, 22));

    // Floating panels: centres scale with their parents.
    EXPECT_EQ(Named<TPanel>(*Form, "TimerPanel")->geometry(), QRect(931, 507, 284, 73));
    EXPECT_EQ(Named<TPanel>(*Form, "RulesPanel")->geometry(), QRect(718, 294, 468, 328));
    EXPECT_EQ(Named<TPanel>(*Form, "GameSndTypePanel")->geometry(), QRect(807, 413, 305, 66));
    EXPECT_EQ(Named<TPanel>(*Form, "StartExamContentPanel")->geometry(), QRect(798, 399, 323, 177));
    const int titleWidth = Named<TLabel>(*Form, "TitleLabel")->width();
    EXPECT_EQ(Named<TLabel>(*Form, "TitleLabel")->x(),
              int(std::lround((422 + titleWidth / 2) * 1920.0 / 1099)) - titleWidth / 2);
    // Inside the rules panel the close button keeps to the right edge and the text boxes grow with nothing.
    EXPECT_EQ(Named<TSpeedButton>(*Form, "RulesCloseButton")->geometry(), QRect(395, 8, 65, 25));
    EXPECT_EQ(Named<TRichEdit>(*Form, "RulesGame1RichEdit")->geometry(), QRect(4, 4, 456, 252));

    // The game screens: columns of 233 at the right, pictures anchored on all sides.
    EXPECT_EQ(Named<TPanel>(*Form, "GamePicContextPanel")->geometry(), QRect(0, 0, 1687, 1023));
    EXPECT_EQ(Named<TPanel>(*Form, "LetersPicPanel")->geometry(), QRect(4, 4, 1679, 70));
    EXPECT_EQ(Named<TPanel>(*Form, "BigImagePanel")->geometry(), QRect(4, 78, 1679, 941));
    EXPECT_EQ(Named<TImage>(*Form, "BigImage")->geometry(), QRect(8, 8, 1663, 925));
    EXPECT_EQ(Named<TScrollBox>(*Form, "ImgScrollBox")->size(), QSize(217, 1007));
    EXPECT_EQ(Named<TPanel>(*Form, "MakeWWordPanel")->geometry(), QRect(4, 5, 1679, 60));
    EXPECT_EQ(Named<TPanel>(*Form, "MakeWWordPanel")->parentWidget()->geometry(), QRect(0, 954, 1687, 69));
    EXPECT_EQ(Named<TPanel>(*Form, "MakeWImagePanel")->geometry(), QRect(4, 78, 1679, 876));
    EXPECT_EQ(Named<TImage>(*Form, "MakeWImage")->geometry(), QRect(8, 8, 1663, 860));
    EXPECT_EQ(Named<TImage>(*Form, "RasBigImage")->geometry(), QRect(8, 8, 1662, 935));
    EXPECT_EQ(Named<TScrollBox>(*Form, "RasImgScrollBox")->size(), QSize(217, 1007));
    EXPECT_EQ(Named<TSpeedButton>(*Form, "SpeedButton2")->geometry(), QRect(4, 4, 53, 49));
    EXPECT_EQ(Named<TScrollBox>(*Form, "LettersExamScrollBox")->geometry(), QRect(0, 0, 1920, 976));
    EXPECT_EQ(Named<TSpeedButton>(*Form, "RepeatSndButton")->geometry(), QRect(5, 3, 49, 33));

    // And back to the base size: everything returns.
    Form->resize(1099, 770);
    QApplication::processEvents();
    EXPECT_EQ(Named<TPanel>(*Form, "RulesPanel")->geometry(), QRect(311, 155, 468, 328));
    EXPECT_EQ(Named<TImage>(*Form, "BigImage")->geometry(), QRect(8, 8, 842, 615));
}

TEST_F(MainForm, StackingOrderAtCreation)
{
    const QObjectList& window = Form->children();
    auto at = [&](QWidget* w) { return window.indexOf(w); };
    EXPECT_LT(at(Named<TPanel>(*Form, "TimerPanel")), at(Named<TPanel>(*Form, "MenuRibbon")));
    EXPECT_LT(at(Named<TPanel>(*Form, "MenuRibbon")), at(Named<TPanel>(*Form, "ContentPanel")));
    EXPECT_LT(at(Named<TPanel>(*Form, "ContentPanel")), at(Named<TPanel>(*Form, "PopupMenuPanel")));
    EXPECT_LT(at(Named<TPanel>(*Form, "PopupMenuPanel")), at(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")));
    const QList<QWidget*> screens = {Named<TPanel>(*Form, "GamePicPanel"),   Named<TPanel>(*Form, "GameSndPanel"),
                                     Named<TPanel>(*Form, "GameMakeWPanel"), Named<TPanel>(*Form, "StartPanel"),
                                     Named<TPanel>(*Form, "RulesPanel"),     Named<TPanel>(*Form, "RaskraskaPanel"),
                                     Named<TPanel>(*Form, "GameExamPanel")};
    for (int i = 1; i < screens.size(); ++i) EXPECT_TRUE(Above(screens[i], screens[i - 1])) << i;
    const QList<QWidget*> pages = {Named<TPanel>(*Form, "RuleExamGamePanel"), Named<TPanel>(*Form, "RuleRasPanel"),
                                   Named<TPanel>(*Form, "RulePicGamePanel"), Named<TPanel>(*Form, "RuleMakeWGamePanel"),
                                   Named<TPanel>(*Form, "RuleSndGamePanel")};
    for (int i = 1; i < pages.size(); ++i) EXPECT_TRUE(Above(pages[i], pages[i - 1])) << i;
    EXPECT_TRUE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());
    EXPECT_TRUE(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->isHidden());
    EXPECT_TRUE(Named<TPanel>(*Form, "RulesPanel")->isHidden());
    EXPECT_TRUE(Named<TPanel>(*Form, "SourcePanel")->isHidden());
    EXPECT_TRUE(Named<TPanel>(*Form, "SystemPanel")->isHidden());
    EXPECT_FALSE(Named<TPanel>(*Form, "TimerPanel")->isHidden());
}

TEST_F(MainForm, CaptionsFontsAndColours)
{
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Кварнель"));
    EXPECT_EQ(Named<TLabel>(*Form, "MenuLabel")->text(), QStringLiteral("Меню"));
    EXPECT_EQ(Named<TLabel>(*Form, "MenuLabel")->font().pixelSize(), 21);
    EXPECT_EQ(Named<TLabel>(*Form, "TitleLabel")->text(), QStringLiteral("Кварнель"));
    EXPECT_EQ(Named<TLabel>(*Form, "TitleLabel")->font().pixelSize(), 27);
    EXPECT_EQ(Named<TLabel>(*Form, "Label3")->text(), kVendorWebAddress);
    EXPECT_EQ(Named<TLabel>(*Form, "ProgressLabel")->text(), QStringLiteral("Подождите идет загрузка..."));
    EXPECT_EQ(Named<TPanel>(*Form, "MenuRibbon")->Color(), QColor(0x08, 0x13, 0xF8));
    EXPECT_EQ(Named<TPanel>(*Form, "ContentPanel")->Color(), QColor(0xE6, 0xAC, 0x00));
    EXPECT_EQ(Named<TPanel>(*Form, "StartPanel")->Color(), QColor(0x51, 0xDB, 0xF5));
    EXPECT_EQ(Named<TPanel>(*Form, "RulesCaptionPanel")->Color(), QColor(0x0C, 0xAC, 0xC9));
    EXPECT_EQ(Named<TPanel>(*Form, "ProgressPanel")->Color(), QColor(0x78, 0xCE, 0xFC));
    EXPECT_EQ(Named<TPanel>(*Form, "Panel1")->Color(), QColor(0xA0, 0xA0, 0xA4));
    EXPECT_EQ(Named<TPanel>(*Form, "MenuPanel")->BevelOuter(), TBevel::None);
    EXPECT_EQ(Named<TPanel>(*Form, "MenuPanel")->BevelInner(), TBevel::Raised);
    EXPECT_EQ(Named<TPanel>(*Form, "TimerPanel")->BevelInner(), TBevel::Lowered);
    EXPECT_EQ(Named<TImage>(*Form, "Image2")->Picture().size(), QSize(800, 600));
    EXPECT_EQ(Named<TImage>(*Form, "StartExamImage")->Picture().size(), QSize(30, 30));
    EXPECT_EQ(Named<TSpeedButton>(*Form, "RepeatSndButton")->Glyph().size(), QSize(30, 30));
    EXPECT_EQ(Named<TSpeedButton>(*Form, "SpeedButton2")->Glyph().size(), QSize(38, 38));

    const QStringList captions = {
        Named<TSpeedButton>(*Form, "SpeedButton3")->Caption(), Named<TSpeedButton>(*Form, "SpeedButton4")->Caption(),
        Named<TSpeedButton>(*Form, "SpeedButton5")->Caption(), Named<TSpeedButton>(*Form, "SpeedButton6")->Caption(),
        Named<TSpeedButton>(*Form, "SpeedButton7")->Caption(), Named<TSpeedButton>(*Form, "SlogMenuButton")->Caption()};
    EXPECT_EQ(captions, QStringList({"Обучение", "Найди букву", "Дед Буквоед", "Экзамен", "Раскраска", "Слоги"}));
    EXPECT_EQ(Named<TSpeedButton>(*Form, "SpeedButton7")->geometry().top() -
                  Named<TSpeedButton>(*Form, "SpeedButton6")->geometry().top(),
              39);
    EXPECT_EQ(Named<TSpeedButton>(*Form, "RulesCloseButton")->Caption(), QStringLiteral("Закрыть"));
    EXPECT_EQ(Named<TSpeedButton>(*Form, "LetterrsNamesSpeedButton")->Caption(), QStringLiteral("Название букв"));
    EXPECT_EQ(Named<TSpeedButton>(*Form, "SpeedButton9")->Caption(), QStringLiteral("Звуки"));
}

TEST_F(MainForm, RulesPagesHoldTheirLinesExactly)
{
    EXPECT_EQ(Named<TRichEdit>(*Form, "RulesGame1RichEdit")->Lines(),
              QStringList({"Ребенок может находить соответствие между ", "изображением буквы и ее звуком. При нажатии ",
                           "на букву проигрывается звук."}));
    EXPECT_EQ(
        Named<TRichEdit>(*Form, "RichEdit1")->Lines(),
        QStringList({"Ребенку нужно найти букву с которой начинается ", "слово изображенное на рисунке и нажать на нее."}));
    EXPECT_EQ(Named<TRichEdit>(*Form, "RichEdit3")->Lines(),
              QStringList({"Под картинкой написано слово изображенное на ", "рисунке с одной пропущеной буквой. Необходимо ",
                           "чтоб ребенок выбрал эту букву среди набора ", "букв."}));
    EXPECT_EQ(Named<TRichEdit>(*Form, "RichEdit2")->Lines(),
              QStringList({"Необходимо чтоб ребенок выбрал изображение ", "буквы, которую он слышит."}));
    EXPECT_EQ(Named<TRichEdit>(*Form, "RichEdit4")->Lines(),
              QStringList({"Здесь вы можете выбрать понравившуюся ", "картинку, распечатать ее и раскрашивать в свое ",
                           "удовольствие."}));
    EXPECT_FALSE(Named<TRichEdit>(*Form, "RichEdit1")->isReadOnly());
    EXPECT_EQ(Named<TRichEdit>(*Form, "RichEdit1")->BorderWidth(), 5);
    EXPECT_EQ(Named<TRichEdit>(*Form, "RichEdit1")->font().pixelSize(), 19);
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
        {"Slogi", "Games", "Слоги"},
        {"ShowRulesPanel", "RulesPanel", "Открыть"},
        {"CloseRulesPanel", "RulesPanel", "Закрыть"},
        {"ShowSndGameRules", "RulesPanel", "ShowSndGameRules"},
        {"ShowPicGameRules", "RulesPanel", "ShowPicGameRules"},
        {"ShowMakeWGameRules", "RulesPanel", "ShowMakeWGameRules"},
        {"ShowExamGameRules", "RulesPanel", "ShowExamGameRules"},
        {"ShowRaskraskaRules", "RulesPanel", "ShowRaskraskaRules"},
        {"ShowSlogRules", "RulesPanel", "ShowSlogRules"},
        {"ShowRaskraskaMenu", "Menu", "ShowRaskraskaMenu"},
        {"CreateRaskraskaMenu", "Menu", "CreateRaskraskaMenu"},
        {"MenuHide", "Menu", "MenuHide"},
        {"PrintRaskraska", "Functons", ""},
        {"StartPanelShow", "", "StartPanelShow"},
    };
    EXPECT_EQ(Named<QObject>(*Form, "ActionManager1")->findChildren<QAction*>().size(), int(std::size(rows)));
    for (const Row& r : rows) {
        auto* a = Named<QObject>(*Form, "ActionManager1")->findChild<QAction*>(QLatin1String(r.Name));
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
    EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "ContentPanel")), Named<TPanel>(*Form, "GamesPanel"));
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "StartPanel"));
    EXPECT_TRUE(Named<TPanel>(*Form, "GenderVoiceRadioPanel")->isHidden());
    EXPECT_EQ(Form->LoadingStarts, 1);

    // A later activation does nothing: no second loading, the screens stay as the user left them.
    Form->setWindowState(Qt::WindowNoState);
    Named<QAction>(*Form, "FindLetter")->trigger();
    FinishPictureReading(Form->Objects);
    Form->FormActivate();
    Form->show();
    Form->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(Form->LoadingStarts, 1);
    EXPECT_FALSE(Form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "GamePicPanel"));
}

TEST_F(MainForm, SettingsComeFromTheProgramFolder)
{
    const QString exe = Folder.path() + QLatin1Char('/');
    const TSettings& s = Form->Context().Settings;
    EXPECT_EQ(s.SoundRoot, exe + "Sound/");
    EXPECT_EQ(s.ColouringRoot, exe + "Pic/Raskraska");
    EXPECT_EQ(s.VoiceFolder, kFemaleVoice);
    EXPECT_EQ(s.LetterSetMode, lsNames);
    EXPECT_EQ(Form->Context().SourcePanel, Named<TPanel>(*Form, "SourcePanel"));
    EXPECT_EQ(Form->Context().Dialogs, &Dialogs);
}

TEST_F(MainForm, VoiceButtonsChooseTheVoiceFolder)
{
    ShowAt({1099, 770});
    Named<TPanel>(*Form, "GenderVoiceRadioPanel")->show();
    EXPECT_TRUE(Named<QRadioButton>(*Form, "FemaleVoiceRadioButton")->isChecked());
    QTest::mouseClick(Named<QRadioButton>(*Form, "MaleVoiceRadioButton"), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(Form->Context().Settings.VoiceFolder, kMaleVoice);
    QTest::mouseClick(Named<QRadioButton>(*Form, "FemaleVoiceRadioButton"), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(Form->Context().Settings.VoiceFolder, kFemaleVoice);
}

// --- Which screen the user sees ---

TEST_F(MainFormGames, LearningOpensTheSystemScreenWithItsChooserOverTheBoardAndRules)
{
    Form->FormActivate();
    Named<QAction>(*Form, "SoundLetters")->trigger();
    EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "ContentPanel")), Named<TPanel>(*Form, "SysPanel"));
    EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "SysPanel")), Named<TPanel>(*Form, "GameSndTypePanel"));
    EXPECT_TRUE(Named<TPanel>(*Form, "GameExamTypePanel")->isHidden());
    // Under the system screen the board and its rules wait for the choice of a type.
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "GameSndPanel"));
    ExpectRulesOnTopWith(Named<TPanel>(*Form, "RuleSndGamePanel"));
    EXPECT_FALSE(Named<TPanel>(*Form, "GenderVoiceRadioPanel")->isHidden());
    EXPECT_EQ(ui::ScreenCursor(), ui::TScreenCursor::Default);
}

TEST_F(MainFormGames, FindLetterShowsItsScreenWithRulesAndUsesTheNamesSet)
{
    Form->FormActivate();
    Form->Context().Settings.LetterSetMode = lsSounds;
    Named<QAction>(*Form, "FindLetter")->trigger();
    FinishPictureReading(Form->Objects);
    EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "ContentPanel")), Named<TPanel>(*Form, "GamesPanel"));
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "GamePicPanel"));
    ExpectRulesOnTopWith(Named<TPanel>(*Form, "RulePicGamePanel"));
    EXPECT_FALSE(Named<TPanel>(*Form, "GenderVoiceRadioPanel")->isHidden());
    EXPECT_EQ(Form->Context().Settings.LetterSetMode, lsNames);
    EXPECT_EQ(ui::ScreenCursor(), ui::TScreenCursor::Default);
}

TEST_F(MainFormGames, MakeWordShowsItsScreenWithRulesAndUsesTheNamesSet)
{
    Form->FormActivate();
    Form->Context().Settings.LetterSetMode = lsSounds;
    Named<QAction>(*Form, "MakeWord")->trigger();
    FinishPictureReading(Form->Objects);
    EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "ContentPanel")), Named<TPanel>(*Form, "GamesPanel"));
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "GameMakeWPanel"));
    ExpectRulesOnTopWith(Named<TPanel>(*Form, "RuleMakeWGamePanel"));
    EXPECT_FALSE(Named<TPanel>(*Form, "GenderVoiceRadioPanel")->isHidden());
    EXPECT_EQ(Form->Context().Settings.LetterSetMode, lsNames);
}

TEST_F(MainFormGames, ExaminationOpensItsChooserOverTheScreenWithTheStartPictureAndADisabledBoard)
{
    Form->FormActivate();
    Form->Context().Settings.LetterSetMode = lsSounds;
    Named<TPanel>(*Form, "StartExamContentPanel")->hide();  // as a started exam leaves it
    Named<QAction>(*Form, "Examination")->trigger();
    EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "ContentPanel")), Named<TPanel>(*Form, "SysPanel"));
    EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "SysPanel")), Named<TPanel>(*Form, "GameExamTypePanel"));
    EXPECT_TRUE(Named<TPanel>(*Form, "GameSndTypePanel")->isHidden());
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "GameExamPanel"));
    ExpectRulesOnTopWith(Named<TPanel>(*Form, "RuleExamGamePanel"));
    EXPECT_FALSE(Named<TPanel>(*Form, "StartExamContentPanel")->isHidden());
    EXPECT_TRUE(Above(Named<TPanel>(*Form, "StartExamContentPanel"), Named<TScrollBox>(*Form, "LettersExamScrollBox")));
    EXPECT_FALSE(Named<TScrollBox>(*Form, "LettersExamScrollBox")->isEnabled());
    EXPECT_TRUE(Named<TImage>(*Form, "StartExamImage")->isEnabled());
    EXPECT_EQ(Form->Context().Settings.LetterSetMode, lsSounds);  // set by the type buttons, not here
    EXPECT_EQ(ui::ScreenCursor(), ui::TScreenCursor::Default);
}

TEST_F(MainFormGames, ColouringThemeShowsItsScreenWithRulesClosesBothMenusAndLeavesTheVoiceChooser)
{
    Form->FormActivate();
    Named<TPanel>(*Form, "PopupMenuPanel")->show();
    Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->show();
    ThemeButton(QStringLiteral("Животные"))->click();
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "RaskraskaPanel"));
    ExpectRulesOnTopWith(Named<TPanel>(*Form, "RuleRasPanel"));
    EXPECT_TRUE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());
    EXPECT_TRUE(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->isHidden());
    EXPECT_TRUE(Named<TPanel>(*Form, "GenderVoiceRadioPanel")->isHidden());  // as the start screen left it
}

TEST_F(MainFormGames, AFinishedGameReturnsToTheStartScreenOverTheGameAndItsRules)
{
    Form->FormActivate();
    Named<QAction>(*Form, "MakeWord")->trigger();
    FinishPictureReading(Form->Objects);
    Form->StartPanelShowExecute();
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "StartPanel"));
    // The rules panel is not hidden, only covered.
    EXPECT_FALSE(Named<TPanel>(*Form, "RulesPanel")->isHidden());
    EXPECT_TRUE(Above(Named<TPanel>(*Form, "StartPanel"), Named<TPanel>(*Form, "RulesPanel")));
    EXPECT_TRUE(Named<TPanel>(*Form, "GenderVoiceRadioPanel")->isHidden());
    // Opening a game again raises its screen and the rules over it.
    Named<QAction>(*Form, "FindLetter")->trigger();
    FinishPictureReading(Form->Objects);
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "GamePicPanel"));
    ExpectRulesOnTopWith(Named<TPanel>(*Form, "RulePicGamePanel"));
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
    Named<QAction>(*Form, "FindLetter")->trigger();  // its pictures are being read: the game is held
    Named<QAction>(*Form, "ShowRaskraskaMenu")->trigger();
    const auto themes = Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>();
    ASSERT_EQ(themes.size(), 1);
    themes[0]->click();
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "RaskraskaPanel"));
    EXPECT_FALSE(Named<TPanel>(*Form, "TimerPanel")->isHidden()) << "the bar goes on while the pictures are read";

    FinishPictureReading(Form->Objects);
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "RaskraskaPanel")) << "the game does not start over the colouring screen";
    EXPECT_TRUE(Named<TPanel>(*Form, "TimerPanel")->isHidden());
    EXPECT_EQ(Form->Objects.FirstLImgPanels->SelectedIndex, -1);

    // Opened again, the game starts at once with its pictures.
    Named<QAction>(*Form, "FindLetter")->trigger();
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "GamePicPanel"));
    EXPECT_EQ(Form->Objects.FirstLImgPanels->SelectedIndex, 0);
    EXPECT_TRUE(Dialogs.Calls.empty());
}

TEST_F(MainFormGames, ChoosingAnotherGameWhileTheRulesAreOpenRaisesThatGamesPage)
{
    Form->FormActivate();
    Named<QAction>(*Form, "FindLetter")->trigger();
    FinishPictureReading(Form->Objects);
    Named<QAction>(*Form, "MakeWord")->trigger();
    FinishPictureReading(Form->Objects);
    ExpectRulesOnTopWith(Named<TPanel>(*Form, "RuleMakeWGamePanel"));
    Named<QAction>(*Form, "CloseRulesPanel")->trigger();
    EXPECT_TRUE(Named<TPanel>(*Form, "RulesPanel")->isHidden());
    Named<QAction>(*Form, "FindLetter")->trigger();
    FinishPictureReading(Form->Objects);
    ExpectRulesOnTopWith(Named<TPanel>(*Form, "RulePicGamePanel"));
}

TEST_F(MainFormGames, AnActivityChosenWhileAChooserIsUpClosesTheChooser)
{
    Form->FormActivate();
    Named<QAction>(*Form, "SoundLetters")->trigger();
    Named<QAction>(*Form, "FindLetter")->trigger();
    FinishPictureReading(Form->Objects);
    EXPECT_TRUE(Named<TPanel>(*Form, "SysPanel")->isHidden());
    EXPECT_TRUE(Named<TPanel>(*Form, "GameSndTypePanel")->isHidden());
    EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "ContentPanel")), Named<TPanel>(*Form, "GamesPanel"));

    Named<QAction>(*Form, "Examination")->trigger();
    ThemeButton(QStringLiteral("Животные"))->click();
    EXPECT_TRUE(Named<TPanel>(*Form, "SysPanel")->isHidden());
    EXPECT_TRUE(Named<TPanel>(*Form, "GameExamTypePanel")->isHidden());
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "RaskraskaPanel"));

    // From one chooser to the other: only the new one stands.
    Named<QAction>(*Form, "Examination")->trigger();
    Named<QAction>(*Form, "SoundLetters")->trigger();
    EXPECT_FALSE(Named<TPanel>(*Form, "GameSndTypePanel")->isHidden());
    EXPECT_TRUE(Named<TPanel>(*Form, "GameExamTypePanel")->isHidden());
}

TEST_F(MainForm, RulesActionsShowRaiseAndClose)
{
    Form->FormActivate();
    Named<QAction>(*Form, "ShowRulesPanel")->trigger();
    EXPECT_FALSE(Named<TPanel>(*Form, "RulesPanel")->isHidden());
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "StartPanel"));
    EXPECT_TRUE(Above(Named<TPanel>(*Form, "RulesPanel"), Named<TPanel>(*Form, "StartPanel")));
    Named<QAction>(*Form, "ShowExamGameRules")->trigger();
    EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "RulesContextPanel")), Named<TPanel>(*Form, "RuleExamGamePanel"));
    Named<QAction>(*Form, "ShowRaskraskaRules")->trigger();
    EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "RulesContextPanel")), Named<TPanel>(*Form, "RuleRasPanel"));
    ShowAt({1099, 770});
    QTest::mouseClick(Named<TSpeedButton>(*Form, "RulesCloseButton"), Qt::LeftButton);
    EXPECT_TRUE(Named<TPanel>(*Form, "RulesPanel")->isHidden());
}

// --- The menu ---

TEST_F(MainForm, MenuLabelOpensTheMenuInPlaceAndTheCloseButtonHidesBothMenus)
{
    ShowAt({1099, 770});
    QTest::mouseClick(Named<TLabel>(*Form, "MenuLabel"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());
    EXPECT_TRUE(Above(Named<TPanel>(*Form, "PopupMenuPanel"), Named<TPanel>(*Form, "ContentPanel")));
    // Pressing "Меню" again leaves it visible and in place.
    QTest::mouseClick(Named<TLabel>(*Form, "MenuLabel"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());
    EXPECT_EQ(Named<TPanel>(*Form, "PopupMenuPanel")->geometry(), QRect(46, 37, 140, 261));
    // Opening the menu hides nothing.
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "StartPanel"));

    Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->show();
    QTest::mouseClick(Named<TSpeedButton>(*Form, "SpeedButton1"), Qt::LeftButton);
    EXPECT_TRUE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());
    EXPECT_TRUE(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->isHidden());
}

TEST_F(MainForm, GameEntriesStayDisabledUntilTheirObjectsExist)
{
    ShowAt({1099, 770});
    for (TSpeedButton* b : {Named<TSpeedButton>(*Form, "SpeedButton3"), Named<TSpeedButton>(*Form, "SpeedButton4"),
                            Named<TSpeedButton>(*Form, "SpeedButton5"), Named<TSpeedButton>(*Form, "SpeedButton6"),
                            Named<TSpeedButton>(*Form, "SpeedButton7")})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();

    // A click on a disabled entry runs nothing.
    Named<TPanel>(*Form, "PopupMenuPanel")->show();
    QTest::mouseClick(Named<TSpeedButton>(*Form, "SpeedButton4"), Qt::LeftButton);
    Named<QAction>(*Form, "FindLetter")->trigger();
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "StartPanel"));
    EXPECT_FALSE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());

    // Each entry needs its own objects.
    TGameObjects& o = Form->Objects;
    o.SndLetterPanels = std::make_unique<TRusSndLetterPanelCollection>(Form->Context());
    o.PicGameBuffer = std::make_unique<TPicGameBuffer>(Form->Context());
    o.PicLetterPanels = std::make_unique<TRusPicLetterPanelCollection>(Form->Context());
    Form->UpdateGameActions();
    EXPECT_TRUE(Named<TSpeedButton>(*Form, "SpeedButton3")->isEnabled());
    EXPECT_FALSE(Named<TSpeedButton>(*Form, "SpeedButton4")->isEnabled());  // the picture strip is still missing
    EXPECT_FALSE(Named<TSpeedButton>(*Form, "SpeedButton6")->isEnabled());

    HaveAllObjects();
    for (TSpeedButton* b : {Named<TSpeedButton>(*Form, "SpeedButton3"), Named<TSpeedButton>(*Form, "SpeedButton4"),
                            Named<TSpeedButton>(*Form, "SpeedButton5"), Named<TSpeedButton>(*Form, "SpeedButton6"),
                            Named<TSpeedButton>(*Form, "SpeedButton7")})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
}

TEST_F(MainFormGames, AnEnabledEntryRunsItsActionWhichClosesTheMenu)
{
    ShowAt({1099, 770});
    Named<TPanel>(*Form, "PopupMenuPanel")->show();
    QTest::mouseClick(Named<TSpeedButton>(*Form, "SpeedButton5"), Qt::LeftButton);
    EXPECT_TRUE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "GameMakeWPanel"));

    Named<TPanel>(*Form, "PopupMenuPanel")->show();
    QTest::mouseClick(Named<TSpeedButton>(*Form, "SpeedButton3"), Qt::LeftButton);
    EXPECT_TRUE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());
    EXPECT_EQ(TopVisible(Named<TPanel>(*Form, "ContentPanel")), Named<TPanel>(*Form, "SysPanel"));

    // "Раскраска" leaves the main menu open beside the theme menu.
    Named<TPanel>(*Form, "PopupMenuPanel")->show();
    QTest::mouseClick(Named<TSpeedButton>(*Form, "SpeedButton7"), Qt::LeftButton);
    EXPECT_FALSE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());
    EXPECT_FALSE(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel")->isHidden());
    EXPECT_TRUE(Above(Named<TPanel>(*Form, "RaskraskaPopupMenuPanel"), Named<TPanel>(*Form, "PopupMenuPanel")));
}

// --- "Меню" bevel and the sample tile ---

TEST_F(MainForm, MenuBevelSinksOnPressAndRisesOnReleaseAlsoOutside)
{
    ShowAt({1099, 770});
    QTest::mousePress(Named<TLabel>(*Form, "MenuLabel"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Named<TPanel>(*Form, "MenuPanel")->BevelInner(), TBevel::Lowered);
    EXPECT_TRUE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());  // not before the click is complete
    QTest::mouseRelease(Named<TLabel>(*Form, "MenuLabel"), Qt::LeftButton, {}, QPoint(400, 300));
    EXPECT_EQ(Named<TPanel>(*Form, "MenuPanel")->BevelInner(), TBevel::Raised);
    EXPECT_TRUE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());  // released outside: no click

    QTest::mousePress(Named<TLabel>(*Form, "MenuLabel"), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Named<TPanel>(*Form, "MenuPanel")->BevelInner(), TBevel::Lowered);
    QTest::mouseRelease(Named<TLabel>(*Form, "MenuLabel"), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Named<TPanel>(*Form, "MenuPanel")->BevelInner(), TBevel::Raised);
    EXPECT_TRUE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());

    QTest::mouseClick(Named<TLabel>(*Form, "MenuLabel"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Named<TPanel>(*Form, "MenuPanel")->BevelInner(), TBevel::Raised);
    EXPECT_FALSE(Named<TPanel>(*Form, "PopupMenuPanel")->isHidden());
}

TEST_F(MainForm, SampleTileSinksWhilePressed)
{
    Named<TPanel>(*Form, "SourcePanel")->show();  // the parking area is never visible; shown here to reach the tile
    ShowAt({1099, 770});
    QTest::mousePress(Named<TLabel>(*Form, "Label1"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Named<TPanel>(*Form, "Panel1")->BevelOuter(), TBevel::Lowered);
    QTest::mouseRelease(Named<TLabel>(*Form, "Label1"), Qt::LeftButton, {}, QPoint(500, 5));
    EXPECT_EQ(Named<TPanel>(*Form, "Panel1")->BevelOuter(), TBevel::Raised);
}

// --- The web-link question ---

TEST_F(MainForm, WebLinkQuestionOpensTheVendorsAddressOnYes)
{
    ShowAt({1099, 770});
    Dialogs.YesNoAnswer = true;
    QTest::mouseClick(Named<TLabel>(*Form, "Label3"), Qt::LeftButton, {}, QPoint(5, 5));
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
    QTest::mouseClick(Named<TLabel>(*Form, "Label3"), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(Dialogs.Calls.size(), 2u);
    EXPECT_EQ(Dialogs.Calls[1].Kind, TDialogCall::Message);
    EXPECT_EQ(Dialogs.Calls[1].Title, QStringLiteral("Вельмок"));
    EXPECT_TRUE(Dialogs.Calls[1].Text.endsWith(QLatin1Char('\n') + kVendorWebAddress))
        << Dialogs.Calls[1].Text.toStdString();
}

TEST_F(MainFormGames, WebLinkQuestionAnsweredNoLeavesEverythingAsItWas)
{
    ShowAt({1099, 770});
    Named<QAction>(*Form, "FindLetter")->trigger();
    FinishPictureReading(Form->Objects);
    Dialogs.Calls.clear();  // the empty content folder's messages
    Dialogs.YesNoAnswer = false;
    QTest::mouseClick(Named<TLabel>(*Form, "Label3"), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Dialogs.Calls.size(), 1u);
    EXPECT_TRUE(Opened.isEmpty());
    EXPECT_EQ(TopScreen(), Named<TPanel>(*Form, "GamePicPanel"));
    ExpectRulesOnTopWith(Named<TPanel>(*Form, "RulePicGamePanel"));
}

}  // namespace

// Every widget of the window, its screens' tiles, the menus' choices and the grown-ups' corner
// included, has a name to be found by (Qt's own inner parts of a scroll area aside).
TEST_F(MainFormGames, EveryWidgetHasAName)
{
    Form->show();
    Form->FormActivate();
    for (const char* activity : {"SoundLetters", "FindLetter", "MakeWord", "Examination"}) {
        Named<QAction>(*Form, activity)->trigger();
        FinishPictureReading(Form->Objects);
    }
    // "Слоги" with one syllable, found by the activities' own loading.
    const QString syllables = Folder.path() + QStringLiteral("/Sound/Женский голос/Слоги/");
    ASSERT_TRUE(QDir().mkpath(syllables));
    QFile(syllables + QStringLiteral("ма.mp3")).open(QIODevice::WriteOnly);
    Form->TTestForm::StartLoading();
    TFakeSpeech speech;
    Form->SetSpeech(&speech);
    for (const char* exercise : {"SlogFindSpeedButton", "SlogBuildSpeedButton", "SlogReadSpeedButton"}) {
        Named<QAction>(*Form, "Slogi")->trigger();
        Named<TSpeedButton>(*Form, exercise)->click();
    }
    Named<TSpeedButton>(*Form, "LetterrsNamesSpeedButton")->click();
    ThemeButton(QStringLiteral("Животные"))->click();
    Form->OpenGrownUpsCorner();  // its door and sections are made as it first opens
    const QStringList factors =
        Named<QLabel>(*Form, "GateQuestionLabel")->text().split(QRegularExpression("\\D+"), Qt::SkipEmptyParts);
    ASSERT_EQ(factors.size(), 2);
    Named<QLineEdit>(*Form, "GateAnswerEdit")->setText(QString::number(factors[0].toInt() * factors[1].toInt()));
    QTest::keyClick(Named<QLineEdit>(*Form, "GateAnswerEdit"), Qt::Key_Return);  // past the door: the rows are made
    ASSERT_TRUE(Named<QWidget>(*Form, "CornerPanel")->isVisible());
    QStringList unnamed;
    for (QWidget* w : Form->findChildren<QWidget*>()) {
        bool qtsOwn = false;
        for (QWidget* p = w; p && !qtsOwn; p = p->parentWidget()) qtsOwn = p->objectName().startsWith("qt_");
        if (!qtsOwn && w->objectName().isEmpty())
            unnamed << QString::fromLatin1(w->metaObject()->className()) + " in " + w->parentWidget()->objectName();
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
    Form->SetSpeech(nullptr);
}
