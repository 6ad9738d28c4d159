#include "app/MainForm.h"

#include "app/Activities.h"
#include "app/ParentControls.h"
#include "app/StartPicture.h"
#include "app/StartSequence.h"
#include "app/StartupLoader.h"
#include "core/Artwork.h"
#include "core/Texts.h"
#include "core/Vendor.h"
#include "corner/GrownUpsCorner.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/QtPrinter.h"
#include "platform/widgets/RichEdit.h"
#include "platform/widgets/ScreenCursor.h"
#include "platform/widgets/SpeedButton.h"
#include "platform/widgets/Stacking.h"
#include "platform/widgets/Style.h"
#include "progress/ChildrenPanel.h"
#include "progress/PlayerChoice.h"
#include "progress/ProgressStore.h"
#include "progress/StorePractice.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace {

QAction* NewAction(QObject* Manager, const QString& Name, const QString& Category, const QString& Caption)
{
    auto* a = new QAction(Caption, Manager);
    a->setObjectName(Name);
    a->setProperty("category", Category);
    return a;
}

}  // namespace

TMainForm::TMainForm(IDialogs* Dialogs, const TSettings& Settings, QWidget* Parent, TStartOrder Order,
                     const TShowAtOnce& ShowAtOnce)
    : QWidget(Parent),
      FUrlOpener(ui::SystemUrlOpener([this](const QString& Url) { BrowserFailed(Url); })),
      FLoader(std::make_unique<TStartupLoader>(this))
{
    FContext.Settings = Settings;
    FContext.Dialogs = Dialogs;
    FContext.Printer = [this] {
        if (!FPrinter) FPrinter = std::make_unique<TQtPrinter>();
        return FPrinter.get();
    };
    // "Слоги" opens on the first lesson with a syllable the player does not know yet, once the
    // progress file is joined (before, or without it, on the first lesson).
    FActivities = MakeActivities(FContext, Objects, *this, [this] {
        return FProgress ? NotYetKnownSyllables(FProgress->LocalSummary(FProgress->Player())) : QSet<QString>();
    });
    FParts.resize(FActivities.size());

    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ui::ButtonFace());
    setPalette(pal);
    setAutoFillBackground(true);
    // The window's base size is 1107 x 799 at 276,148 with its frame; here the size is its client area.
    setGeometry(276, 148, kBaseWidth, kBaseHeight);
    ui::SetBaseSize(this, QSize(kBaseWidth, kBaseHeight));
    const bool firstFrameFirst = Order == TStartOrder::FirstFrameFirst;
    FStartUp = new TStartSequence(firstFrameFirst,
                                  {[this] { ActivateWindow(); },
                                   [this] { ShowLoadingOverlay(); },
                                   [this] { CompleteBuild(); },
                                   {},
                                   [this] { StartLoading(); }},
                                  this);
    // Nothing is painted before the message loop runs, when all below is built.
    if (ShowAtOnce) ShowAtOnce(*this);
    setFont(fonts::StandIn(QStringLiteral("MS Sans Serif"), 11));

    CreateActions();
    FKeyboard = std::make_unique<TKeyboardPlay>(static_cast<IKeyWindow&>(*this));
    // The window's children, bottom to top in the order they are created.
    CreateLoadingOverlay(this);
    CreateTitleRibbon();
    CreateContentArea();
    CreateMenus();
    FControls = new TParentControls(*this, *MenuRibbon, *FemaleVoiceRadioButton, *MaleVoiceRadioButton, FContext);
    connect(FControls, &TParentControls::QuitRequested, this, [this] {
        // Whatever is still starting stops: no later step, and the loader between two files.
        FStartUp->End();
        FLoader->Stop();
    });
    FContext.SourcePanel = SourcePanel;
    FContext.Ending = [this] { return FLoader->StopRequested(); };
    // Ctrl+Shift+G opens the corner from the first frame on, as the parent's other keys do; the
    // corner is a bare page until then (its door and sections are made when it first opens).
    CreateGrownUpsCorner();
    SetStartPicture();
    if (!firstFrameFirst) CompleteBuild();
    // Widgets added to a window already shown stay hidden until shown: these are shown as the
    // window's own showing would have shown them (all but those hidden on purpose).
    if (isVisible())
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && !child->testAttribute(Qt::WA_WState_ExplicitShowHide)) child->show();

    UpdateGameActions();
    ui::Realign(this);
}

TMainForm::~TMainForm()
{
    // The loader may still be making objects: wait for it before they are freed.
    FLoader->Join();
    Objects.Reset();
}

void TMainForm::CreateActions()
{
    ActionManager1 = new QObject(this);
    ActionManager1->setObjectName(QStringLiteral("ActionManager1"));
    ActionManager1->setProperty("style", QStringLiteral("XP Style"));

    CreateActivityActions();
    ShowRulesPanel =
        NewAction(ActionManager1, QStringLiteral("ShowRulesPanel"), QStringLiteral("RulesPanel"), QStringLiteral("Открыть"));
    CloseRulesPanel = NewAction(ActionManager1, QStringLiteral("CloseRulesPanel"), QStringLiteral("RulesPanel"),
                                QStringLiteral("Закрыть"));
    MenuHide = NewAction(ActionManager1, QStringLiteral("MenuHide"), QStringLiteral("Menu"), QStringLiteral("MenuHide"));
    StartPanelShow =
        NewAction(ActionManager1, QStringLiteral("StartPanelShow"), QString(), QStringLiteral("StartPanelShow"));
    connect(ShowRulesPanel, &QAction::triggered, this, [this] { ShowRulesPanelExecute(); });
    connect(CloseRulesPanel, &QAction::triggered, this, [this] { CloseRulesPanelExecute(); });
    connect(MenuHide, &QAction::triggered, this, [this] { MenuHideExecute(); });
    connect(StartPanelShow, &QAction::triggered, this, [this] { StartPanelShowExecute(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

void TMainForm::CreateActivityActions()
{
    for (size_t i = 0; i < FActivities.size(); ++i) {
        const TActivity& a = FActivities[i];
        TActivityParts& parts = FParts[i];
        parts.Action = NewAction(ActionManager1, a.Action, a.Category, a.Caption);
        connect(parts.Action, &QAction::triggered, this, [this, i] { OpenActivity(i); });
        for (const TActivityAction& more : a.MoreActions) {
            QAction* action = NewAction(ActionManager1, more.Name, more.Category, more.Caption);
            if (more.Run) connect(action, &QAction::triggered, this, more.Run);
            parts.MoreActions.emplace_back(action, more.WhenPlayable);
        }
        parts.ShowRules = NewAction(ActionManager1, a.Rules.Action, QStringLiteral("RulesPanel"), a.Rules.Action);
        connect(parts.ShowRules, &QAction::triggered, this, [&parts] {
            if (parts.RulesPage) parts.RulesPage->raise();
        });
    }
}

void TMainForm::UpdateGameActions()
{
    for (size_t i = 0; i < FActivities.size(); ++i) {
        const bool playable = FActivities[i].Playable && FActivities[i].Playable();
        FParts[i].Action->setEnabled(playable);
        for (const auto& [action, whenPlayable] : FParts[i].MoreActions)
            if (whenPlayable) action->setEnabled(playable);
    }
}

// --- Opening an activity ---

void TMainForm::OpenActivity(size_t Index)
{
    const TActivity& a = FActivities[Index];
    if (a.Open) return a.Open();
    ui::TCursorGuard hourGlass;
    MenuHideExecute();
    if (TPanel* chooser = FParts[Index].Chooser) {
        // One chooser at a time, over the screen it chooses for.
        for (const TActivityParts& other : FParts)
            if (other.Chooser && other.Chooser != chooser) other.Chooser->hide();
        ui::ToFront(chooser);
        ui::ToFront(SysPanel);
    } else {
        LeaveChoosers();
    }
    if (a.Prepare && !a.Prepare()) {
        StartPanelShowExecute();
        return;
    }
    // Under the system screen while a chooser is up.
    FParts[Index].Screen->raise();
    ShowVoiceChoice();
    ShowRules(a.Action);
    if (a.Opened) a.Opened();
}

void TMainForm::Choose(size_t Index, const TActivityChoice& Choice)
{
    SysPanel->hide();
    if (Choice.Choose()) FParts[Index].Chooser->hide();
}

void TMainForm::HideMenus()
{
    MenuHideExecute();
}

void TMainForm::LeaveChoosers()
{
    SysPanel->hide();
    for (const TActivityParts& parts : FParts)
        if (parts.Chooser) parts.Chooser->hide();
}

void TMainForm::ShowRules(const QString& Activity)
{
    for (size_t i = 0; i < FActivities.size(); ++i)
        if (FActivities[i].Action == Activity) FParts[i].ShowRules->trigger();
    ShowRulesPanelExecute();
}

void TMainForm::SetRules(const QString& Activity, const QStringList& Text)
{
    for (size_t i = 0; i < FActivities.size(); ++i)
        if (FActivities[i].Action == Activity) {
            FActivities[i].Rules.Text = Text;
            // Made after the first frame: the page takes the text when it is made.
            if (TRichEdit* box = FParts[i].RulesBox) box->SetLines(Text);
        }
}

void TMainForm::ShowVoiceChoice()
{
    GenderVoiceRadioPanel->show();
}

bool TMainForm::Shows(const QWidget* Screen) const
{
    return ui::TopChild(GamesPanel, RulesPanel) == Screen;
}

TPanel* TMainForm::SubMenu() const
{
    return RaskraskaPopupMenuPanel;
}

void TMainForm::BeginWaiting()
{
    if (FWaiting++ == 0) ShowLoadingOverlay();
}

void TMainForm::EndWaiting()
{
    if (FWaiting > 0 && --FWaiting == 0) HideLoadingOverlay();
}

// --- What the keys ask ---

QWidget* TMainForm::GamesArea() const
{
    return GamesPanel;
}

QWidget* TMainForm::SystemScreen() const
{
    return SysPanel;
}

QWidget* TMainForm::Rules() const
{
    return RulesPanel;
}

QAbstractButton* TMainForm::RulesClose() const
{
    return RulesCloseButton;
}

QWidget* TMainForm::VoiceChoice() const
{
    return GenderVoiceRadioPanel;
}

std::vector<QAbstractButton*> TMainForm::VoiceButtons() const
{
    return {FemaleVoiceRadioButton, MaleVoiceRadioButton};
}

void TMainForm::OpenMenu()
{
    if (MenuLabel) MenuLabel->Press();
}

ui::TKeyScreen TMainForm::MenuKeys() const
{
    ui::TKeyScreen keys;
    keys.Regions = [this] {
        ui::TKeyRegion entries;
        for (size_t i = 0; i < FActivities.size(); ++i)
            if (TSpeedButton* b = FParts[i].MenuEntry)
                // An entry that opens the panel beside the menu: the choice goes on there.
                entries.Items.push_back({b, [b] { ui::PressButton(b); }, nullptr, FActivities[i].OpensSubMenu});
        ui::TKeyRegions regions{entries};
        if (!RaskraskaPopupMenuPanel->isHidden()) {
            std::vector<QAbstractButton*> choices;
            for (TSpeedButton* b : RaskraskaPopupMenuPanel->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly))
                choices.push_back(b);
            regions.push_back(ui::ButtonRegion(choices));
        }
        return regions;
    };
    keys.Close = MenuHide;
    return keys;
}

// --- Start-up ---

bool TMainForm::Activated() const
{
    return FStartUp->Reached(TStartStep::Activated);
}

bool TMainForm::LoadingEnded() const
{
    return FStartUp->Step() == TStartStep::Loaded;
}

void TMainForm::AfterFirstFrame(std::function<void()> Steps)
{
    FStartUp->SetAfterFirstFrame(std::move(Steps));
}

void TMainForm::changeEvent(QEvent* Event)
{
    QWidget::changeEvent(Event);
    if (Event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

// Without a window manager (a kiosk, a bare X server) the window is shown but never activated;
// the first showing then counts as the first activation, once the show has been handled.
void TMainForm::showEvent(QShowEvent* Event)
{
    QWidget::showEvent(Event);
    FStartUp->Shown();
    if (!Activated())
        QMetaObject::invokeMethod(
            this, [this] { FormActivate(); }, Qt::QueuedConnection);
}

void TMainForm::paintEvent(QPaintEvent* Event)
{
    QWidget::paintEvent(Event);
    FStartUp->Painted();
}

void TMainForm::SetStartPicture()
{
    // Drawn when the program was built; drawn here only if that copy is missing.
    if (auto builtIn = start_picture::BuiltIn())
        Image2->SetPicture(*builtIn);
    else
        Image2->SetPicture(artwork::StartScreen());
}

void TMainForm::FormActivate()
{
    FStartUp->Activate();
}

void TMainForm::ActivateWindow()
{
    // Where no window manager maximises windows, fill the screen by hand first.
    if (QScreen* where = screen(); where && isVisible()) setGeometry(where->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    FControls->Start();
    GamesPanel->raise();
    StartPanelShowExecute();
}

void TMainForm::closeEvent(QCloseEvent* Event)
{
    // In kiosk mode only the program itself ends the window: not the close button, Alt+F4 or the
    // window manager. Elsewhere a close ends the program as Ctrl+Q does.
    if (!FControls->MayClose()) {
        Event->ignore();
        return;
    }
    QWidget::closeEvent(Event);
    FControls->QuitProgram();
}

// --- Each child's progress and the grown-ups' corner ---

void TMainForm::JoinProgress(TProgressStore& Store, IJournalSettingsFile* JournalFile)
{
    FProgress = &Store;
    FContext.Answers.Listen([&Store](const TAnswer& Answer) { Store.Keep(Answer); });
    // "Экзамен: сначала трудные буквы", when the grown-up has turned it on in "Успехи".
    FContext.ExamPractice = std::make_shared<TStorePractice>(Store);
    FPlayers = new TPlayerChoice(*this, *MenuRibbon, Store, [&settings = FContext.Settings](const QString& Animal) {
        return ChildPicture(settings, Animal, QSize(170, 170));
    });
    ui::TKeyScreen keys;
    keys.OwnKeys = true;
    FKeyboard->AddScreen(FPlayers, std::move(keys));
    if (FCorner) {
        FCorner->SetProgressStore(&Store);
        FCorner->SetJournalFile(JournalFile);
        FCorner->OnChildrenChanged = [players = FPlayers] { players->ChildrenChanged(); };
        // A grown-up who added children leaves the corner to a child: who plays is asked then.
        FCorner->OnClosed = [players = FPlayers] { players->AskWhenNeeded(); };
        FPlayers->MayAsk = [corner = FCorner] { return !corner->isVisible(); };
    }
    FPlayers->AskWhenNeeded();
}

void TMainForm::OpenGrownUpsCorner()
{
    if (FCorner) FCorner->Open();
}

void TMainForm::CloseGrownUpsCorner()
{
    if (FCorner) FCorner->Close();
}

// --- Shell actions ---

void TRulesPanel::ShowRulesPanelExecute()
{
    RulesPanel->show();
    RulesPanel->raise();
}

void TRulesPanel::CloseRulesPanelExecute()
{
    RulesPanel->hide();
}

void TPopupMenus::MenuHideExecute()
{
    PopupMenuPanel->hide();
    RaskraskaPopupMenuPanel->hide();
}

void TMainForm::StartPanelShowExecute()
{
    ui::ToFront(StartPanel);
    GenderVoiceRadioPanel->hide();
}

// --- The window's own widgets ---

void TTitleRibbon::MenuLabelMouseDown()
{
    MenuPanel->SetBevelInner(TBevel::Lowered);
}
void TTitleRibbon::MenuLabelMouseUp()
{
    MenuPanel->SetBevelInner(TBevel::Raised);
}
void TPopupMenus::MenuLabelClick()
{
    PopupMenuPanel->show();
}
void TPopupMenus::SpeedButton1Click()
{
    MenuHideExecute();
}

void TMainForm::Label3Click()
{
    if (FControls->Kiosk()) return;  // a child in kiosk mode never reaches the browser
    if (FContext.Dialogs->AskYesNo(QString::fromUtf8(kSoundBoxTitle),
                                   QStringLiteral("Перейти на страничку детского сайта?")))
        FUrlOpener(kVendorWebAddress);
}

void TMainForm::BrowserFailed(const QString& Url)
{
    FContext.Dialogs->ShowMessage(QString::fromUtf8(kSoundBoxTitle),
                                  QStringLiteral("Не удалось открыть страничку в браузере:\n") + Url);
}

void TContentArea::Label1MouseDown()
{
    Panel1->SetBevelOuter(TBevel::Lowered);
}
void TContentArea::Label1MouseUp()
{
    Panel1->SetBevelOuter(TBevel::Raised);
}
