// The main window's own widgets: loading overlay, title ribbon, content area with the system
// screen and the games area, start screen, rules panel, pop-up menus, hidden working widgets.
#include "app/MainForm.h"

#include "app/ParentControls.h"
#include "corner/GrownUpsCorner.h"

#include "core/Artwork.h"
#include "core/Palette.h"
#include "core/Texts.h"
#include "core/Vendor.h"
#include "platform/widgets/Accessibility.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/RichEdit.h"
#include "platform/widgets/SpeedButton.h"
#include "platform/widgets/Stacking.h"
#include "platform/widgets/Style.h"
#include "platform/widgets/WidgetBuild.h"

#include <QAction>
#include <QListWidget>
#include <QRadioButton>

#include <algorithm>
#include <numeric>

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

// The menu's entries stand 40 px apart, but from the fifth on one pixel higher: the colouring
// book's entry has always stood 39 px below the examination's.
int MenuEntryTop(int Index)
{
    return 25 + 40 * Index - (Index >= 4 ? 1 : 0);
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
    // The activities' screens come after the first frame (CreateScreens), in their places among these.
    CreateStartScreen();
    CreateRulesPanel(GamesPanel);

    SystemPanel = Panel(ContentPanel, "SystemPanel", QRect(0, 672, 1099, 41), TAlign::Bottom, Raised(ui::ButtonFace()));
    SystemPanel->hide();
}

void TMainForm::CreateScreens()
{
    // Bottom to top as each activity places its own, the start screen and the rules panel among
    // them. Built after the first frame, they are then put in those places, and a start screen
    // already raised by the activation stays on top.
    constexpr int kStartScreenPlace = 40, kRulesPanelPlace = 50;
    const bool startRaised = ui::Above(StartPanel, RulesPanel);
    std::vector<std::pair<int, QWidget*>> order{{kStartScreenPlace, StartPanel}, {kRulesPanelPlace, RulesPanel}};
    for (size_t i = 0; i < FActivities.size(); ++i) {
        TActivityScreen screen = FActivities[i].Build(GamesPanel);
        // Made under a parent that may already be shown: shown as if made with it.
        if (!screen.Panel->testAttribute(Qt::WA_WState_ExplicitShowHide)) screen.Panel->show();
        order.emplace_back(FActivities[i].ScreenPlace, screen.Panel);
        FParts[i].Screen = screen.Panel;
        screen.Keys.Rules = FParts[i].ShowRules;
        for (const auto& [action, whenPlayable] : FParts[i].MoreActions)
            if (action->objectName() == FActivities[i].PrintAction) screen.Keys.Print = action;
        FKeyboard->AddScreen(screen.Panel, std::move(screen.Keys));
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& A, const auto& B) { return A.first < B.first; });
    for (const auto& [place, widget] : order)
        if (!(startRaised && widget == StartPanel)) widget->raise();
    if (startRaised) StartPanel->raise();
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
    CreateChoosers();
}

void TMainForm::CreateChoosers()
{
    for (size_t i = 0; i < FActivities.size(); ++i) {
        if (!FActivities[i].Chooser) continue;
        const TActivityChooser& chooser = *FActivities[i].Chooser;
        std::vector<TSpeedButton*> buttons;
        FParts[i].Chooser = CreateGameTypeChooser(chooser, buttons);
        for (size_t c = 0; c < buttons.size(); ++c)
            connect(buttons[c], &TSpeedButton::clicked, this,
                    [this, i, c] { Choose(i, FActivities[i].Chooser->Choices[c]); });
        // What the keys reach on it: its buttons; F1 shows the rules of its activity.
        ui::TKeyScreen keys;
        keys.Regions = [buttons] { return ui::TKeyRegions{ui::ButtonRegion({buttons.begin(), buttons.end()})}; };
        keys.Rules = FParts[i].ShowRules;
        FKeyboard->AddScreen(FParts[i].Chooser, std::move(keys));
    }
}

void TMainForm::CompleteBuild()
{
    // Each goes into a parent made in the constructor, in its place among what is there, so the
    // window's tree is the same as if they had been made in the constructor.
    CreateScreens();
    CreateWorkingWidgets();
    CreateRulesFrame(CloseRulesPanel);
    CreateRulesPages();
    ui::Realign(this);
}

void TMainForm::CreateGrownUpsCorner()
{
    FCorner = new TGrownUpsCorner(this, FContext);
    ui::TKeyScreen cornerKeys;
    cornerKeys.OwnKeys = true;
    FKeyboard->AddScreen(FCorner, std::move(cornerKeys));
    // What the corner added shows at once: its pictures are read as each game opens, its pages'
    // themes join the theme menu here.
    FCorner->OnContentChanged = [this] {
        for (const TActivity& activity : FActivities)
            if (activity.ContentChanged) activity.ContentChanged();
    };
    FCorner->Printer = [this] { return FContext.Printer(); };
}

void TMainForm::CreateRulesPages()
{
    // The pages bottom to top as each activity places its own.
    std::vector<size_t> order(FActivities.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [this](size_t A, size_t B) { return FActivities[A].Rules.Place < FActivities[B].Rules.Place; });
    for (size_t i : order) {
        const TActivityRules& rules = FActivities[i].Rules;
        FParts[i].RulesPage = CreateRulesPage(rules.Page, rules.Box, rules.Text, FParts[i].RulesBox);
    }
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

TPanel* TContentArea::CreateGameTypeChooser(const TActivityChooser& Chooser, std::vector<TSpeedButton*>& Buttons)
{
    const QString& name = Chooser.Name;
    const QByteArray chooserName = name.toLatin1();
    TPanel* chooser = Panel(SysPanel, chooserName.constData(), Chooser.Bounds, TAlign::None, akNone, Raised(palette::Teal));
    const QByteArray captionName = (name.chopped(5) + QStringLiteral("CaptionPanel")).toLatin1();
    const QByteArray labelName = (name.chopped(5) + QStringLiteral("CaptionLabel")).toLatin1();
    const QByteArray bodyName = (name.chopped(5) + QStringLiteral("ButtonPanel")).toLatin1();
    const int width = Chooser.Bounds.width() - 2;
    TPanel* caption = Panel(chooser, captionName.constData(), QRect(1, 1, width, 24), TAlign::Top, Raised(palette::Teal));
    Label(caption, labelName.constData(), QPoint(7, 1), QStringLiteral("Тип игры"), Font("Comic Sans MS", 15, true),
          palette::Yellow);
    TPanel* body = Panel(chooser, bodyName.constData(), QRect(1, 25, width, Chooser.Bounds.height() - 26), TAlign::Client,
                         Raised(palette::Teal));
    for (const TActivityChoice& choice : Chooser.Choices) {
        const QByteArray buttonName = choice.Name.toLatin1();
        TSpeedButton* b =
            SpeedButton(body, buttonName.constData(), choice.Bounds, akRight | akTop, Font("Comic Sans MS", 13), Qt::black);
        b->SetCaption(choice.Caption);
        b->SetHandCursor(true);
        Buttons.push_back(b);
    }
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
    FKeyboard->AddScreen(StartPanel, std::move(keys));
    // Its picture comes last in the constructor: it may be being drawn on another thread.
}

void TRulesPanel::CreateRulesPanel(QWidget* GamesPanel)
{
    RulesPanel = Panel(GamesPanel, "RulesPanel", QRect(311, 137, 468, 328), TAlign::None, akNone, Raised(palette::Teal));
    RulesPanel->hide();
}

void TRulesPanel::CreateRulesFrame(QAction* Close)
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
}

TPanel* TRulesPanel::CreateRulesPage(const QString& PageName, const QString& BoxName, const QStringList& Text,
                                     TRichEdit*& Box)
{
    const QByteArray page = PageName.toLatin1(), box = BoxName.toLatin1();
    TPanel* p =
        Panel(RulesContextPanel, page.constData(), QRect(1, 1, 464, 260), TAlign::Client, Flat(palette::LightSkyBlue));
    Box = RichEdit(p, box.constData(), QRect(4, 4, 456, 252), akAll, Text);
    return p;
}

void TMainForm::CreateMenus()
{
    CreatePopupMenu(this, static_cast<int>(FActivities.size()));
    for (size_t i = 0; i < FActivities.size(); ++i)
        FParts[i].MenuEntry =
            AddMenuEntry(static_cast<int>(i), FActivities[i].MenuButton, FParts[i].Action, FActivities[i].MenuCaption);
    CreateThemeMenu(this);
    FKeyboard->SetMenu(PopupMenuPanel, MenuKeys());
}

void TPopupMenus::CreatePopupMenu(QWidget* Window, int Entries)
{
    const int height = MenuEntryTop(Entries - 1) + 34 + 3;
    PopupMenuPanel = Panel(Window, "PopupMenuPanel", QRect(46, 37, 140, height), TAlign::None, Raised(palette::DeepBlue));
    PopupMenuTopPanel =
        Panel(PopupMenuPanel, "PopupMenuTopPanel", QRect(1, 1, 138, 21), TAlign::Top, Flat(palette::DeepBlue));
    SpeedButton1 =
        SpeedButton(PopupMenuTopPanel, "SpeedButton1", QRect(116, 0, 22, 22), akRight | akTop, Window->font(), Qt::black);
    SpeedButton1->SetGlyph(artwork::CloseGlyph());
    SpeedButton1->setAccessibleName(QStringLiteral("Закрыть меню"));
    QObject::connect(SpeedButton1, &QToolButton::clicked, SpeedButton1, [this] { SpeedButton1Click(); });
    PopupMenuPanel->hide();
}

TSpeedButton* TPopupMenus::AddMenuEntry(int Index, const QString& Name, QAction* Action, const QString& Caption)
{
    const QByteArray name = Name.toLatin1();
    TSpeedButton* b = SpeedButton(PopupMenuPanel, name.constData(), QRect(3, MenuEntryTop(Index), 133, 34),
                                  akLeft | akTop | akRight, Font("Arial", 19, true), palette::Yellow);
    b->SetHandCursor(true);
    if (!Caption.isEmpty()) b->SetCaption(Caption);
    Bind(b, Action, Caption.isEmpty());
    return b;
}

void TPopupMenus::CreateThemeMenu(QWidget* Window)
{
    RaskraskaPopupMenuPanel =
        Panel(Window, "RaskraskaPopupMenuPanel", QRect(184, 232, 117, 81), TAlign::None, Raised(palette::DeepBlue));
    ui::SetFont(RaskraskaPopupMenuPanel, Font("MS Sans Serif", 13), palette::Yellow);
    RaskraskaPopupMenuPanel->hide();
}
