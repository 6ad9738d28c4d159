#include "corner/GrownUpsCorner.h"

#include "core/AppContext.h"
#include "corner/CornerGate.h"
#include "corner/CornerPages.h"
#include "corner/CornerPictures.h"
#include "corner/CornerProgress.h"
#include "corner/CornerScreen.h"
#include "corner/CornerVoice.h"
#include "platform/ContentRoots.h"
#include "progress/ChildrenPanel.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QVBoxLayout>

TGrownUpsCorner::TGrownUpsCorner(QWidget* Window, TAppContext& Context)
    : QWidget(Window), FDesk{Context, TContentRoots::UserFolder()}
{
    setObjectName(QStringLiteral("GrownUpsCorner"));
    setAccessibleName(kCornerTitle);
    // Calm and readable at arm's length: a pale page, text a little larger than the desktop's.
    setAutoFillBackground(true);
    QPalette page = palette();
    page.setColor(QPalette::Window, QColor(0xf3, 0xf7, 0xfb));
    setPalette(page);
    QFont text = font();
    text.setPointSize(12);
    setFont(text);
    setAcceptDrops(true);
    setGeometry(Window->rect());
    lower();  // hidden under everything until it is opened, whenever the window makes it
    hide();
    Window->installEventFilter(this);  // the corner covers the window at any size

    // Ctrl+Shift+G from any screen: a shortcut of the window, which no screen's keys take.
    auto* open = new QAction(kCornerTitle, Window);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    open->setShortcutContext(Qt::WindowShortcut);
    Window->addAction(open);
    connect(open, &QAction::triggered, this, [this] { Open(); });
}

// The door and the sections are made the first time the corner opens: most runs never need them.
void TGrownUpsCorner::Build()
{
    if (FGate) return;
    FGate = new TCornerGate(this);
    FScreen = FDesk.Screen = new TCornerScreen(this);
    auto* column = new QVBoxLayout(this);
    column->addWidget(FGate, 0, Qt::AlignCenter);
    column->addWidget(FScreen, 1);
    FVoice = std::make_unique<TCornerVoice>(FDesk);
    FPictures = std::make_unique<TCornerPictures>(FDesk);
    FPages = std::make_unique<TCornerPages>(FDesk);
    if (FStore) AddProgressSection();

    FGate->OnPassed = [this] { Passed(); };
    FGate->OnClosed = [this] { Close(); };
    FScreen->OnClose = [this] { Close(); };
    TCornerVoice& voice = *FVoice;
    FScreen->OnVoice = [&voice](const QString& Voice) { voice.Choose(Voice); };
    FScreen->OnListen = [&voice](const ownclips::TSpokenClip& Clip) { voice.Listen(Clip); };
    FScreen->OnRecord = [&voice](const ownclips::TSpokenClip& Clip) { voice.Record(Clip); };
    FScreen->OnStop = [&voice] { voice.Stop(); };
    FScreen->OnKeep = [&voice] { voice.Keep(); };
    FScreen->OnAgain = [&voice] { voice.RecordAgain(); };
    FScreen->OnRevert = [&voice](const ownclips::TSpokenClip& Clip) { voice.Revert(Clip); };
    FScreen->OnAddPhrase = [&voice](bool Praise, const QString& Text) { voice.AddPhrase(Praise, Text); };
    TCornerPictures& pictures = *FPictures;
    FScreen->OnAddPicture = [&pictures] { pictures.Add(); };
    FScreen->OnSaveWord = [&pictures] { pictures.Save(); };
    FScreen->OnRename = [&pictures](const QString& Word) { pictures.Rename(Word); };
    FScreen->OnRemove = [&pictures](const QString& Word) { pictures.Remove(Word); };
    TCornerPages& pages = *FPages;
    FScreen->OnMakePage = [&pages] { pages.Make(); };
    FScreen->OnDetail = [&pages](int Detail) { pages.ShowDetail(Detail); };
    FScreen->OnSavePage = [&pages] { pages.Save(); };
    FScreen->OnRemovePage = [&pages](const QString& Page) { pages.Remove(Page); };
}

TGrownUpsCorner::~TGrownUpsCorner() = default;

TChildrenPanel* TGrownUpsCorner::Children() const
{
    return FProgress ? FProgress->Children() : nullptr;
}

void TGrownUpsCorner::Open()
{
    if (IsOpen()) return;
    Build();
    setGeometry(parentWidget()->rect());
    FScreen->hide();
    FGate->show();
    FGate->Ask();
    raise();
    show();
    FGate->AnswerEdit()->setFocus();
}

void TGrownUpsCorner::Close()
{
    if (FVoice) FVoice->Drop();
    if (!IsOpen()) return;
    hide();
    if (FProgress) FProgress->Closed();
    parentWidget()->setFocus();
    if (FDesk.Changed && OnContentChanged) OnContentChanged();
    FDesk.Changed = false;
    if (OnClosed) OnClosed();
}

void TGrownUpsCorner::Passed()
{
    FGate->hide();
    QString voice = FDesk.Context.Settings.VoiceFolder;
    if (voice.endsWith(u'/')) voice.chop(1);
    FScreen->show();
    FVoice->Open(voice);
    FPictures->Show();
    FPages->Show();
    if (FProgress) FProgress->Opened();
    FDesk.Say(QString());
    FScreen->setFocus();
    focusNextChild();
}

void TGrownUpsCorner::SetProgressStore(TProgressStore* Store)
{
    FStore = Store;
    if (FStore && FScreen && !FProgress) AddProgressSection();
}

void TGrownUpsCorner::SetJournalFile(IJournalSettingsFile* File)
{
    FJournalFile = File;
    if (FProgress) FProgress->SetJournalFile(File);
}

void TGrownUpsCorner::AddProgressSection()
{
    if (!FDesk.Context.Dialogs) return;
    FProgress = std::make_unique<TCornerProgress>(FDesk, *FStore, [this] { return Printer ? Printer() : nullptr; });
    FProgress->Children()->OnChildrenChanged = [this] {
        if (OnChildrenChanged) OnChildrenChanged();
    };
    FProgress->SetJournalFile(FJournalFile);
    FScreen->AddSection(QStringLiteral("Успехи"), FProgress->Page());
}

void TGrownUpsCorner::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Escape) return Close();
    QWidget::keyPressEvent(Event);
}

bool TGrownUpsCorner::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == parentWidget() && Event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
}

void TGrownUpsCorner::dragEnterEvent(QDragEnterEvent* Event)
{
    if (FScreen && FScreen->isVisible() && Event->mimeData()->hasUrls()) Event->acceptProposedAction();
}

// A picture dropped on the corner: a colouring page on the "Раскраски" section, else a word picture.
void TGrownUpsCorner::dropEvent(QDropEvent* Event)
{
    const QList<QUrl> urls = Event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    Event->acceptProposedAction();
    const QString file = urls.first().toLocalFile();
    if (FScreen->CurrentSection() == TCornerScreen::csColouring)
        FPages->Open(file);
    else
        FPictures->Choose(file);
}
