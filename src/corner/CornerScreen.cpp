#include "corner/CornerScreen.h"

#include "core/Syllables.h"
#include "corner/ClipFold.h"
#include "pictures/ColouringPages.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QStackedWidget>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

namespace {

// A button whose accessible name says what it does to which item ("Записать: бэ"); a button of a
// row has the row's key in its object name ("RecordButton:Sound/Женский голос/Буквы/б.mp3").
QPushButton* ItemButton(QWidget* Parent, const QString& Name, const QString& Action, const QString& Item,
                        std::function<void()> Press)
{
    auto* button = new QPushButton(Action, Parent);
    button->setObjectName(Name);
    button->setAccessibleName(Item.isEmpty() ? Action : Action + QStringLiteral(": ") + Item);
    QObject::connect(button, &QPushButton::clicked, Parent, [Press] {
        if (Press) Press();
    });
    return button;
}

void Clear(QVBoxLayout* Rows)
{
    // Every row is a widget of its own; the item the layout gives away is ours to free.
    while (std::unique_ptr<QLayoutItem> item{Rows->takeAt(0)})
        if (item->widget()) item->widget()->deleteLater();
}

QString SourceText(ownclips::TClipSource Source)
{
    switch (Source) {
        case ownclips::TClipSource::Own:
            return QStringLiteral("своя запись");
        case ownclips::TClipSource::Installed:
            return QStringLiteral("запись программы");
        case ownclips::TClipSource::None:
            return QStringLiteral("нет записи");
    }
    return QString();
}

QString GroupText(ownclips::TClipGroup Group)
{
    switch (Group) {
        case ownclips::TClipGroup::LetterNames:
            return QStringLiteral("Названия букв");
        case ownclips::TClipGroup::LetterSounds:
            return QStringLiteral("Звуки букв");
        case ownclips::TClipGroup::Phrases:
            return QStringLiteral("Фразы");
        case ownclips::TClipGroup::Praise:
            return QStringLiteral("Похвала");
        case ownclips::TClipGroup::TryAgain:
            return QStringLiteral("Попробуй ещё");
        case ownclips::TClipGroup::Syllables:
            return QStringLiteral("Слоги");
        case ownclips::TClipGroup::DrawnOutSyllables:
            return QStringLiteral("Слоги протяжно");
        case ownclips::TClipGroup::Words:
            return QStringLiteral("Слова");
    }
    return QString();
}

// "Слоги"'s clips are hundreds: they come folded by lesson.
bool Folded(ownclips::TClipGroup Group)
{
    using ownclips::TClipGroup;
    return Group == TClipGroup::Syllables || Group == TClipGroup::DrawnOutSyllables || Group == TClipGroup::Words;
}

QFont HeadingFont(QFont Font)
{
    Font.setBold(true);
    Font.setPointSize(15);
    return Font;
}

// The object name of the widget with the keyboard focus when it lies in Area.
QString FocusedName(const QWidget* Area)
{
    const QWidget* focused = QApplication::focusWidget();
    return focused && Area->isAncestorOf(focused) ? focused->objectName() : QString();
}

}  // namespace

TCornerScreen::TCornerScreen(QWidget* Parent) : QWidget(Parent), FSections(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("CornerPanel"));
    FSections->setObjectName(QStringLiteral("CornerSections"));
    auto* tabs = FTabs = new QHBoxLayout;
    const QStringList names = {QStringLiteral("Голос"), QStringLiteral("Картинки"), QStringLiteral("Раскраски")};
    for (int i = 0; i < names.size(); ++i)
        tabs->addWidget(
            ItemButton(this, QStringLiteral("TabButton:") + names[i], names[i], QString(), [this, i] { ShowSection(i); }));
    FFixedTabs = tabs->count();
    tabs->addStretch();
    tabs->addWidget(ItemButton(this, QStringLiteral("CornerCloseButton"), QStringLiteral("Закрыть"), QString(), [this] {
        if (OnClose) OnClose();
    }));
    FSections->addWidget(BuildVoice());
    FSections->addWidget(BuildPictures());
    FSections->addWidget(BuildColouring());
    FStatus = new QLabel(this);
    FStatus->setObjectName(QStringLiteral("CornerStatusLabel"));
    FStatus->setWordWrap(true);
    FJournalState = new QLabel(this);
    FJournalState->setObjectName(QStringLiteral("CornerJournalStateLabel"));
    FJournalState->setWordWrap(true);
    FJournalState->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* statusLine = new QHBoxLayout;
    statusLine->addWidget(FStatus, 3);
    statusLine->addWidget(FJournalState, 2);
    auto* column = new QVBoxLayout(this);
    column->addLayout(tabs);
    column->addWidget(FSections, 1);
    column->addLayout(statusLine);
}

QWidget* TCornerScreen::BuildVoice()
{
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("VoiceScrollArea"));
    scroll->setWidgetResizable(true);
    auto* inner = new QWidget(scroll);
    auto* column = new QVBoxLayout(inner);
    auto* voice = FVoice = new QComboBox(inner);
    voice->setObjectName(QStringLiteral("VoiceComboBox"));
    voice->setAccessibleName(QStringLiteral("Голос записи"));
    voice->addItems({QStringLiteral("Женский голос"), QStringLiteral("Мужской голос")});
    connect(voice, &QComboBox::currentTextChanged, this, [this](const QString& Voice) {
        if (OnVoice) OnVoice(Voice);
    });
    auto* bar = new QHBoxLayout;
    bar->addWidget(voice);
    FMicrophone = new QComboBox(inner);
    FMicrophone->setObjectName(QStringLiteral("MicrophoneComboBox"));
    FMicrophone->setAccessibleName(QStringLiteral("Микрофон"));
    FMicrophone->hide();
    bar->addWidget(FMicrophone);
    FLevel = new QProgressBar(inner);
    FLevel->setRange(0, 60);
    FLevel->setTextVisible(false);
    FLevel->setObjectName(QStringLiteral("LevelProgressBar"));
    FLevel->setAccessibleName(QStringLiteral("Громкость записи"));
    bar->addWidget(FLevel, 1);
    bar->addWidget(ItemButton(inner, QStringLiteral("StopButton"), QStringLiteral("Стоп"), QString(), [this] {
        if (OnStop) OnStop();
    }));
    bar->addWidget(ItemButton(inner, QStringLiteral("KeepButton"), QStringLiteral("Оставить"), QString(), [this] {
        if (OnKeep) OnKeep();
    }));
    bar->addWidget(ItemButton(inner, QStringLiteral("AgainButton"), QStringLiteral("Ещё раз"), QString(), [this] {
        if (OnAgain) OnAgain();
    }));
    column->addLayout(bar);
    auto* phrase = new QHBoxLayout;
    FPhrase = new QLineEdit(inner);
    FPhrase->setObjectName(QStringLiteral("PhraseEdit"));
    FPhrase->setAccessibleName(QStringLiteral("Текст фразы"));
    FPhrase->setPlaceholderText(QStringLiteral("Новая фраза, например: Так держать!"));
    auto* kind = new QComboBox(inner);
    kind->setObjectName(QStringLiteral("PhraseKindComboBox"));
    kind->setAccessibleName(QStringLiteral("Какая фраза"));
    kind->addItems({QStringLiteral("Похвала"), QStringLiteral("Попробуй ещё")});
    phrase->addWidget(FPhrase, 1);
    phrase->addWidget(kind);
    phrase->addWidget(
        ItemButton(inner, QStringLiteral("AddPhraseButton"), QStringLiteral("Добавить фразу"), QString(), [this, kind] {
            if (OnAddPhrase) OnAddPhrase(kind->currentIndex() == 0, FPhrase->text());
        }));
    column->addLayout(phrase);
    FClipRows = new QVBoxLayout;
    column->addLayout(FClipRows);
    column->addStretch();
    scroll->setWidget(inner);
    return scroll;
}

QWidget* TCornerScreen::BuildPictures()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("PicturesPanel"));
    auto* column = new QVBoxLayout(page);
    auto* entry = new QHBoxLayout;
    entry->addWidget(
        ItemButton(page, QStringLiteral("AddPictureButton"), QStringLiteral("Добавить картинку"), QString(), [this] {
            if (OnAddPicture) OnAddPicture();
        }));
    FChosen = new QLabel(page);
    FChosen->setObjectName(QStringLiteral("ChosenPictureLabel"));
    FChosen->setAccessibleName(QStringLiteral("Выбранная картинка"));
    entry->addWidget(FChosen);
    FWord = new QLineEdit(page);
    FWord->setObjectName(QStringLiteral("WordEdit"));
    FWord->setAccessibleName(QStringLiteral("Слово"));
    FWord->setPlaceholderText(QStringLiteral("Слово, например: кот"));
    connect(FWord, &QLineEdit::returnPressed, this, [this] {
        if (OnSaveWord) OnSaveWord();
    });
    entry->addWidget(FWord, 1);
    entry->addWidget(ItemButton(page, QStringLiteral("SaveWordButton"), QStringLiteral("Сохранить"), QString(), [this] {
        if (OnSaveWord) OnSaveWord();
    }));
    column->addLayout(entry);
    FWordRows = new QVBoxLayout;
    auto* scroll = new QScrollArea(page);
    scroll->setObjectName(QStringLiteral("OwnWordsScrollArea"));
    scroll->setWidgetResizable(true);
    auto* rows = new QWidget(scroll);
    auto* rowsColumn = new QVBoxLayout(rows);
    rowsColumn->addLayout(FWordRows);
    rowsColumn->addStretch();
    scroll->setWidget(rows);
    column->addWidget(scroll, 1);
    return page;
}

QWidget* TCornerScreen::BuildColouring()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("ColouringPanel"));
    auto* column = new QVBoxLayout(page);
    auto* controls = new QHBoxLayout;
    controls->addWidget(
        ItemButton(page, QStringLiteral("MakePageButton"), QStringLiteral("Сделать раскраску"), QString(), [this] {
            if (OnMakePage) OnMakePage();
        }));
    auto* simpler = new QLabel(QStringLiteral("Проще"), page);
    simpler->setObjectName(QStringLiteral("SimplerLabel"));
    controls->addWidget(simpler);
    FDetail = new QSlider(Qt::Horizontal, page);
    FDetail->setRange(0, 100);
    FDetail->setValue(50);
    FDetail->setObjectName(QStringLiteral("DetailSlider"));
    FDetail->setAccessibleName(QStringLiteral("Подробнее"));
    connect(FDetail, &QSlider::valueChanged, this, [this](int Detail) {
        if (OnDetail) OnDetail(Detail);
    });
    controls->addWidget(FDetail, 1);
    auto* detailed = new QLabel(QStringLiteral("Подробнее"), page);
    detailed->setObjectName(QStringLiteral("DetailedLabel"));
    controls->addWidget(detailed);
    FTheme = new QLineEdit(pages::kDefaultTheme, page);
    FTheme->setObjectName(QStringLiteral("ThemeEdit"));
    FTheme->setAccessibleName(QStringLiteral("Тема"));
    controls->addWidget(FTheme);
    controls->addWidget(
        ItemButton(page, QStringLiteral("SavePageButton"), QStringLiteral("Сохранить раскраску"), QString(), [this] {
            if (OnSavePage) OnSavePage();
        }));
    column->addLayout(controls);
    auto* below = new QHBoxLayout;
    FPreview = new QLabel(page);
    FPreview->setAlignment(Qt::AlignCenter);
    FPreview->setObjectName(QStringLiteral("PreviewLabel"));
    FPreview->setAccessibleName(QStringLiteral("Раскраска"));
    below->addWidget(FPreview, 3);
    FPageRows = new QVBoxLayout;
    auto* own = new QVBoxLayout;
    own->addLayout(FPageRows);
    own->addStretch();
    below->addLayout(own, 1);
    column->addLayout(below, 1);
    return page;
}

void TCornerScreen::ShowSection(TSection Section)
{
    ShowSection(int(Section));
}

void TCornerScreen::ShowSection(int Index)
{
    if (Index != FSections->currentIndex()) FStatus->clear();  // what was said was about the other section
    FSections->setCurrentIndex(Index);
}

int TCornerScreen::AddSection(const QString& Name, QWidget* Page)
{
    const int index = FSections->addWidget(Page);
    FTabs->insertWidget(FFixedTabs++, ItemButton(this, QStringLiteral("TabButton:") + Name, Name, QString(),
                                                 [this, index] { ShowSection(index); }));
    return index;
}

int TCornerScreen::CurrentSection() const
{
    return FSections->currentIndex();
}

void TCornerScreen::ShowClips(const std::vector<ownclips::TSpokenClip>& Clips)
{
    QWidget* area = FClipRows->parentWidget();
    const QString focused = FocusedName(area);
    Clear(FClipRows);
    std::optional<ownclips::TClipGroup> group;
    std::map<ownclips::TClipGroup, std::vector<ownclips::TSpokenClip>> folded;
    for (const ownclips::TSpokenClip& clip : Clips) {
        if (Folded(clip.Group)) {
            folded[clip.Group].push_back(clip);
            continue;
        }
        if (clip.Group != group) {
            group = clip.Group;
            auto* heading = new QLabel(GroupText(clip.Group));
            heading->setFont(HeadingFont(heading->font()));
            FClipRows->addWidget(heading);
        }
        FClipRows->addWidget(ClipRow(clip));
    }
    for (const auto& [foldedGroup, clips] : folded) FClipRows->addWidget(HeadingFold(foldedGroup, clips));
    // Shown anew after a press in a row ("Вернуть прежнюю запись"): the focus stays on that row.
    if (focused.isEmpty()) return;
    const QString again = focused.startsWith(QStringLiteral("RevertButton:"))
                              ? QStringLiteral("RecordButton") + focused.mid(focused.indexOf(u':'))
                              : focused;
    for (int i = 0; i < FClipRows->count(); ++i)
        if (QWidget* row = FClipRows->itemAt(i)->widget())
            for (const QString& name : {focused, again})
                if (QWidget* found = row->objectName() == name ? row : row->findChild<QWidget*>(name))
                    return found->setFocus(Qt::OtherFocusReason);
}

QWidget* TCornerScreen::ClipRow(const ownclips::TSpokenClip& Clip)
{
    auto* line = new QWidget;
    line->setObjectName(QStringLiteral("ClipRow:") + Clip.Relative);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(6, 2, 6, 2);  // a lesson's rows fit the section at the window's base size
    auto* text = new QLabel(Clip.Written.isEmpty() ? Clip.Text : Clip.Written);
    text->setMinimumWidth(200);
    row->addWidget(text);
    row->addWidget(new QLabel(SourceText(Clip.Source)), 1);
    row->addWidget(ItemButton(this, QStringLiteral("ListenButton:") + Clip.Relative, QStringLiteral("Послушать"), Clip.Text,
                              [this, Clip] {
                                  if (OnListen) OnListen(Clip);
                              }));
    row->addWidget(ItemButton(this, QStringLiteral("RecordButton:") + Clip.Relative, QStringLiteral("Записать"), Clip.Text,
                              [this, Clip] {
                                  if (OnRecord) OnRecord(Clip);
                              }));
    if (Clip.Source == ownclips::TClipSource::Own)
        row->addWidget(ItemButton(this, QStringLiteral("RevertButton:") + Clip.Relative,
                                  QStringLiteral("Вернуть прежнюю запись"), Clip.Text, [this, Clip] {
                                      if (OnRevert) OnRevert(Clip);
                                  }));
    return line;
}

TClipFold* TCornerScreen::Fold(const QString& Key, const QString& Caption, const QString& Within,
                               std::function<void(QVBoxLayout& Rows)> Build)
{
    auto* fold = new TClipFold(Key, Caption, Within, std::move(Build));
    if (FOpenFolds.contains(Key)) fold->SetOpen(true);
    fold->OnToggled = [this, Key](bool Open) {
        if (Open)
            FOpenFolds.insert(Key);
        else
            FOpenFolds.remove(Key);
    };
    return fold;
}

TClipFold* TCornerScreen::HeadingFold(ownclips::TClipGroup Group, const std::vector<ownclips::TSpokenClip>& Clips)
{
    const QString heading = GroupText(Group);
    TClipFold* fold = Fold(heading, heading, QString(), [this, heading, Clips](QVBoxLayout& Rows) {
        // The clips come in their lessons' order: a lesson is a run of them.
        std::vector<ownclips::TSpokenClip> lesson;
        for (const ownclips::TSpokenClip& clip : Clips) {
            if (!lesson.empty() && clip.Lesson != lesson.front().Lesson) {
                Rows.addWidget(LessonFold(heading, lesson));
                lesson.clear();
            }
            lesson.push_back(clip);
        }
        if (!lesson.empty()) Rows.addWidget(LessonFold(heading, lesson));
    });
    fold->Button()->setFont(HeadingFont(fold->Button()->font()));
    return fold;
}

TClipFold* TCornerScreen::LessonFold(const QString& Heading, const std::vector<ownclips::TSpokenClip>& Clips)
{
    const int lesson = Clips.front().Lesson;
    const QList<syllables::TLesson>& lessons = syllables::Lessons();
    const QString consonant = lesson >= 0 && lesson < lessons.size() ? QString(lessons[lesson].Consonant) : QString();
    // "М: ма мо му мы …": the lesson's letter and its first few syllables or words.
    constexpr std::size_t shown = 4;
    QStringList first;
    for (std::size_t i = 0; i < Clips.size() && i < shown; ++i) first << Clips[i].Written;
    const QString caption = consonant.toUpper() + QStringLiteral(": ") + first.join(u' ') +
                            (Clips.size() > shown ? QStringLiteral(" …") : QString());
    return Fold(Heading + u'/' + consonant, caption, Heading, [this, Clips](QVBoxLayout& Rows) {
        for (const ownclips::TSpokenClip& clip : Clips) Rows.addWidget(ClipRow(clip));
    });
}

void TCornerScreen::ShowOwnWords(const QStringList& Words, const QList<QImage>& Thumbnails)
{
    Clear(FWordRows);
    for (int i = 0; i < Words.size(); ++i) {
        const QString& word = Words[i];
        auto* line = new QWidget;
        line->setObjectName(QStringLiteral("WordRow:") + word);
        auto* row = new QHBoxLayout(line);
        auto* small = new QLabel;
        small->setFixedSize(64, 48);
        if (i < Thumbnails.size() && !Thumbnails[i].isNull())
            small->setPixmap(QPixmap::fromImage(Thumbnails[i].scaled(small->size(), Qt::KeepAspectRatio)));
        row->addWidget(small);
        row->addWidget(new QLabel(word), 1);
        row->addWidget(
            ItemButton(this, QStringLiteral("RenameButton:") + word, QStringLiteral("Переименовать"), word, [this, word] {
                if (OnRename) OnRename(word);
            }));
        row->addWidget(
            ItemButton(this, QStringLiteral("RemoveButton:") + word, QStringLiteral("Удалить"), word, [this, word] {
                if (OnRemove) OnRemove(word);
            }));
        FWordRows->addWidget(line);
    }
}

void TCornerScreen::ShowOwnPages(const QStringList& Pages)
{
    Clear(FPageRows);
    if (!Pages.isEmpty()) FPageRows->addWidget(new QLabel(QStringLiteral("Свои раскраски:")));
    for (const QString& page : Pages) {
        auto* line = new QWidget;
        line->setObjectName(QStringLiteral("PageRow:") + page);
        auto* row = new QHBoxLayout(line);
        row->addWidget(new QLabel(page), 1);
        row->addWidget(
            ItemButton(this, QStringLiteral("RemovePageButton:") + page, QStringLiteral("Удалить"), page, [this, page] {
                if (OnRemovePage) OnRemovePage(page);
            }));
        FPageRows->addWidget(line);
    }
}

void TCornerScreen::ShowChosenPicture(const QImage& Picture)
{
    FChosen->setPixmap(Picture.isNull() ? QPixmap() : QPixmap::fromImage(Picture.scaled(96, 72, Qt::KeepAspectRatio)));
}

void TCornerScreen::ShowMicrophones(const QStringList& Names)
{
    FMicrophone->clear();
    FMicrophone->addItems(Names);
    FMicrophone->setVisible(Names.size() > 1);
}

QString TCornerScreen::Microphone() const
{
    return FMicrophone->isVisible() ? FMicrophone->currentText() : QString();
}

void TCornerScreen::SetVoice(const QString& Voice)
{
    const QSignalBlocker quiet(FVoice);
    FVoice->setCurrentText(Voice);
}

void TCornerScreen::ShowStatus(const QString& Sentence)
{
    FStatus->setText(Sentence);
}

void TCornerScreen::ShowJournalState(const QString& Sentence)
{
    FJournalState->setText(Sentence);
}

void TCornerScreen::ShowLevel(double LevelDb)
{
    FLevel->setValue(std::clamp(int(LevelDb) + 60, 0, 60));
}

void TCornerScreen::ShowPreview(const QImage& Page)
{
    FPreview->setPixmap(QPixmap::fromImage(Page));
}
