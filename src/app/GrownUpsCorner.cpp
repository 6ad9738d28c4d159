#include "app/GrownUpsCorner.h"

#include "core/AppContext.h"
#include "core/ContentLayout.h"
#include "core/Speech.h"
#include "corner/CornerGate.h"
#include "corner/CornerScreen.h"
#include "pictures/PagePrinting.h"
#include "pictures/PictureDecoding.h"
#include "pictures/WordPictures.h"
#include "platform/widgets/Dialogs.h"
#include "progress/ChildrenPanel.h"
#include "progress/KnownLettersPage.h"
#include "progress/ProgressScreen.h"
#include "progress/ProgressStore.h"
#include "sound/ClipRecorder.h"
#include "sound/InstalledLoudness.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSlider>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Для взрослых");
const QString kPictureFilter = QStringLiteral("Картинки (*.jpg *.jpeg *.png *.bmp *.gif *.webp *.JPG *.JPEG *.PNG)");

// A small picture of a file the grown-up chose, in any format Qt reads, read at about the size it
// is shown (a phone photo is not decoded whole).
QImage Small(const QString& File, QSize Size)
{
    QImageReader reader(File);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid()) reader.setScaledSize(full.scaled(Size, Qt::KeepAspectRatio));
    return reader.read();
}

}  // namespace

TGrownUpsCorner::TGrownUpsCorner(QWidget* Window, TAppContext& Context)
    : QWidget(Window), FContext(Context), FUserFolder(TContentRoots::UserFolder())
{
    setObjectName(QStringLiteral("GrownUpsCorner"));
    setAccessibleName(kTitle);
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
    auto* open = new QAction(kTitle, Window);
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
    FScreen = new TCornerScreen(this);
    auto* column = new QVBoxLayout(this);
    column->addWidget(FGate, 0, Qt::AlignCenter);
    column->addWidget(FScreen, 1);
    if (FStore) AddProgressSection();

    FGate->OnPassed = [this] { Passed(); };
    FGate->OnClosed = [this] { Close(); };
    FScreen->OnClose = [this] { Close(); };
    FScreen->OnVoice = [this](const QString& Voice) { ChooseVoice(Voice); };
    FScreen->OnListen = [this](const ownclips::TSpokenClip& Clip) { Listen(Clip); };
    FScreen->OnRecord = [this](const ownclips::TSpokenClip& Clip) { Record(Clip); };
    FScreen->OnStop = [this] { StopRecording(); };
    FScreen->OnKeep = [this] { KeepTake(); };
    FScreen->OnAgain = [this] {
        if (FRecording) Record(*FRecording);
    };
    FScreen->OnRevert = [this](const ownclips::TSpokenClip& Clip) { Revert(Clip); };
    FScreen->OnAddPhrase = [this](bool Praise, const QString& Text) { AddPhrase(Praise, Text); };
    FScreen->OnAddPicture = [this] {
        if (const QString file = ChooseFile(QStringLiteral("Добавить картинку")); !file.isEmpty()) ChoosePicture(file);
    };
    FScreen->OnSaveWord = [this] { SaveWord(); };
    FScreen->OnRename = [this](const QString& Word) { RenameWord(Word); };
    FScreen->OnRemove = [this](const QString& Word) { RemoveWord(Word); };
    FScreen->OnMakePage = [this] {
        if (const QString file = ChooseFile(QStringLiteral("Сделать раскраску")); !file.isEmpty()) OpenPage(file);
    };
    FScreen->OnDetail = [this](int Detail) {
        if (!FPage.IsEmpty()) FScreen->ShowPreview(FPage.Preview(Detail));
    };
    FScreen->OnSavePage = [this] { SavePage(); };
    FScreen->OnRemovePage = [this](const QString& Page) { RemovePage(Page); };
}

TGrownUpsCorner::~TGrownUpsCorner()
{
    if (FLoudness.valid()) FLoudness.wait();  // the measuring thread reads the content roots
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
    if (FRecorder) FRecorder->Discard();
    FRecording.reset();
    if (!IsOpen()) return;
    hide();
    parentWidget()->setFocus();
    if (FChanged && OnContentChanged) OnContentChanged();
    FChanged = false;
}

void TGrownUpsCorner::Passed()
{
    FGate->hide();
    QString voice = FContext.Settings.VoiceFolder;
    if (voice.endsWith(u'/')) voice.chop(1);
    FScreen->SetVoice(voice);  // the ribbon's voice, until the corner's switch chooses another
    FScreen->ShowMicrophones(audio::TAudioCapture::DeviceNames());
    FScreen->show();
    ChooseVoice(voice);
    ShowWords();
    ShowPages();
    if (FChildren) FChildren->Refresh();
    Say(QString());
    FScreen->setFocus();
    focusNextChild();
}

void TGrownUpsCorner::SetProgressStore(TProgressStore* Store)
{
    FStore = Store;
    if (FStore && FScreen && !FChildren) AddProgressSection();
}

void TGrownUpsCorner::AddProgressSection()
{
    if (!FContext.Dialogs) return;
    const TSettings& settings = FContext.Settings;
    FChildren = new TChildrenPanel(*FStore, *FContext.Dialogs, [&settings](const QString& Animal) {
        return ChildPicture(settings, Animal, QSize(200, 150));
    });
    FChildren->OnChildrenChanged = [this] {
        if (OnChildrenChanged) OnChildrenChanged();
    };
    FChildren->Progress()->OnPrint = [this] { PrintProgress(); };
    FChildren->Progress()->OnSaveTable = [this] { SaveTable(); };
    FScreen->AddSection(QStringLiteral("Успехи"), FChildren);
}

void TGrownUpsCorner::Say(const QString& Sentence)
{
    FScreen->ShowStatus(Sentence);
}

QString TGrownUpsCorner::ChooseFile(const QString& Title)
{
    return FContext.Dialogs ? FContext.Dialogs->ChooseFileToOpen(Title, kPictureFilter) : QString();
}

void TGrownUpsCorner::ChooseVoice(const QString& Voice)
{
    if (Voice != FVoice) {
        FVoice = Voice;
        FRecorder.reset();  // a take is levelled to the clips of its own voice
        FLoudness = {};
    }
    MeasureLoudness();
    ShowClips();
}

QString TGrownUpsCorner::Voice() const
{
    return FVoice.isEmpty() ? content::layout::kFemaleVoice : FVoice;
}

QStringList TGrownUpsCorner::Installed() const
{
    return ownclips::InstalledRoots(FContext.Settings.Content, FUserFolder);
}

// --- The voice ---

void TGrownUpsCorner::ShowClips()
{
    FScreen->ShowClips(ownclips::SpokenClips(FUserFolder, Installed(), Voice()));
}

void TGrownUpsCorner::Listen(const ownclips::TSpokenClip& Clip)
{
    if (!FContext.Speech) return Say(QStringLiteral("Звук ещё не готов: подождите немного."));
    const QString own = QDir(FUserFolder).filePath(Clip.Relative);
    if (QFileInfo::exists(own)) return FContext.Speech->PlaySoundFile(own);
    for (const QString& root : Installed())
        if (QFileInfo::exists(QDir(root).filePath(Clip.Relative)))
            return FContext.Speech->PlaySoundFile(QDir(root).filePath(Clip.Relative));
    Say(QStringLiteral("Для «%1» записи ещё нет.").arg(Clip.Text));
}

// The installed clips of the voice are decoded once to level recordings to them: started as the
// corner opens, so that the first "Записать" rarely waits for it.
void TGrownUpsCorner::MeasureLoudness()
{
    if (FLoudness.valid()) return;
    QStringList folders;
    for (const QString& root : Installed()) folders << QDir(root).filePath(content::layout::kSoundRoot + Voice());
    FLoudness = std::async(std::launch::async, [folders] { return clip::MedianLoudnessDb(folders); }).share();
}

clip::TClipRecorder* TGrownUpsCorner::Recorder()
{
    if (FRecorder) return FRecorder.get();
    if (!FContext.Speech) return nullptr;
    MeasureLoudness();
    FRecorder = std::make_unique<clip::TClipRecorder>(*FContext.Speech, FLoudness.get());
    FRecorder->OnLevel = [this](double Db) { FScreen->ShowLevel(Db); };
    FRecorder->OnStoppedByItself = [this](clip::TTakeStatus Status) {
        FScreen->ShowLevel(-100);
        Say(Status == clip::TTakeStatus::Ready
                ? QStringLiteral("Запись закончилась сама (10 секунд). «Оставить» — сохранить, «Ещё раз» — записать снова.")
                : clip::TakeStatusSentence(Status));
    };
    return FRecorder.get();
}

void TGrownUpsCorner::Record(const ownclips::TSpokenClip& Clip)
{
    clip::TClipRecorder* recorder = Recorder();
    if (!recorder) return Say(QStringLiteral("Звук ещё не готов: подождите немного."));
    FRecording = Clip;
    const clip::TTakeStatus status = recorder->Start(FScreen->Microphone());
    if (status != clip::TTakeStatus::Ready) {
        FRecording.reset();
        return Say(clip::TakeStatusSentence(status));
    }
    Say(QStringLiteral("Идёт запись: «%1». Скажите и нажмите «Стоп».").arg(Clip.Text));
}

void TGrownUpsCorner::StopRecording()
{
    if (!FRecorder || !FRecorder->Recording()) return;
    const clip::TTakeStatus status = FRecorder->Stop();
    FScreen->ShowLevel(-100);
    Say(status == clip::TTakeStatus::Ready
            ? QStringLiteral("Послушайте. «Оставить» — сохранить, «Ещё раз» — записать снова.")
            : clip::TakeStatusSentence(status));
}

void TGrownUpsCorner::KeepTake()
{
    if (!FRecorder || !FRecording || !FRecorder->TakeMp3())
        return Say(QStringLiteral("Сначала запишите: нажмите «Записать» в нужной строке."));
    if (const auto error = FRecorder->Keep(FUserFolder, FRecording->Relative)) return Say(*error);
    Say(QStringLiteral("Запись «%1» сохранена: теперь программа говорит вашим голосом.").arg(FRecording->Text));
    FRecording.reset();
    Changed();
    ShowClips();
}

void TGrownUpsCorner::Revert(const ownclips::TSpokenClip& Clip)
{
    if (const auto error = ownclips::RemoveOwnClip(FUserFolder, Clip.Relative)) return Say(*error);
    Say(QStringLiteral("Для «%1» снова звучит прежняя запись.").arg(Clip.Text));
    Changed();
    ShowClips();
}

void TGrownUpsCorner::AddPhrase(bool Praise, const QString& Text)
{
    using ownclips::TClipGroup;
    const TClipGroup group = Praise ? TClipGroup::Praise : TClipGroup::TryAgain;
    const ownclips::TNewPhrase phrase = ownclips::CheckNewPhrase(FUserFolder, Installed(), Voice(), group, Text);
    if (phrase.Check == ownclips::TNewPhrase::Empty) return Say(phrase.Message);
    if (phrase.Check == ownclips::TNewPhrase::Exists &&
        !(FContext.Dialogs && FContext.Dialogs->AskYesNoDefaultNo(kTitle, phrase.Message)))
        return;
    Record({group, Text.simplified(), phrase.Relative, ownclips::TClipSource::None});
}

// --- Pictures ---

void TGrownUpsCorner::ShowWords()
{
    const QStringList words = wordpics::OwnWords(FUserFolder);
    QList<QImage> small;
    // The kept pictures are JPEGs: the games' own reader scales them as it decodes.
    for (const QString& word : words) {
        const TFittedDecode read = DecodeJpegFileToFit(wordpics::OwnPicturePath(FUserFolder, word), QSize(64, 48));
        small << (read ? read->Picture : QImage());
    }
    FScreen->ShowOwnWords(words, small);
}

void TGrownUpsCorner::ChoosePicture(const QString& Path)
{
    const QImage picture = Small(Path, QSize(96, 72));
    if (picture.isNull()) return Say(wordpics::UnreadablePictureSentence(Path));
    FPicture = Path;
    FScreen->ShowSection(TCornerScreen::csPictures);
    FScreen->ShowChosenPicture(picture);
    FScreen->WordEdit()->setFocus();
    Say(QStringLiteral("Картинка выбрана: %1. Напишите слово и нажмите «Сохранить».").arg(QFileInfo(Path).fileName()));
}

void TGrownUpsCorner::SaveWord()
{
    if (FPicture.isEmpty()) return Say(QStringLiteral("Сначала выберите картинку: «Добавить картинку»."));
    const wordpics::TWordCheck check = wordpics::CheckWord(FScreen->WordEdit()->text(), FContext.Settings.Content.Folders());
    if (!check.Ok) return Say(check.Refusal);
    if (!check.Question.isEmpty() && !(FContext.Dialogs && FContext.Dialogs->AskYesNoDefaultNo(kTitle, check.Question)))
        return;
    if (const auto error = wordpics::ImportWordPicture(FPicture, check.Word, FUserFolder)) return Say(*error);
    Say(QStringLiteral("Картинка «%1» сохранена. %2").arg(check.Word, check.UsedBy));
    FPicture.clear();
    FScreen->ShowChosenPicture(QImage());
    FScreen->WordEdit()->clear();
    Changed();
    ShowWords();
}

void TGrownUpsCorner::RenameWord(const QString& Word)
{
    const QString typed = FScreen->WordEdit()->text();
    if (typed.trimmed().isEmpty()) {
        FScreen->WordEdit()->setFocus();
        return Say(QStringLiteral("Напишите новое слово в поле «Слово» и нажмите «Переименовать» ещё раз."));
    }
    if (const auto error = wordpics::RenameOwnPicture(FUserFolder, Word, typed)) return Say(*error);
    Say(QStringLiteral("«%1» теперь называется «%2».").arg(Word, typed.simplified().toLower()));
    FScreen->WordEdit()->clear();
    Changed();
    ShowWords();
}

void TGrownUpsCorner::RemoveWord(const QString& Word)
{
    if (!(FContext.Dialogs &&
          FContext.Dialogs->AskYesNoDefaultNo(kTitle, QStringLiteral("Удалить свою картинку «%1»?").arg(Word))))
        return;
    if (const auto error = wordpics::RemoveOwnPicture(FUserFolder, Word)) return Say(*error);
    Say(QStringLiteral("Картинка «%1» удалена.").arg(Word));
    Changed();
    ShowWords();
}

// --- Colouring pages ---

void TGrownUpsCorner::ShowPages()
{
    QStringList own;
    for (const QString& theme : pages::OwnThemes(FUserFolder))
        for (const QString& page : pages::OwnPages(FUserFolder, theme)) own << theme + u'/' + page;
    FScreen->ShowOwnPages(own);
}

void TGrownUpsCorner::OpenPage(const QString& Path)
{
    if (const auto error = FPage.Open(Path)) return Say(*error);
    FScreen->ShowSection(TCornerScreen::csColouring);
    FScreen->ShowPreview(FPage.Preview(FScreen->DetailSlider()->value()));
    Say(QStringLiteral("Двигайте «Проще — Подробнее», пока линии не понравятся, и нажмите «Сохранить раскраску»."));
}

void TGrownUpsCorner::SavePage()
{
    if (FPage.IsEmpty()) return Say(QStringLiteral("Сначала выберите картинку: «Сделать раскраску»."));
    const QString theme = FScreen->ThemeEdit()->text().simplified();
    if (const auto refusal = pages::NameRefusal(theme)) return Say(*refusal);
    const pages::TSaved saved =
        pages::SavePage(FPage.Page(FScreen->DetailSlider()->value()), FUserFolder, theme, FPage.SuggestedName());
    if (!saved.Error.isEmpty()) return Say(saved.Error);
    Say(QStringLiteral("Раскраска сохранена в теме «%1»: она уже в меню «Раскраска».").arg(theme));
    Changed();
    ShowPages();
}

void TGrownUpsCorner::RemovePage(const QString& Page)
{
    const QString theme = Page.section(u'/', 0, 0), name = Page.section(u'/', 1);
    if (!(FContext.Dialogs &&
          FContext.Dialogs->AskYesNoDefaultNo(kTitle, QStringLiteral("Удалить раскраску «%1»?").arg(Page))))
        return;
    if (const auto error = pages::RemovePage(FUserFolder, theme, name)) return Say(*error);
    // A theme with no page left is no theme: the menu would offer an empty one.
    if (pages::OwnPages(FUserFolder, theme).isEmpty()) pages::RemoveTheme(FUserFolder, theme);
    Say(QStringLiteral("Раскраска «%1» удалена.").arg(Page));
    Changed();
    ShowPages();
}

// --- Progress ---

// "<Имя> знает буквы" on one sheet, through the printing the colouring pages use.
void TGrownUpsCorner::PrintProgress()
{
    IPrinter* printer = Printer ? Printer() : nullptr;
    if (!FChildren || !FContext.Dialogs || !printer) return;
    const TProgressScreen& progress = *FChildren->Progress();
    const QString title = KnownLettersTitle(progress.ChildName());
    PrintColouringPage(KnownLettersPage(title, KnownLetters(progress.Summary(), progress.Kind())), *FContext.Dialogs,
                       *printer, kVendorWebAddress, QString());
}

void TGrownUpsCorner::SaveTable()
{
    if (!FStore || !FContext.Dialogs) return;
    TProgressScreen* progress = FChildren->Progress();
    const QString name = progress->ChildName().isEmpty() ? QStringLiteral("ребёнка") : progress->ChildName();
    const QString proposed = QStringLiteral("Успехи %1 %2.csv").arg(name, QDate::currentDate().toString(Qt::ISODate));
    const QString path =
        FContext.Dialogs->ChooseFileToSave(QStringLiteral("Сохранить таблицу"), proposed, QStringLiteral("Таблица (*.csv)"));
    if (path.isEmpty()) return;
    const QString error = FStore->SaveTable(progress->Child(), path);
    Say(error.isEmpty() ? QStringLiteral("Таблица сохранена: %1").arg(path) : error);
}

// --- Events ---

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
        OpenPage(file);
    else
        ChoosePicture(file);
}
