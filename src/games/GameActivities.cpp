#include "games/GameActivities.h"

#include "core/AppContext.h"
#include "games/ExamScreen.h"
#include "games/FindLetterScreen.h"
#include "games/GameObjects.h"
#include "games/LearningScreen.h"
#include "games/MakeWordScreen.h"
#include "games/PictureGameSetup.h"
#include "games/PictureWait.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/ScrollBox.h"
#include "platform/widgets/SpeedButton.h"

namespace {

// The two buttons of the learning board's and the examination's chooser: the letter names or the
// letter sounds, handed to Choose.
std::vector<TActivityChoice> LetterSetChoices(const char* Names, const char* Sounds, const std::function<bool(int)>& Choose)
{
    return {
        {QLatin1String(Names), QStringLiteral("Название букв"), QRect(58, 8, 98, 25), [Choose] { return Choose(lsNames); }},
        {QLatin1String(Sounds), QStringLiteral("Звуки"), QRect(178, 7, 65, 25), [Choose] { return Choose(lsSounds); }}};
}

// What opening either picture game does around raising its screen. Before: the letter names in
// force, and Prepare; a strip already being read from an earlier opening starts its game once it
// is in, as that opening arranged. After: once Strip's pictures are in, Start (false: no picture to
// play with, a box, and the start screen instead).
void DescribePictureGameOpening(TActivity& Activity, TAppContext& Context, IActivityWindow& Window,
                                std::function<TImgPanelCollection*()> Strip, std::function<QWidget*()> Screen,
                                std::shared_ptr<TPictureWait> Wait, std::function<bool()> Prepare,
                                std::function<bool()> Start)
{
    auto waiting = std::make_shared<bool>(false);
    Activity.Prepare = [&Context, Strip, waiting, Prepare = std::move(Prepare)] {
        Context.Settings.LetterSetMode = lsNames;
        *waiting = Strip()->Reading();
        return Prepare();
    };
    Activity.Opened = [&Context, &Window, Strip, Screen, waiting, Wait = std::move(Wait), Start = std::move(Start)] {
        if (*waiting) return;
        TImgPanelCollection* strip = Strip();
        Wait->After(*strip, Screen(), [&Context, &Window, strip, Start] {
            if (Start()) return;
            ReportNoPictures(*strip, Context.Settings, *Context.Dialogs);
            Window.ShowStartScreen();
        });
    };
}

}  // namespace

TActivity LearningActivity(TAppContext& Context, TGameObjects& Objects)
{
    auto screen = std::make_shared<TLearningScreen>();
    TActivity a;
    a.Action = QStringLiteral("SoundLetters");
    a.Caption = QStringLiteral("Обучение");
    a.MenuButton = QStringLiteral("SpeedButton3");
    a.ScreenPlace = 20;
    a.Rules = {
        QStringLiteral("ShowSndGameRules"),
        QStringLiteral("RuleSndGamePanel"),
        QStringLiteral("RulesGame1RichEdit"),
        {QStringLiteral("Ребенок может находить соответствие между "),
         QStringLiteral("изображением буквы и ее звуком. При нажатии "), QStringLiteral("на букву проигрывается звук.")},
        50};
    // The board and the rules stay under the system screen until a game type is chosen; the board
    // is rebuilt for the letter set chosen when it was built for the other.
    a.Chooser = TActivityChooser{
        QStringLiteral("GameSndTypePanel"), QRect(397, 260, 305, 66),
        LetterSetChoices("LetterrsNamesSpeedButton", "LettersSoundsSpeedButton", [&Context, &Objects, screen](int Mode) {
            Context.Settings.LetterSetMode = Mode;
            return PrepareLearningBoard(*Objects.SndLetterPanels, screen->LettersSndScrollBox, *Context.Dialogs);
        })};
    a.Build = [&Objects, screen](QWidget* GamesPanel) {
        *screen = BuildLearningScreen(GamesPanel);
        return TActivityScreen{screen->GameSndPanel, screen->Keys(Objects, nullptr)};
    };
    a.Playable = [&Objects] { return Objects.SndLetterPanels != nullptr; };
    return a;
}

TActivity FindLetterActivity(TAppContext& Context, TGameObjects& Objects, IActivityWindow& Window,
                             std::shared_ptr<TPictureWait> Wait)
{
    auto screen = std::make_shared<TFindLetterScreen>();
    TActivity a;
    a.Action = QStringLiteral("FindLetter");
    a.Caption = QStringLiteral("Найди букву");
    a.MenuButton = QStringLiteral("SpeedButton4");
    a.ScreenPlace = 10;
    a.Rules = {QStringLiteral("ShowPicGameRules"),
               QStringLiteral("RulePicGamePanel"),
               QStringLiteral("RichEdit1"),
               {QStringLiteral("Ребенку нужно найти букву с которой начинается "),
                QStringLiteral("слово изображенное на рисунке и нажать на нее.")},
               30};
    a.Build = [&Objects, screen](QWidget* GamesPanel) {
        *screen = BuildFindLetterScreen(GamesPanel);
        // Painted through a buffer of its own, as the sample tile: the big picture changes often.
        screen->BigImagePanel->SetDoubleBuffered(true);
        return TActivityScreen{screen->GamePicPanel, screen->Keys(Objects, nullptr)};
    };
    a.Playable = [&Objects] { return Objects.PicGameBuffer && Objects.PicLetterPanels && Objects.FirstLImgPanels; };
    DescribePictureGameOpening(
        a, Context, Window, [&Objects] { return Objects.FirstLImgPanels.get(); }, [screen] { return screen->GamePicPanel; },
        std::move(Wait),
        [&Context, &Objects, screen] { return PrepareFindLetterGame(Context.Settings, Objects, *screen, *Context.Dialogs); },
        [&Objects, screen] { return StartFindLetterPictures(Objects, *screen); });
    return a;
}

TActivity MakeWordActivity(TAppContext& Context, TGameObjects& Objects, IActivityWindow& Window,
                           std::shared_ptr<TPictureWait> Wait)
{
    auto screen = std::make_shared<TMakeWordScreen>();
    TActivity a;
    a.Action = QStringLiteral("MakeWord");
    a.Caption = QStringLiteral("Дед Буквоед");
    a.MenuButton = QStringLiteral("SpeedButton5");
    a.ScreenPlace = 30;
    a.Rules = {QStringLiteral("ShowMakeWGameRules"),
               QStringLiteral("RuleMakeWGamePanel"),
               QStringLiteral("RichEdit3"),
               {QStringLiteral("Под картинкой написано слово изображенное на "),
                QStringLiteral("рисунке с одной пропущеной буквой. Необходимо "),
                QStringLiteral("чтоб ребенок выбрал эту букву среди набора "), QStringLiteral("букв.")},
               40};
    a.Build = [&Objects, screen](QWidget* GamesPanel) {
        *screen = BuildMakeWordScreen(GamesPanel);
        return TActivityScreen{screen->GameMakeWPanel, screen->Keys(Objects, nullptr)};
    };
    a.Playable = [&Objects] { return Objects.MakeWBuffer && Objects.MakeWLetterPanels && Objects.MakeWImgPanels; };
    DescribePictureGameOpening(
        a, Context, Window, [&Objects] { return Objects.MakeWImgPanels.get(); }, [screen] { return screen->GameMakeWPanel; },
        std::move(Wait),
        [&Context, &Objects, screen] { return PrepareMakeWordGame(Context.Settings, Objects, *screen, *Context.Dialogs); },
        [&Objects, screen] { return StartMakeWordPictures(Objects, *screen); });
    return a;
}

TActivity ExamActivity(TAppContext& Context, TGameObjects& Objects)
{
    auto screen = std::make_shared<TExamScreen>();
    TActivity a;
    a.Action = QStringLiteral("Examination");
    a.Caption = QStringLiteral("Экзамен");
    a.MenuButton = QStringLiteral("SpeedButton6");
    a.ScreenPlace = 70;
    a.Rules = {QStringLiteral("ShowExamGameRules"),
               QStringLiteral("RuleExamGamePanel"),
               QStringLiteral("RichEdit2"),
               {QStringLiteral("Необходимо чтоб ребенок выбрал изображение "), QStringLiteral("буквы, которую он слышит.")},
               10};
    a.Chooser = TActivityChooser{QStringLiteral("GameExamTypePanel"), QRect(405, 268, 305, 66),
                                 LetterSetChoices("SpeedButton8", "SpeedButton9", [&Context, &Objects, screen](int Mode) {
                                     Context.Settings.LetterSetMode = Mode;
                                     return PrepareExamBoard(*Objects.ExamLetterPanels, screen->LettersExamScrollBox,
                                                             *Context.Dialogs);
                                 })};
    a.Build = [&Context, &Objects, screen](QWidget* GamesPanel) {
        *screen = BuildExamScreen(GamesPanel);
        TExamScreen* s = screen.get();
        // The start control looks pressed while the mouse button is held on it.
        QObject::connect(s->StartExamImage, &TImage::MouseDown, s->StartExamImage,
                         [s] { s->StartExamPanel->SetBevelInner(TBevel::Lowered); });
        QObject::connect(s->StartExamImage, &TImage::MouseUp, s->StartExamImage,
                         [s] { s->StartExamPanel->SetBevelInner(TBevel::Raised); });
        QObject::connect(s->StartExamImage, &TImage::Clicked, s->StartExamImage,
                         [s, &Objects] { StartExam(*s, *Objects.ExamGame); });
        // The question as it was asked, in the voice it was asked in: the paths were saved then.
        QObject::connect(s->RepeatSndButton, &TSpeedButton::clicked, s->RepeatSndButton,
                         [&Context, &Objects] { RepeatExamQuestion(*Objects.ExamGame, *Context.Speech); });
        return TActivityScreen{s->GameExamPanel, s->Keys(Objects, nullptr)};
    };
    a.Playable = [&Objects] { return Objects.ExamGame && Objects.ExamLetterPanels; };
    // A new random order of the board's letters at every opening; the tiles are refilled.
    a.Prepare = [&Objects] {
        Objects.ExamLetterPanels->Reshuffle();
        return true;
    };
    // No tile can be clicked before the exam starts.
    a.Opened = [screen] {
        screen->StartExamContentPanel->show();
        screen->LettersExamScrollBox->setEnabled(false);
    };
    return a;
}
