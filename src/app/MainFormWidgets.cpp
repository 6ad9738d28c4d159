// The main window's own widgets: loading overlay, title ribbon, content area with the system
// screen and the games area, start screen, rules panel, pop-up menus, hidden working widgets.
#include "app/MainForm.h"

#include "app/KeyboardPlay.h"
#include "app/StartPicture.h"

#include "core/Artwork.h"
#include "core/Palette.h"
#include "core/Texts.h"
#include "core/Vendor.h"
#include "corner/GrownUpsCorner.h"
#include "platform/widgets/Accessibility.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/RichEdit.h"
#include "platform/widgets/SpeedButton.h"
#include "platform/widgets/Style.h"
#include "platform/widgets/WidgetBuild.h"

#include <QAction>
#include <QListWidget>
#include <QRadioButton>

using namespace build;

namespace {

QFont Font(const char* Name, int Pixels, bool Bold = false)
{
    return fonts::StandIn(QLatin1String(Name), Pixels, Bold);
}

// A flat button that runs Action; it shows the action's caption unless it has its own, and is
// enabled with the action.
void Bind(TSpeedButton* Button, QAction* Action, bool TakeCaption = true)
{
    if (TakeCaption) Button->SetCaption(Action->text());
    Button->setEnabled(Action->isEnabled());
    QObject::connect(Button, &QToolButton::clicked, Action, &QAction::trigger);
    QObject::connect(Action, &QAction::changed, Button, [Button, Action] { Button->setEnabled(Action->isEnabled()); });
}

QRadioButton* VoiceButton(QWidget* Parent, const char* Name, const QString& Caption, const QPoint& Pos)
{
    auto* b = new QRadioButton(Caption, Parent);
    b->setObjectName(QLatin1String(Name));
    ui::SetFont(b, Font("MS Sans Serif", 11), palette::Yellow);
    b->setFocusPolicy(Qt::TabFocus);
    ui::SetBase(b, QRect(Pos, QSize(73, 17)), akRight | akTop);
    return b;
}

QListWidget* WorkingList(QWidget* Parent, const char* Name, const QRect& Bounds)
{
    auto* l = new QListWidget(Parent);
    l->setObjectName(QLatin1String(Name));
    ui::SetBase(l, Bounds);
    return l;
}

}  // namespace

void TLoadingOverlay::CreateLoadingOverlay(QWidget* Window)
{
    TimerPanel = Panel(Window, "TimerPanel", QRect(472, 351, 284, 73), TAlign::None, akNone,
                       {palette::DeepBlue, TBevel::Raised, TBevel::Lowered, 0});
    ProgressLabel = Label(TimerPanel, "ProgressLabel", QPoint(45, 8), QStringLiteral("Подождите идет загрузка..."),
                          Font("Arial", 15, true), palette::Yellow);
    ProgressConteinerPanel =
        Panel(TimerPanel, "ProgressConteinerPanel", QRect(2, 40, 280, 31), TAlign::Bottom, Raised(palette::DeepBlue));
    ProgressPanel = Panel(ProgressConteinerPanel, "ProgressPanel", QRect(0, 7, 280, 18), TAlign::None,
                          akLeft | akRight | akBottom, Flat(palette::LightBlue));
}

void TMainForm::CreateTitleRibbon()
{
    MenuRibbon = Panel(this, "MenuRibbon", QRect(0, 0, 1099, 57), TAlign::Top, Raised(palette::DeepBlue));

    MenuPanel = Panel(MenuRibbon, "MenuPanel", QRect(1, 1, 112, 55), TAlign::Left,
                      {palette::DeepBlue, TBevel::None, TBevel::Raised, 0});
    MenuLabel =
        Label(MenuPanel, "MenuLabel", QPoint(20, 11), QStringLiteral("Меню"), Font("Arial Black", 21), palette::Yellow);
    MenuLabel->SetHandCursor(true);
    connect(MenuLabel, &TLabel::MouseDown, this, [this] { MenuLabelMouseDown(); });
    connect(MenuLabel, &TLabel::MouseUp, this, [this] { MenuLabelMouseUp(); });
    connect(MenuLabel, &TLabel::Clicked, this, [this] { MenuLabelClick(); });
    ui::SetAccessible(MenuLabel, ui::TAccessRole::Button, [this] { MenuLabel->Press(); });

    Label3 = Label(MenuRibbon, "Label3", QPoint(126, 16), kVendorWebAddress, Font("Arial Black", 16), palette::Yellow);
    Label3->SetHandCursor(true);
    connect(Label3, &TLabel::Clicked, this, [this] { Label3Click(); });
    ui::SetAccessible(Label3, ui::TAccessRole::Button, [this] { Label3->Press(); });

    TitleLabel = Label(MenuRibbon, "TitleLabel", QPoint(422, 8), QString::fromUtf8(kWindowCaption), Font("Arial Black", 27),
                       palette::Yellow, akNone);

    GenderVoiceRadioPanel =
        Panel(MenuRibbon, "GenderVoiceRadioPanel", QRect(1008, 1, 90, 55), TAlign::Right, Flat(palette::DeepBlue));
    FemaleVoiceRadioButton =
        VoiceButton(GenderVoiceRadioPanel, "FemaleVoiceRadioButton", QStringLiteral("Женский"), QPoint(17, 8));
    MaleVoiceRadioButton =
        VoiceButton(GenderVoiceRadioPanel, "MaleVoiceRadioButton", QStringLiteral("Мужской"), QPoint(17, 30));
    FemaleVoiceRadioButton->setChecked(true);
    // The buttons choose the voice through the parent's controls (TParentControls).
}

void TMainForm::CreateContentArea()
{
    ContentPanel = Panel(this, "ContentPanel", QRect(0, 57, 1099, 713), TAlign::Client, Flat(palette::Orange));
    // Bottom to top: the system screen, the games area, the media strip. The hidden media strip
    // still counts in the base bounds below it, so the areas are 672 high at the base size.
    CreateSystemScreen();

    GamesPanel = Panel(ContentPanel, "GamesPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));
    Games->CreateFindLetterScreen();
    Games->CreateLearningScreen();
    Games->CreateMakeWordScreen();
    CreateStartScreen();
    CreateRulesPanel(GamesPanel);
    Games->CreateColouringScreen();
    Games->CreateExamScreen();

    SystemPanel = Panel(ContentPanel, "SystemPanel", QRect(0, 672, 1099, 41), TAlign::Bottom, Raised(ui::ButtonFace()));
    SystemPanel->hide();
}

void TContentArea::CreateSystemScreen()
{
    SysPanel = Panel(ContentPanel, "SysPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));

    SourcePanel = Panel(SysPanel, "SourcePanel", QRect(0, 0, 193, 672), TAlign::Left, Raised(ui::ButtonFace()));
    SourcePanel->hide();
}

void TMainForm::CreateWorkingWidgets()
{
    // The folder listings themselves are fs::ListFiles and fs::ListSubFolders; these lists keep
    // their old places.
    FileListBox1 = WorkingList(SourcePanel, "FileListBox1", QRect(8, 8, 177, 97));
    FileListBox2 = WorkingList(SourcePanel, "FileListBox2", QRect(8, 113, 177, 97));
    DirectoryListBox1 = WorkingList(SourcePanel, "DirectoryListBox1", QRect(8, 218, 177, 97));
    CreateSampleTile();

    GameSndTypePanel =
        CreateGameTypeChooser("GameSndTypePanel", QRect(397, 260, 305, 66), LetterrsNamesSpeedButton,
                              "LetterrsNamesSpeedButton", LettersSoundsSpeedButton, "LettersSoundsSpeedButton");
    GameExamTypePanel = CreateGameTypeChooser("GameExamTypePanel", QRect(405, 268, 305, 66), SpeedButton8, "SpeedButton8",
                                              SpeedButton9, "SpeedButton9");
    Games->JoinGameTypeChoosers();
}

void TMainForm::CompleteBuild(bool KeepStartPicture)
{
    // Each goes into a parent made in the constructor that gets no other children, so the
    // window's tree is the same as if they had been made in their places.
    CreateWorkingWidgets();
    CreateRulesPages(CloseRulesPanel);
    Corner = new TGrownUpsCorner(this, Context);
    ui::TKeyScreen cornerKeys;
    cornerKeys.OwnKeys = true;
    Keyboard->AddScreen(Corner, std::move(cornerKeys));
    // What the corner added shows at once: its pictures are read as each game opens, its pages'
    // themes join the theme menu here.
    Corner->OnContentChanged = [this] { Games->CreateRaskraskaMenuExecute(); };
    Corner->Printer = [this] { return &Games->Printer(); };
    ui::Realign(this);
    if (KeepStartPicture) start_picture::Keep(Image2->Picture());
}

void TContentArea::CreateSampleTile()
{
    Panel1 = Panel(SourcePanel, "Panel1", QRect(40, 330, 110, 73), TAlign::None, Raised(palette::TileGrey));
    Image1 = Image(Panel1, "Image1", QRect(2, 2, 106, 69), TAlign::None, akLeftTop);
    Image1->SetStretch(true);
    Image1->SetProportional(true);
    Image1->SetCenter(true);
    Image1->SetTransparent(true);
    Image1->SetPicture(artwork::SampleTile());
    Label6 = new TLabel(QStringLiteral("a"), Panel1);
    Label6->setObjectName(QStringLiteral("Label6"));
    ui::SetFont(Label6, Font("Arial", 32), Qt::black);
    Label6->setAlignment(Qt::AlignCenter);
    ui::SetBase(Label6, QRect(0, (73 - Label6->sizeHint().height()) / 2, 110, Label6->sizeHint().height()));
    Label6->lower();
    Label1 = new TLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    ui::SetBase(Label1, QRect(1, 1, 108, 71), TAlign::Client);
    QObject::connect(Label1, &TLabel::MouseDown, Label1, [this] { Label1MouseDown(); });
    QObject::connect(Label1, &TLabel::MouseUp, Label1, [this] { Label1MouseUp(); });
}

TPanel* TContentArea::CreateGameTypeChooser(const char* Name, const QRect& Bounds, TSpeedButton*& NamesButton,
                                            const char* NamesName, TSpeedButton*& SoundsButton, const char* SoundsName)
{
    const QString name = QLatin1String(Name);
    TPanel* chooser = Panel(SysPanel, Name, Bounds, TAlign::None, akNone, Raised(palette::Teal));
    const QByteArray captionName = (name.chopped(5) + QStringLiteral("CaptionPanel")).toLatin1();
    const QByteArray labelName = (name.chopped(5) + QStringLiteral("CaptionLabel")).toLatin1();
    const QByteArray bodyName = (name.chopped(5) + QStringLiteral("ButtonPanel")).toLatin1();
    TPanel* caption = Panel(chooser, captionName.constData(), QRect(1, 1, 303, 24), TAlign::Top, Raised(palette::Teal));
    Label(caption, labelName.constData(), QPoint(7, 1), QStringLiteral("Тип игры"), Font("Comic Sans MS", 15, true),
          palette::Yellow);
    TPanel* body = Panel(chooser, bodyName.constData(), QRect(1, 25, 303, 40), TAlign::Client, Raised(palette::Teal));
    NamesButton = SpeedButton(body, NamesName, QRect(58, 8, 98, 25), akRight | akTop, Font("Comic Sans MS", 13), Qt::black);
    NamesButton->SetCaption(QStringLiteral("Название букв"));
    NamesButton->SetHandCursor(true);
    SoundsButton =
        SpeedButton(body, SoundsName, QRect(178, 7, 65, 25), akRight | akTop, Font("Comic Sans MS", 13), Qt::black);
    SoundsButton->SetCaption(QStringLiteral("Звуки"));
    SoundsButton->SetHandCursor(true);
    chooser->hide();
    return chooser;
}

void TMainForm::CreateStartScreen()
{
    StartPanel = Panel(GamesPanel, "StartPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));
    Image2 = Image(StartPanel, "Image2", QRect(0, 0, 1099, 672), TAlign::Client, akLeftTop);
    Image2->SetCenter(true);
    Image2->setAccessibleName(QString::fromUtf8(kWindowCaption));
    ui::TKeyScreen keys;  // nothing to press; the voice choice is hidden there
    keys.WindowRegions = false;
    Keyboard->AddScreen(StartPanel, std::move(keys));
    // Its picture comes last in the constructor: it may be being drawn on another thread.
}

void TRulesPanel::CreateRulesPanel(QWidget* GamesPanel)
{
    RulesPanel = Panel(GamesPanel, "RulesPanel", QRect(311, 137, 468, 328), TAlign::None, akNone, Raised(palette::Teal));
    RulesPanel->hide();
}

void TRulesPanel::CreateRulesPages(QAction* Close)
{
    RulesCaptionPanel = Panel(RulesPanel, "RulesCaptionPanel", QRect(1, 1, 466, 24), TAlign::Top, Raised(palette::Teal));
    Label(RulesCaptionPanel, "RulesCaptionLabel", QPoint(7, 1), QStringLiteral("Правила игры"),
          Font("Comic Sans MS", 15, true), palette::Yellow);

    RulesActionPanel = Panel(RulesPanel, "RulesActionPanel", QRect(1, 287, 466, 40), TAlign::Bottom, Raised(palette::Teal));
    RulesCloseButton = SpeedButton(RulesActionPanel, "RulesCloseButton", QRect(395, 8, 65, 25), akRight | akTop,
                                   Font("Comic Sans MS", 13), Qt::black);
    RulesCloseButton->SetHandCursor(true);
    Bind(RulesCloseButton, Close);

    RulesContextPanel =
        Panel(RulesPanel, "RulesContextPanel", QRect(1, 25, 466, 262), TAlign::Client, Raised(palette::LightSkyBlue));
    // The pages, bottom to top; each holds one text box 4 px inside it.
    auto page = [this](const char* PageName, const char* BoxName, const QStringList& Lines, TRichEdit*& Box) {
        TPanel* p = Panel(RulesContextPanel, PageName, QRect(1, 1, 464, 260), TAlign::Client, Flat(palette::LightSkyBlue));
        Box = RichEdit(p, BoxName, QRect(4, 4, 456, 252), akAll, Lines);
        return p;
    };
    RuleExamGamePanel =
        page("RuleExamGamePanel", "RichEdit2",
             {QStringLiteral("Необходимо чтоб ребенок выбрал изображение "), QStringLiteral("буквы, которую он слышит.")},
             RichEdit2);
    RuleRasPanel = page("RuleRasPanel", "RichEdit4",
                        {QStringLiteral("Здесь вы можете выбрать понравившуюся "),
                         QStringLiteral("картинку, распечатать ее и раскрашивать в свое "), QStringLiteral("удовольствие.")},
                        RichEdit4);
    RulePicGamePanel = page("RulePicGamePanel", "RichEdit1",
                            {QStringLiteral("Ребенку нужно найти букву с которой начинается "),
                             QStringLiteral("слово изображенное на рисунке и нажать на нее.")},
                            RichEdit1);
    RuleMakeWGamePanel = page("RuleMakeWGamePanel", "RichEdit3",
                              {QStringLiteral("Под картинкой написано слово изображенное на "),
                               QStringLiteral("рисунке с одной пропущеной буквой. Необходимо "),
                               QStringLiteral("чтоб ребенок выбрал эту букву среди набора "), QStringLiteral("букв.")},
                              RichEdit3);
    RuleSndGamePanel = page(
        "RuleSndGamePanel", "RulesGame1RichEdit",
        {QStringLiteral("Ребенок может находить соответствие между "),
         QStringLiteral("изображением буквы и ее звуком. При нажатии "), QStringLiteral("на букву проигрывается звук.")},
        RulesGame1RichEdit);
}

void TPopupMenus::CreatePopupMenu(QWidget* Window, const TWindowActions& Actions)
{
    PopupMenuPanel = Panel(Window, "PopupMenuPanel", QRect(46, 37, 140, 221), TAlign::None, Raised(palette::DeepBlue));
    PopupMenuTopPanel =
        Panel(PopupMenuPanel, "PopupMenuTopPanel", QRect(1, 1, 138, 21), TAlign::Top, Flat(palette::DeepBlue));
    SpeedButton1 =
        SpeedButton(PopupMenuTopPanel, "SpeedButton1", QRect(116, 0, 22, 22), akRight | akTop, Window->font(), Qt::black);
    SpeedButton1->SetGlyph(artwork::CloseGlyph());
    SpeedButton1->setAccessibleName(QStringLiteral("Закрыть меню"));
    QObject::connect(SpeedButton1, &QToolButton::clicked, SpeedButton1, [this] { SpeedButton1Click(); });

    auto entry = [this](const char* Name, int Top, QAction* Action) {
        TSpeedButton* b = SpeedButton(PopupMenuPanel, Name, QRect(3, Top, 133, 34), akLeft | akTop | akRight,
                                      Font("Arial", 19, true), palette::Yellow);
        b->SetHandCursor(true);
        Bind(b, Action);
        return b;
    };
    SpeedButton3 = entry("SpeedButton3", 25, Actions.SoundLetters);
    SpeedButton4 = entry("SpeedButton4", 65, Actions.FindLetter);
    SpeedButton5 = entry("SpeedButton5", 105, Actions.MakeWord);
    SpeedButton6 = entry("SpeedButton6", 145, Actions.Examination);
    SpeedButton7 = SpeedButton(PopupMenuPanel, "SpeedButton7", QRect(3, 184, 133, 34), akLeft | akTop | akRight,
                               Font("Arial", 19, true), palette::Yellow);
    SpeedButton7->SetHandCursor(true);
    SpeedButton7->SetCaption(QStringLiteral("Раскраска"));
    Bind(SpeedButton7, Actions.ShowRaskraskaMenu, false);
    PopupMenuPanel->hide();
}

void TPopupMenus::CreateThemeMenu(QWidget* Window)
{
    RaskraskaPopupMenuPanel =
        Panel(Window, "RaskraskaPopupMenuPanel", QRect(184, 232, 117, 81), TAlign::None, Raised(palette::DeepBlue));
    ui::SetFont(RaskraskaPopupMenuPanel, Font("MS Sans Serif", 13), palette::Yellow);
    RaskraskaPopupMenuPanel->hide();
}
