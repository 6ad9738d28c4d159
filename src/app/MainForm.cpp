#include "app/MainForm.h"

#include "app/KeyboardPlay.h"
#include "app/ParentControls.h"
#include "app/StartPicture.h"
#include "app/StartSequence.h"
#include "app/StartupLoader.h"
#include "core/Artwork.h"
#include "core/Texts.h"
#include "core/Vendor.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/SpeedButton.h"
#include "platform/widgets/Stacking.h"
#include "platform/widgets/Style.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace {

QAction* NewAction(QObject* Manager, const char* Name, const char* Category, const QString& Caption)
{
    auto* a = new QAction(Caption, Manager);
    a->setObjectName(QLatin1String(Name));
    a->setProperty("category", QLatin1String(Category));
    return a;
}

}  // namespace

TMainForm::TMainForm(IDialogs* Dialogs, const TSettings& Settings, QWidget* Parent, TStartOrder Order)
    : QWidget(Parent),
      FUrlOpener(ui::SystemUrlOpener([this](const QString& Url) { BrowserFailed(Url); })),
      FLoader(std::make_unique<TStartupLoader>(this))
{
    Context.Settings = Settings;
    Context.Dialogs = Dialogs;

    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setFont(fonts::StandIn(QStringLiteral("MS Sans Serif"), 11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ui::ButtonFace());
    setPalette(pal);
    setAutoFillBackground(true);
    // The window's base size is 1107 x 799 at 276,148 with its frame; here the size is its client area.
    setGeometry(276, 148, kBaseWidth, kBaseHeight);
    ui::SetBaseSize(this, QSize(kBaseWidth, kBaseHeight));

    CreateActions();
    Keyboard = std::make_unique<TKeyboardPlay>(*this);
    Games = new TGameOpening(*this);
    // The window's children, bottom to top in the order they are created.
    CreateLoadingOverlay(this);
    CreateTitleRibbon();
    CreateContentArea();
    CreatePopupMenu(this, *this);
    CreateThemeMenu(this);
    Controls = new TParentControls(*this, *MenuRibbon, *FemaleVoiceRadioButton, *MaleVoiceRadioButton, Context);
    connect(Controls, &TParentControls::QuitRequested, this, [this] {
        // Whatever is still starting stops: no later step, and the loader between two files.
        StartUp->End();
        FLoader->Stop();
    });
    Context.SourcePanel = SourcePanel;
    Context.Ending = [this] { return FLoader->StopRequested(); };
    const bool keepStartPicture = SetStartPicture(Order);
    const bool firstFrameFirst = Order == TStartOrder::FirstFrameFirst;
    if (!firstFrameFirst) CompleteBuild(false);
    StartUp = new TStartSequence(firstFrameFirst,
                                 {[this] { ActivateWindow(); },
                                  [this] { ShowLoadingOverlay(); },
                                  [this, keepStartPicture] { CompleteBuild(keepStartPicture); },
                                  {},
                                  [this] { StartLoading(); }},
                                 this);

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

    SoundLetters = NewAction(ActionManager1, "SoundLetters", "Games", QStringLiteral("Обучение"));
    FindLetter = NewAction(ActionManager1, "FindLetter", "Games", QStringLiteral("Найди букву"));
    MakeWord = NewAction(ActionManager1, "MakeWord", "Games", QStringLiteral("Дед Буквоед"));
    Examination = NewAction(ActionManager1, "Examination", "Games", QStringLiteral("Экзамен"));
    Raskraska = NewAction(ActionManager1, "Raskraska", "Games", QStringLiteral("Раскраска"));
    ShowRulesPanel = NewAction(ActionManager1, "ShowRulesPanel", "RulesPanel", QStringLiteral("Открыть"));
    CloseRulesPanel = NewAction(ActionManager1, "CloseRulesPanel", "RulesPanel", QStringLiteral("Закрыть"));
    ShowSndGameRules = NewAction(ActionManager1, "ShowSndGameRules", "RulesPanel", QStringLiteral("ShowSndGameRules"));
    ShowPicGameRules = NewAction(ActionManager1, "ShowPicGameRules", "RulesPanel", QStringLiteral("ShowPicGameRules"));
    ShowMakeWGameRules = NewAction(ActionManager1, "ShowMakeWGameRules", "RulesPanel", QStringLiteral("ShowMakeWGameRules"));
    ShowExamGameRules = NewAction(ActionManager1, "ShowExamGameRules", "RulesPanel", QStringLiteral("ShowExamGameRules"));
    ShowRaskraskaRules = NewAction(ActionManager1, "ShowRaskraskaRules", "RulesPanel", QStringLiteral("ShowRaskraskaRules"));
    ShowRaskraskaMenu = NewAction(ActionManager1, "ShowRaskraskaMenu", "Menu", QStringLiteral("ShowRaskraskaMenu"));
    CreateRaskraskaMenu = NewAction(ActionManager1, "CreateRaskraskaMenu", "Menu", QStringLiteral("CreateRaskraskaMenu"));
    MenuHide = NewAction(ActionManager1, "MenuHide", "Menu", QStringLiteral("MenuHide"));
    PrintRaskraska = NewAction(ActionManager1, "PrintRaskraska", "Functons", QString());
    StartPanelShow = NewAction(ActionManager1, "StartPanelShow", "", QStringLiteral("StartPanelShow"));

    connect(SoundLetters, &QAction::triggered, this, [this] { Games->SoundLettersExecute(); });
    connect(FindLetter, &QAction::triggered, this, [this] { Games->FindLetterExecute(); });
    connect(MakeWord, &QAction::triggered, this, [this] { Games->MakeWordExecute(); });
    connect(Examination, &QAction::triggered, this, [this] { Games->ExaminationExecute(); });
    connect(ShowRulesPanel, &QAction::triggered, this, [this] { ShowRulesPanelExecute(); });
    connect(CloseRulesPanel, &QAction::triggered, this, [this] { CloseRulesPanelExecute(); });
    connect(ShowSndGameRules, &QAction::triggered, this, [this] { ShowSndGameRulesExecute(); });
    connect(ShowPicGameRules, &QAction::triggered, this, [this] { ShowPicGameRulesExecute(); });
    connect(ShowMakeWGameRules, &QAction::triggered, this, [this] { ShowMakeWGameRulesExecute(); });
    connect(ShowExamGameRules, &QAction::triggered, this, [this] { ShowExamGameRulesExecute(); });
    connect(ShowRaskraskaRules, &QAction::triggered, this, [this] { ShowRaskraskaRulesExecute(); });
    connect(ShowRaskraskaMenu, &QAction::triggered, this, [this] { Games->ShowRaskraskaMenuExecute(); });
    connect(MenuHide, &QAction::triggered, this, [this] { MenuHideExecute(); });
    connect(StartPanelShow, &QAction::triggered, this, [this] { StartPanelShowExecute(); });
    connect(CreateRaskraskaMenu, &QAction::triggered, this, [this] { Games->CreateRaskraskaMenuExecute(); });
    connect(PrintRaskraska, &QAction::triggered, this, [this] { Games->PrintRaskraskaExecute(); });
    // Raskraska runs from the theme buttons, with the button as sender.

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(20);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

void TMainForm::UpdateGameActions()
{
    const TGameObjects& o = Objects;
    SoundLetters->setEnabled(o.SndLetterPanels != nullptr);
    FindLetter->setEnabled(o.PicGameBuffer && o.PicLetterPanels && o.FirstLImgPanels);
    MakeWord->setEnabled(o.MakeWBuffer && o.MakeWLetterPanels && o.MakeWImgPanels);
    Examination->setEnabled(o.ExamGame && o.ExamLetterPanels);
    ShowRaskraskaMenu->setEnabled(o.RaskrasImgPanels != nullptr);
    Raskraska->setEnabled(o.RaskrasImgPanels != nullptr);
}

// --- Start-up ---

bool TMainForm::Activated() const
{
    return StartUp->Reached(TStartStep::Activated);
}

bool TMainForm::LoadingEnded() const
{
    return StartUp->Step() == TStartStep::Loaded;
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
    StartUp->Shown();
    if (!Activated())
        QMetaObject::invokeMethod(
            this, [this] { FormActivate(); }, Qt::QueuedConnection);
}

void TMainForm::paintEvent(QPaintEvent* Event)
{
    QWidget::paintEvent(Event);
    StartUp->Painted();
}

bool TMainForm::SetStartPicture(TStartOrder Order)
{
    // The program's start shows the picture a former start kept, and keeps it once it is drawn.
    if (Order == TStartOrder::FirstFrameFirst)
        if (auto kept = start_picture::ReadKept()) {
            Image2->SetPicture(*kept);
            return false;
        }
    Image2->SetPicture(artwork::StartScreen());
    return Order == TStartOrder::FirstFrameFirst;
}

void TMainForm::FormActivate()
{
    StartUp->Activate();
}

void TMainForm::ActivateWindow()
{
    // Where no window manager maximises windows, fill the screen by hand first.
    if (QScreen* where = screen(); where && isVisible()) setGeometry(where->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    Controls->Start();
    GamesPanel->raise();
    StartPanelShowExecute();
}

void TMainForm::closeEvent(QCloseEvent* Event)
{
    // In kiosk mode only the program itself ends the window: not the close button, Alt+F4 or the
    // window manager. Elsewhere a close ends the program as Ctrl+Q does.
    if (!Controls->MayClose()) {
        Event->ignore();
        return;
    }
    QWidget::closeEvent(Event);
    Controls->QuitProgram();
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

void TRulesPanel::ShowSndGameRulesExecute()
{
    RuleSndGamePanel->raise();
}

void TRulesPanel::ShowPicGameRulesExecute()
{
    RulePicGamePanel->raise();
}

void TRulesPanel::ShowMakeWGameRulesExecute()
{
    RuleMakeWGamePanel->raise();
}

void TRulesPanel::ShowExamGameRulesExecute()
{
    RuleExamGamePanel->raise();
}

void TRulesPanel::ShowRaskraskaRulesExecute()
{
    RuleRasPanel->raise();
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

void TContentArea::LeaveGameTypeChooser()
{
    SysPanel->hide();
    GameSndTypePanel->hide();
    GameExamTypePanel->hide();
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
    if (Controls->Kiosk()) return;  // a child in kiosk mode never reaches the browser
    if (Context.Dialogs->AskYesNo(QString::fromUtf8(kSoundBoxTitle), QStringLiteral("Перейти на страничку детского сайта?")))
        FUrlOpener(kVendorWebAddress);
}

void TMainForm::BrowserFailed(const QString& Url)
{
    Context.Dialogs->ShowMessage(QString::fromUtf8(kSoundBoxTitle),
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
