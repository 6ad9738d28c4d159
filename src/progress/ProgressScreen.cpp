#include "progress/ProgressScreen.h"

#include "core/Syllables.h"
#include "platform/widgets/Accessibility.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/SpeedButton.h"
#include "progress/ProgressStore.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kTileSize = 56;
constexpr int kTilesPerRow = 11;
constexpr int kPairsShown = 5;
constexpr QSize kSyllableTileSize(40, 24);

QColor ColourOf(TMastery State)
{
    switch (State) {
        case TMastery::msKnows:
            return QColor(0x8f, 0xd1, 0x7f);
        case TMastery::msLearning:
            return QColor(0xff, 0xd8, 0x66);
        case TMastery::msUnmet:
            break;
    }
    return QColor(0xe4, 0xe4, 0xe4);
}

TSpeedButton* Button(const QString& Caption, QWidget* Parent)
{
    auto* button = new TSpeedButton(Parent);
    button->SetCaption(Caption);
    button->setAccessibleName(Caption);
    button->SetHandCursor(true);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setMinimumHeight(32);
    return button;
}

TLabel* Text(QWidget* Parent, int Points, bool Bold = false)
{
    auto* label = new TLabel(Parent);
    QFont font = label->font();
    font.setPointSize(Points);
    font.setBold(Bold);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

}  // namespace

QString KnownLettersTitle(const QString& ChildName)
{
    return ChildName.isEmpty() ? QStringLiteral("Знаю буквы") : QStringLiteral("%1 знает буквы").arg(ChildName);
}

QStringList KnownLetters(const TProgressSummary& Summary, TMasteryKind Kind)
{
    QStringList known;
    for (const QString& letter : RussianLetters())
        if (Summary.State(Kind, letter) == TMastery::msKnows) known << letter.toUpper();
    return known;
}

QString PlayTimeText(qint64 Seconds)
{
    const qint64 minutes = Seconds / 60;
    if (minutes == 0) return QStringLiteral("меньше минуты");
    if (minutes < 60) return QStringLiteral("%1 мин").arg(minutes);
    return QStringLiteral("%1 ч %2 мин").arg(minutes / 60).arg(minutes % 60);
}

TProgressScreen::TProgressScreen(TProgressStore& Store, IDialogs& Dialogs, QWidget* Parent)
    : QWidget(Parent), FStore(Store), FDialogs(Dialogs)
{
    setObjectName(QStringLiteral("ProgressScreen"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    // With the syllables' grid the page is taller than the corner: it scrolls, never squeezes.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ProgressScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("ProgressContentPanel"));
    content->setAutoFillBackground(true);
    content->setPalette(palette);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    auto* page = new QVBoxLayout(content);
    // Narrow margins and spacing: the letters' eleven columns fit beside the journal's part at the
    // window's base size.
    page->setContentsMargins(12, 12, 12, 12);
    page->setSpacing(10);

    auto* top = new QHBoxLayout;
    FTitleLabel = Text(this, 18, true);
    FTitleLabel->setObjectName(QStringLiteral("ProgressTitleLabel"));
    top->addWidget(FTitleLabel, 1);
    FNamesButton = Button(QStringLiteral("Названия"), this);
    FSoundsButton = Button(QStringLiteral("Звуки"), this);
    for (TSpeedButton* button : {FNamesButton, FSoundsButton}) {
        button->setCheckable(true);
        button->setMinimumWidth(110);
        top->addWidget(button);
    }
    connect(FNamesButton, &QAbstractButton::clicked, this, [this] { SetKind(TMasteryKind::mkNames); });
    connect(FSoundsButton, &QAbstractButton::clicked, this, [this] { SetKind(TMasteryKind::mkSounds); });
    page->addLayout(top);

    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    const QStringList& letters = RussianLetters();
    for (int i = 0; i < letters.size(); ++i) {
        auto* tile = new TPanel(this);
        tile->setObjectName(QStringLiteral("ProgressLetterPanel%1").arg(i));
        tile->setFixedSize(kTileSize, kTileSize);
        tile->SetCaption(letters[i].toUpper());
        QFont font = tile->font();
        font.setPointSize(20);
        font.setBold(true);
        tile->setFont(font);
        ui::SetAccessible(tile, ui::TAccessRole::StaticText);
        grid->addWidget(tile, i / kTilesPerRow, i % kTilesPerRow);
        FTiles.push_back(tile);
    }
    page->addLayout(grid);

    auto* legend = Text(this, 10);
    legend->setText(QStringLiteral("Зелёные — знает, жёлтые — учит, серые — ещё не встречались."));
    page->addWidget(legend);
    page->addWidget(BuildSyllables(this));

    auto* pairsTitle = Text(this, 12, true);
    pairsTitle->setText(QStringLiteral("Чаще всего путает"));
    page->addWidget(pairsTitle);
    FPairsLabel = Text(this, 12);
    FPairsLabel->setObjectName(QStringLiteral("ProgressPairsLabel"));
    page->addWidget(FPairsLabel);

    auto* strip = new QHBoxLayout;
    strip->setSpacing(3);
    for (int day = 0; day < kCalendarDays; ++day) {
        auto* cell = new TPanel(this);
        cell->setFixedSize(18, 18);
        cell->SetBevelOuter(TBevel::None);
        strip->addWidget(cell);
        FDays.push_back(cell);
    }
    strip->addStretch(1);
    page->addLayout(strip);
    FDaysLabel = Text(this, 12);
    FDaysLabel->setObjectName(QStringLiteral("ProgressDaysLabel"));
    page->addWidget(FDaysLabel);

    FNoteLabel = Text(this, 11);
    FNoteLabel->setObjectName(QStringLiteral("ProgressNoteLabel"));
    page->addWidget(FNoteLabel);

    FHardFirstButton = Button(QStringLiteral("Экзамен: сначала трудные буквы"), this);
    FHardFirstButton->setCheckable(true);
    FHardFirstButton->setObjectName(QStringLiteral("ProgressHardFirstButton"));
    // A flat button does not show that it is on: the box before its caption does.
    const auto showOption = [this](bool On) {
        FHardFirstButton->SetCaption((On ? QStringLiteral("☑ ") : QStringLiteral("☐ ")) +
                                     FHardFirstButton->accessibleName());
    };
    showOption(false);
    connect(FHardFirstButton, &QAbstractButton::toggled, this, [this, showOption](bool On) {
        showOption(On);
        if (On != FStore.HardLettersFirst()) FStore.SetHardLettersFirst(On);
    });
    page->addWidget(FHardFirstButton, 0, Qt::AlignLeft);

    auto* buttons = new QHBoxLayout;
    auto* print = Button(QStringLiteral("Печать"), this);
    auto* save = Button(QStringLiteral("Сохранить таблицу"), this);
    auto* erase = Button(QStringLiteral("Удалить успехи"), this);
    connect(print, &QAbstractButton::clicked, this, [this] {
        if (OnPrint) OnPrint();
    });
    connect(save, &QAbstractButton::clicked, this, [this] {
        if (OnSaveTable) OnSaveTable();
    });
    connect(erase, &QAbstractButton::clicked, this, [this] { DeleteProgressClick(); });
    for (TSpeedButton* button : {print, save, erase}) {
        button->setMinimumWidth(150);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    page->addLayout(buttons);
    page->addStretch(1);
    scroll->setWidget(content);
    SetKind(TMasteryKind::mkNames);
}

// One row per lesson, its syllables in the table's order, and the words read below.
QWidget* TProgressScreen::BuildSyllables(QWidget* Parent)
{
    FSyllablesPanel = new QWidget(Parent);
    FSyllablesPanel->setObjectName(QStringLiteral("ProgressSyllablesPanel"));
    auto* column = new QVBoxLayout(FSyllablesPanel);
    column->setContentsMargins(0, 6, 0, 0);
    column->setSpacing(6);
    auto* title = Text(FSyllablesPanel, 12, true);
    title->setText(QStringLiteral("Слоги"));
    column->addWidget(title);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    const QList<syllables::TLesson>& lessons = syllables::Lessons();
    int widest = 0;
    for (int row = 0; row < lessons.size(); ++row) {
        const QList<syllables::TSyllable> list = lessons[row].Syllables();
        for (int i = 0; i < list.size(); ++i) {
            const QString& text = list[i].Text;
            auto* tile = new TPanel(FSyllablesPanel);
            tile->setObjectName(QStringLiteral("ProgressSyllablePanel:") + text);
            tile->setFixedSize(kSyllableTileSize);
            tile->SetCaption(text.toUpper());
            QFont font = tile->font();
            font.setPointSize(10);
            font.setBold(true);
            tile->setFont(font);
            ui::SetAccessible(tile, ui::TAccessRole::StaticText);
            grid->addWidget(tile, row, i);
            FSyllableTiles.emplace_back(text, tile);
        }
        widest = std::max(widest, static_cast<int>(list.size()));
    }
    grid->setColumnStretch(widest, 1);
    column->addLayout(grid);
    FWordsLabel = Text(FSyllablesPanel, 12);
    FWordsLabel->setObjectName(QStringLiteral("ProgressWordsLabel"));
    column->addWidget(FWordsLabel);
    FSyllablesPanel->hide();
    return FSyllablesPanel;
}

QWidget* TProgressScreen::SyllableTile(const QString& Syllable) const
{
    for (const auto& [text, tile] : FSyllableTiles)
        if (text == Syllable) return tile;
    return nullptr;
}

QWidget* TProgressScreen::LetterTile(int Index) const
{
    return FTiles.at(static_cast<size_t>(Index));
}

void TProgressScreen::ShowChild(qint64 Child, const QString& Name)
{
    FChild = Child;
    FName = Name;
    Refresh();
}

void TProgressScreen::Refresh()
{
    FSummary = FStore.LocalSummary(FChild);
    FHardFirstButton->setChecked(FStore.HardLettersFirst());
    const journaldb::TOutcome journal = FStore.JournalStatus().Outcome;
    // The unnamed child's answers stay on this computer: there is nothing to read for it.
    const bool group = journal != journaldb::TOutcome::joNotSet && FChild != 0;
    FReading = group && journal == journaldb::TOutcome::joConnected;
    FJournalNote = !group     ? QString()
                   : FReading ? QStringLiteral("Читаю журнал группы…")
                              : TProgressStore::OnlyThisComputerNote();
    const int asked = ++FAsked;
    if (FReading)
        FStore.SummaryLater(FChild, this, [this, asked](const TProgressSummary& Summary, bool FromJournal) {
            if (asked != FAsked) return;
            FReading = false;
            FSummary = Summary;
            FJournalNote = FromJournal ? QString() : TProgressStore::OnlyThisComputerNote();
            ShowSummary();
        });
    ShowSummary();
}

void TProgressScreen::SetKind(TMasteryKind Kind)
{
    FKind = Kind;
    FNamesButton->setChecked(Kind == TMasteryKind::mkNames);
    FSoundsButton->setChecked(Kind == TMasteryKind::mkSounds);
    ShowSummary();
}

void TProgressScreen::ShowSummary()
{
    FTitleLabel->setText(FName.isEmpty() ? QStringLiteral("Успехи") : QStringLiteral("Успехи: %1").arg(FName));
    const QStringList& letters = RussianLetters();
    for (size_t i = 0; i < FTiles.size(); ++i) {
        const QString& letter = letters[static_cast<int>(i)];
        const TMastery state = FSummary.State(FKind, letter);
        FTiles[i]->SetColor(ColourOf(state));
        FTiles[i]->setAccessibleName(QStringLiteral("%1 — %2").arg(letter.toUpper(), MasteryText(state)));
    }
    QStringList pairs;
    for (size_t i = 0; i < FSummary.Pairs.size() && i < static_cast<size_t>(kPairsShown); ++i)
        pairs << PairText(FSummary.Pairs[i]);
    ShowSyllables();
    FPairsLabel->setText(pairs.isEmpty() ? QStringLiteral("Пока ничего не путает.") : pairs.join(u'\n'));
    for (size_t day = 0; day < FDays.size(); ++day)
        FDays[day]->SetColor(FSummary.Days[day] ? QColor(0x4f, 0x9d, 0xde) : QColor(0xe4, 0xe4, 0xe4));
    FDaysLabel->setText(QStringLiteral("Играл(а) дней за четыре недели: %1. Время игры: %2.")
                            .arg(FSummary.DaysPlayed())
                            .arg(PlayTimeText(FSummary.PlaySeconds)));
    ShowNote();
}

void TProgressScreen::ShowSyllables()
{
    // A child who never played "Слоги" sees the page as it always was.
    FSyllablesPanel->setVisible(FSummary.SyllablesPlayed);
    if (!FSummary.SyllablesPlayed) return;
    for (const auto& [text, tile] : FSyllableTiles) {
        const TMastery state = FSummary.SyllableState(text);
        tile->SetColor(ColourOf(state));
        tile->setAccessibleName(QStringLiteral("%1 — %2").arg(text.toUpper(), SyllableMasteryText(state)));
    }
    FWordsLabel->setText(QStringLiteral("Слова прочитаны: %1.")
                             .arg(FSummary.WordsRead.isEmpty() ? QStringLiteral("пока ни одного")
                                                               : FSummary.WordsRead.join(QStringLiteral(", "))));
}

void TProgressScreen::ShowNote()
{
    QStringList notes;
    for (const QString& note : {FStore.Note(), FJournalNote})
        if (!note.isEmpty()) notes << note;
    FNoteLabel->setText(notes.join(u'\n'));
    FNoteLabel->setVisible(!notes.isEmpty());
}

void TProgressScreen::DeleteProgressClick()
{
    const QString whose = FName.isEmpty() ? QString() : QStringLiteral(" ребёнка «%1»").arg(FName);
    if (!FDialogs.AskYesNoDefaultNo(QStringLiteral("Успехи"), QStringLiteral("Удалить все успехи%1?").arg(whose))) return;
    FStore.DeleteProgress(FChild);
    Refresh();
}
