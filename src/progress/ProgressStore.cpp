#include "progress/ProgressStore.h"

#include "platform/ContentRoots.h"
#include "platform/storage/ProgressDatabase.h"
#include "platform/storage/ProgressWriter.h"
#include "platform/widgets/Dialogs.h"
#include "progress/ChildName.h"
#include "progress/JournalReader.h"
#include "progress/Log.h"
#include "progress/MasteryRule.h"
#include "progress/ProgressTable.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSysInfo>

#include <limits>
#include <set>

using namespace progressdb;
using journaldb::TOutcome;

namespace {

const QString kHardFirstKey = QStringLiteral("exam_hard_letters_first");
// The last answer row kept before this computer first joined a journal, and the grown-up's answer
// to whether those earlier answers may go there too.
const QString kJoinedAfterKey = QStringLiteral("journal_joined_after");
const QString kConsentKey = QStringLiteral("journal_consent");

TAnswerRow RowOf(const TAnswer& Answer, qint64 Child)
{
    const QDateTime now = QDateTime::currentDateTime();
    TAnswerRow row;
    row.Time = now.toSecsSinceEpoch();
    row.UtcOffset = now.offsetFromUtc();
    row.Child = Child;
    row.Game = GameCode(Answer.Game);
    row.Mode = ModeCode(Answer);
    row.Asked = Answer.Asked;
    row.Picked = Answer.Picked;
    row.Word = Answer.Word;
    row.Position = Answer.Position;
    row.Right = Answer.Right;
    row.FirstTry = Answer.FirstTry;
    return row;
}

TAnswer AnswerOf(const TAnswerRow& Row)
{
    TAnswer answer{GameOfCode(Row.Game), false, Row.Asked, Row.Picked, Row.Word, Row.Position, Row.Right, Row.FirstTry};
    SetModeOfCode(answer, Row.Mode);
    return answer;
}

// Today and the first day of the calendar strip, in local days since the epoch.
std::pair<qint64, qint64> CalendarDays()
{
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 today = (now.toSecsSinceEpoch() + now.offsetFromUtc()) / 86400;
    return {today, today - kCalendarDays + 1};
}

// A child's summary over one progress file's answers.
void SumUpFile(TProgressDatabase& File, qint64 Child, TProgressSummary& Summary)
{
    FoldMastery(File.NewestPicks(Child, MasteryPicks()), File.Met(Child), Summary);
    Summary.Pairs = FoldPairs(File.WrongPicks(Child));
    const auto [today, first] = CalendarDays();
    // Offsets reach 14 hours either way: read a day more, then keep the local days that fall in.
    for (const qint64 day : File.LocalDays(Child, (first - 1) * 86400))
        if (day >= first && day <= today) Summary.Days[static_cast<size_t>(day - first)] = true;
    Summary.PlaySeconds = File.PlaySeconds(Child, kPlayGapSeconds);
}

// A child's summary over the journal's answers and those of File the journal has not got yet
// (kept back ones too: they are read there for the sums, never kept). False when the journal failed.
bool SumUpJournal(TProgressDatabase& File, TJournalDatabase& Journal, qint64 Child, const QString& Uuid,
                  TProgressSummary& Summary)
{
    const std::vector<TSharedAnswer> unsent = File.Unsent(0, std::numeric_limits<int>::max(), Child);
    std::vector<qint64> times;
    QStringList uuids;
    for (const TSharedAnswer& answer : unsent) {
        times.push_back(answer.Row.Time);
        uuids << answer.Uuid;
    }
    const auto [today, first] = CalendarDays();
    const TPickSelection picks = MasteryPicks();
    TSummaryRows rows;
    QStringList known;
    if (!Journal.SummaryRows(Uuid, picks, (first - 1) * 86400, kPlayGapSeconds, times, uuids, rows, known)) {
        qCWarning(lcProgress) << "The summary falls back to this computer's answers:" << Journal.LastError();
        return false;
    }
    // A batch the journal committed just before this computer could mark it sent is counted once.
    std::map<std::tuple<int, int, QString>, bool> met;
    for (const TMet& row : rows.Met) met[{row.Game, row.Mode, row.Asked}] = true;
    for (const TSharedAnswer& answer : unsent) {
        if (known.contains(answer.Uuid)) continue;
        const TAnswerRow& row = answer.Row;
        if (Selects(picks, row)) rows.Newest.push_back({row.Game, row.Mode, row.Asked, row.Right, row.Time, answer.LocalId});
        if (!row.Right && row.Asked != row.Picked) rows.Pairs.push_back({row.Asked, row.Picked, 1, row.Game, row.Mode});
        if (!met[{row.Game, row.Mode, row.Asked}]) {
            met[{row.Game, row.Mode, row.Asked}] = true;
            rows.Met.push_back({row.Game, row.Mode, row.Asked});
        }
        if (row.Time >= (first - 1) * 86400) rows.Days.push_back((row.Time + row.UtcOffset) / 86400);
    }
    FoldMastery(rows.Newest, rows.Met, Summary);
    Summary.Pairs = FoldPairs(rows.Pairs);
    for (const qint64 day : rows.Days)
        if (day >= first && day <= today) Summary.Days[static_cast<size_t>(day - first)] = true;
    Summary.PlaySeconds = rows.PlaySeconds;
    return true;
}

// The group's answers of a child (everybody's when Uuid is empty) for the table: the journal's
// and those of File the journal has not got yet, by time. Each row's Child is this file's id of
// the child (found by UUID in Ids). False when the journal failed.
bool GroupRows(TProgressDatabase& File, TJournalDatabase& Journal, qint64 Child, const QString& Uuid,
               const std::map<QString, qint64>& Ids, std::vector<TAnswerRow>& Rows)
{
    std::vector<std::pair<TAnswerRow, qint64>> rows;  // with the order kept on their computer
    std::set<QString> known;
    const bool read = Journal.ForEachAnswer(Uuid, [&](const TSharedAnswer& Answer) {
        known.insert(Answer.Uuid);
        TAnswerRow row = Answer.Row;
        const auto id = Ids.find(Answer.ChildUuid);
        row.Child = id == Ids.end() ? -1 : id->second;
        rows.emplace_back(row, Answer.LocalId);
    });
    if (!read) {
        qCWarning(lcProgress) << "The table falls back to this computer's answers:" << Journal.LastError();
        return false;
    }
    for (const TSharedAnswer& answer : File.Unsent(0, std::numeric_limits<int>::max(), Child))
        if (!known.count(answer.Uuid)) rows.emplace_back(answer.Row, answer.LocalId);
    std::stable_sort(rows.begin(), rows.end(), [](const auto& A, const auto& B) {
        return std::tie(A.first.Time, A.second) < std::tie(B.first.Time, B.second);
    });
    Rows.clear();
    for (auto& row : rows) Rows.push_back(std::move(row.first));
    return true;
}

}  // namespace

QString TProgressStore::DefaultFolder()
{
    return TContentRoots::UserFolder();
}

TProgressStore::TProgressStore(const QString& Folder, IDialogs& Dialogs, std::function<void(const TAnswer&)> OnKept,
                               bool InGroupJournal)
    : FOnKept(std::move(OnKept)), FComputerName(QSysInfo::machineHostName()), FPostBox(std::make_unique<QObject>())
{
    if (!QDir().mkpath(Folder)) {
        Stopped(QStringLiteral("cannot make the folder %1").arg(Folder));
        return;
    }
    FPath = QDir(Folder).filePath(FileName());
    OpenFile(FPath, Dialogs, InGroupJournal);
}

TProgressStore::~TProgressStore()
{
    FReader.reset();  // before the post box it hands its answers to
    FWriter.reset();  // drains the queue before the connection goes
    std::lock_guard lock(FSenderMutex);
    FSender.reset();
}

void TProgressStore::OpenFile(const QString& Path, IDialogs& Dialogs, bool InGroupJournal)
{
    auto database = std::make_unique<TProgressDatabase>(Path);
    TOpenState state = database->Open(true);
    if (state == TOpenState::osDamaged) {
        qCWarning(lcProgress) << "The progress file" << Path << "is damaged:" << database->LastError();
        database.reset();  // the connection lets go of the file before it moves
        const int unsent = TProgressDatabase::CountUnsentIn(Path, kJoinedAfterKey);
        const QString aside = TProgressDatabase::MoveAside(Path, QDate::currentDate().toString(Qt::ISODate));
        if (aside.isEmpty()) {
            Stopped(QStringLiteral("the damaged file could not be moved aside"));
            return;
        }
        // What the group's journal already has is safe there; what it had not got yet went with the file.
        QString lost;
        if (unsent > 0)
            lost = QStringLiteral(" Ответов, которые ещё не попали в журнал группы, в нём было: %1.").arg(unsent);
        else if (unsent == TProgressDatabase::kUnreadable && InGroupJournal)
            lost = QStringLiteral(" Сколько ответов из него ещё не попало в журнал группы, узнать не удалось.");
        Dialogs.ShowMessage(QStringLiteral("Успехи"),
                            QStringLiteral("Файл с успехами детей был повреждён. Он сохранён под именем «%1», "
                                           "а успехи начинают записываться заново.")
                                    .arg(QFileInfo(aside).fileName()) +
                                lost);
        database = std::make_unique<TProgressDatabase>(Path);
        state = database->Open(true);
    }
    switch (state) {
        case TOpenState::osOpen:
            break;
        case TOpenState::osNewer:
            qCWarning(lcProgress) << "The progress file" << Path << "is of a newer version:" << database->LastError();
            FState = TKeepingState::ksNewer;
            Dialogs.ShowMessage(QStringLiteral("Успехи"),
                                QStringLiteral("Успехи детей записаны более новой версией программы. "
                                               "Пока работает эта версия, успехи не записываются."));
            return;
        case TOpenState::osDamaged:
        case TOpenState::osUnwritable:
            Stopped(database->LastError());
            return;
    }
    FDatabase = std::move(database);
    FWriter = std::make_unique<TProgressWriter>(
        Path,
        [this](const TAnswerRow& Row) {
            if (FOnKept) FOnKept(AnswerOf(Row));
            if (Row.Child != 0) WakeSender();
        },
        [this](const QString& Error) { Stopped(Error); });
}

void TProgressStore::Stopped(const QString& Error)
{
    FState = TKeepingState::ksStopped;
    if (!FLogged.exchange(true)) qCWarning(lcProgress) << "Progress is not kept in this run:" << Error;
}

TKeepingState TProgressStore::State() const
{
    return FState;
}

QString TProgressStore::Note() const
{
    switch (State()) {
        case TKeepingState::ksKeeping:
            return {};
        case TKeepingState::ksNewer:
            return QStringLiteral("Успехи записаны более новой версией программы, поэтому сейчас они не записываются.");
        case TKeepingState::ksStopped:
            break;
    }
    return QStringLiteral(
        "Сейчас успехи не записываются: папка недоступна для записи или диск заполнен. Игры работают как обычно.");
}

void TProgressStore::SetPlayer(qint64 Child)
{
    FPlayer = Child;
    FPlayerUuid = FDatabase && Child ? FDatabase->UuidOf(Child) : QString();
}

void TProgressStore::Keep(const TAnswer& Answer)
{
    // The player merged into another child on another computer plays on as that child.
    if (FChildrenGone.exchange(false) && FDatabase && !FPlayerUuid.isEmpty()) SetPlayer(FDatabase->ChildNow(FPlayerUuid));
    if (FWriter && State() == TKeepingState::ksKeeping) FWriter->Add(RowOf(Answer, FPlayer));
}

void TProgressStore::Flush()
{
    if (FWriter) FWriter->Flush();
}

std::vector<TChild> TProgressStore::Children()
{
    std::vector<TChild> children;
    if (!FDatabase) return children;
    std::vector<TChildRow> rows = FDatabase->Children();
    // Of children with the same name the one made first keeps it plain.
    std::vector<const TChildRow*> byAge;
    for (const auto& row : rows) byAge.push_back(&row);
    std::stable_sort(byAge.begin(), byAge.end(), [](const TChildRow* A, const TChildRow* B) {
        return std::tie(A->Created, A->Uuid) < std::tie(B->Created, B->Uuid);
    });
    std::set<QString> named;
    std::set<const TChildRow*> second;
    for (const TChildRow* row : byAge)
        if (!named.insert(row->NameKey.isEmpty() ? NameKey(row->Name) : row->NameKey).second) second.insert(row);
    for (const auto& row : rows) {
        const bool withHost = second.count(&row) && !row.Host.isEmpty();
        children.push_back({row.Id, row.Name, row.Picture, row.Uuid, row.Host,
                            withHost ? QStringLiteral("%1 (%2)").arg(row.Name, row.Host) : row.Name});
    }
    return children;
}

TChild* TProgressStore::FindChild(std::vector<TChild>& Children, qint64 Id)
{
    for (auto& child : Children)
        if (child.Id == Id) return &child;
    return nullptr;
}

QString TProgressStore::AddChild(const QString& Name, const QString& Picture, qint64* NewId)
{
    QStringList others;
    for (const auto& child : Children()) others << child.Name;
    if (QString problem = ChildNameProblem(Name, others); !problem.isEmpty()) return problem;
    const qint64 id = FDatabase ? FDatabase->AddSharedChild(CleanChildName(Name), Picture,
                                                            QDateTime::currentSecsSinceEpoch(), FComputerName)
                                : 0;
    if (NewId) *NewId = id;
    if (id) WakeSender();
    return id ? QString() : Note();
}

QString TProgressStore::RenameChild(qint64 Id, const QString& Name)
{
    auto children = Children();
    const TChild* child = FindChild(children, Id);
    if (!child) return Note();
    QStringList others;
    for (const auto& other : children)
        if (other.Id != Id) others << other.Name;
    if (QString problem = ChildNameProblem(Name, others); !problem.isEmpty()) return problem;
    if (!FDatabase->ChangeChild(Id, CleanChildName(Name), child->Picture, QDateTime::currentMSecsSinceEpoch()))
        return Note();
    WakeSender();
    return {};
}

bool TProgressStore::SetChildPicture(qint64 Id, const QString& Picture)
{
    auto children = Children();
    const TChild* child = FindChild(children, Id);
    if (!child || !FDatabase->ChangeChild(Id, child->Name, Picture, QDateTime::currentMSecsSinceEpoch())) return false;
    WakeSender();
    return true;
}

bool TProgressStore::RemoveChild(qint64 Id)
{
    Flush();  // an answer of the child still queued would outlive it
    if (!FDatabase || !FDatabase->RemoveChildLeavingTombstone(Id, QDateTime::currentSecsSinceEpoch())) return false;
    WakeSender();
    return true;
}

bool TProgressStore::DeleteProgress(qint64 Child)
{
    Flush();
    if (!FDatabase || !FDatabase->DeleteAnswersLeavingTombstone(Child, QDateTime::currentSecsSinceEpoch())) return false;
    WakeSender();
    return true;
}

bool TProgressStore::MergeChildren(qint64 Gone, qint64 Kept)
{
    Flush();
    if (!FDatabase || !FDatabase->MergeChildren(Gone, Kept, QDateTime::currentSecsSinceEpoch())) return false;
    if (FPlayer == Gone) SetPlayer(Kept);
    WakeSender();
    return true;
}

void TProgressStore::WakeSender()
{
    std::lock_guard lock(FSenderMutex);
    if (FSender) FSender->Wake();
}

qint64 TProgressStore::SendAfter()
{
    if (!FDatabase || FDatabase->Setting(kConsentKey) == QLatin1String("yes")) return 0;
    return FDatabase->Setting(kJoinedAfterKey).toLongLong();
}

void TProgressStore::UseJournal(const journaldb::TJournalSettings& Settings, const journaldb::TSenderOptions& Options)
{
    LeaveJournal();
    if (!FDatabase) return;
    // Answers kept before this computer first joined wait for a grown-up's yes.
    if (FDatabase->Setting(kJoinedAfterKey).isEmpty())
        FDatabase->SetSetting(kJoinedAfterKey, QString::number(FDatabase->LastAnswerId()));
    FJournalSettings = Settings;
    if (FReader) FReader->SetSettings(Settings);
    std::lock_guard lock(FSenderMutex);
    FSender = std::make_unique<TJournalSender>(FPath, Settings, Options, [this] { FChildrenGone = true; });
    FSender->SetSendAfter(SendAfter());
}

void TProgressStore::LeaveJournal()
{
    std::unique_ptr<TJournalSender> sender;
    {
        std::lock_guard lock(FSenderMutex);
        sender = std::move(FSender);
    }
    sender.reset();  // joined outside the lock: the writing thread may be waking it
    if (FReader) FReader->SetSettings(std::nullopt);
    FJournalReader.reset();
    FSummaryFellBack = false;
}

journaldb::TOutcome TProgressStore::JournalOutcome()
{
    std::lock_guard lock(FSenderMutex);
    return FSender ? FSender->Report().Outcome : journaldb::TOutcome::joNotSet;
}

TJournalStatus TProgressStore::JournalStatus()
{
    TJournalStatus status;
    {
        std::lock_guard lock(FSenderMutex);
        if (!FSender) return status;
        const journaldb::TSenderReport report = FSender->Report();
        status.Outcome = report.Outcome;
        status.Detail = report.Detail;
    }
    if (FDatabase) {
        status.Waiting = FDatabase->CountUnsent(SendAfter());
        status.WaitingChanges = FDatabase->CountUnsentChanges();
    }
    return status;
}

QString TProgressStore::JournalNote()
{
    const TOutcome outcome = JournalStatus().Outcome;
    if (outcome == TOutcome::joNotSet || (outcome == TOutcome::joConnected && !FSummaryFellBack)) return {};
    return OnlyThisComputerNote();
}

QString TProgressStore::OnlyThisComputerNote()
{
    return QStringLiteral("Только этот компьютер: нет связи с журналом группы");
}

TJournalConsent TProgressStore::JournalConsent()
{
    const QString consent = FDatabase ? FDatabase->Setting(kConsentKey) : QString();
    return consent == QLatin1String("yes")  ? TJournalConsent::jcYes
           : consent == QLatin1String("no") ? TJournalConsent::jcNo
                                            : TJournalConsent::jcUnasked;
}

bool TProgressStore::SetJournalConsent(bool Yes)
{
    if (!FDatabase || !FDatabase->SetSetting(kConsentKey, Yes ? QStringLiteral("yes") : QStringLiteral("no"))) return false;
    std::lock_guard lock(FSenderMutex);
    if (FSender) FSender->SetSendAfter(SendAfter());
    return true;
}

int TProgressStore::EarlierAnswers()
{
    if (!FDatabase || FDatabase->Setting(kConsentKey) == QLatin1String("yes")) return 0;
    const QString joinedAfter = FDatabase->Setting(kJoinedAfterKey);
    if (joinedAfter.isEmpty()) return 0;
    return FDatabase->CountUnsent(0) - FDatabase->CountUnsent(joinedAfter.toLongLong());
}

bool TProgressStore::HardLettersFirst()
{
    return FDatabase && FDatabase->Setting(kHardFirstKey) == QLatin1String("1");
}

bool TProgressStore::SetHardLettersFirst(bool On)
{
    return FDatabase && FDatabase->SetSetting(kHardFirstKey, On ? QStringLiteral("1") : QStringLiteral("0"));
}

TProgressSummary TProgressStore::LocalSummary(qint64 Child)
{
    TProgressSummary summary;
    if (!FDatabase) return summary;
    Flush();
    SumUpFile(*FDatabase, Child, summary);
    return summary;
}

TProgressSummary TProgressStore::Summary(qint64 Child)
{
    TProgressSummary summary;
    if (JournalStatus().Outcome == TOutcome::joConnected) {
        if (JournalSummary(Child, summary)) {
            FSummaryFellBack = false;
            return summary;
        }
        FSummaryFellBack = true;
    }
    return LocalSummary(Child);
}

bool TProgressStore::JournalSummary(qint64 Child, TProgressSummary& Summary)
{
    if (!FDatabase) return false;
    const QString uuid = Child ? FDatabase->UuidOf(Child) : QString();
    if (uuid.isEmpty()) return false;
    Flush();
    if (!FJournalReader) FJournalReader = std::make_unique<TJournalDatabase>(FJournalSettings);
    if (!FJournalReader->IsOpen() && FJournalReader->Connect(false) != TOutcome::joConnected) return false;
    return SumUpJournal(*FDatabase, *FJournalReader, Child, uuid, Summary);
}

std::map<qint64, QString> TProgressStore::ChildNames()
{
    std::map<qint64, QString> names;
    for (const auto& child : Children()) names[child.Id] = child.Name;
    return names;
}

QString TProgressStore::SaveTable(qint64 Child, const QString& Path)
{
    const std::map<qint64, QString> names = ChildNames();
    Flush();
    return SaveProgressTable(
        Path,
        [&](const std::function<void(const TAnswerRow&)>& Visit) {
            return FDatabase && FDatabase->ForEachAnswer(Child, Visit);
        },
        names);
}

TJournalReader& TProgressStore::Reader()
{
    if (!FReader) {
        FReader = std::make_unique<TJournalReader>(FPath);
        FReader->SetSettings(FSender ? std::optional(FJournalSettings) : std::nullopt);
    }
    return *FReader;
}

namespace {

// Hands Done its result on Box's thread, unless Receiver is gone by then. Receiver is only looked
// at on Box's thread: the reading thread never touches the widget.
template <typename... TResult>
void Deliver(QObject* Box, const QPointer<QObject>& Receiver, const std::function<void(const TResult&...)>& Done,
             TResult... Result)
{
    QMetaObject::invokeMethod(
        Box,
        [Receiver, Done, Result...] {
            if (Receiver && Done) Done(Result...);
        },
        Qt::QueuedConnection);
}

}  // namespace

void TProgressStore::SummaryLater(qint64 Child, QObject* Receiver,
                                  std::function<void(const TProgressSummary&, bool FromJournal)> Done)
{
    if (!FDatabase) return;
    Flush();  // what the child just did is in the file the reader reads
    const QString uuid = Child ? FDatabase->UuidOf(Child) : QString();
    const std::function<void(const TProgressSummary&, const bool&)> done = std::move(Done);
    Reader().Ask(TJournalReader::TKind::rkSummary, [box = FPostBox.get(), receiver = QPointer<QObject>(Receiver), done,
                                                    Child, uuid](TJournalReader::TSide& Side) {
        TProgressSummary summary;
        TProgressDatabase* file = Side.Local();
        if (!file) return Deliver(box, receiver, done, summary, false);
        const bool fromJournal = !uuid.isEmpty() && Side.Read([&](TJournalDatabase& Journal) {
            summary = {};
            return SumUpJournal(*file, Journal, Child, uuid, summary);
        });
        if (fromJournal) return Deliver(box, receiver, done, summary, true);
        summary = {};
        SumUpFile(*file, Child, summary);
        Deliver(box, receiver, done, summary, false);
    });
}

void TProgressStore::SaveTableLater(qint64 Child, const QString& Path, QObject* Receiver,
                                    std::function<void(const QString& Refusal, bool FromJournal)> Done)
{
    if (!FDatabase) return;
    Flush();
    std::map<QString, qint64> ids;
    for (const TChild& child : Children()) ids[child.Uuid] = child.Id;
    // The unnamed child's answers never go to the journal: its table is this computer's.
    const QString uuid = Child > 0 ? FDatabase->UuidOf(Child) : QString();
    const bool group = Child != 0 && (Child < 0 || !uuid.isEmpty());
    const std::function<void(const QString&, const bool&)> done = std::move(Done);
    Reader().Ask(TJournalReader::TKind::rkTable,
                 [box = FPostBox.get(), receiver = QPointer<QObject>(Receiver), done, names = ChildNames(), ids, Child, uuid,
                  group, Path](TJournalReader::TSide& Side) {
                     TProgressDatabase* file = Side.Local();
                     std::vector<TAnswerRow> rows;
                     const bool fromJournal = group && file && Side.Read([&](TJournalDatabase& Journal) {
                         return GroupRows(*file, Journal, Child, uuid, ids, rows);
                     });
                     const QString refusal = SaveProgressTable(
                         Path,
                         [&](const std::function<void(const TAnswerRow&)>& Visit) {
                             if (fromJournal) {
                                 for (const TAnswerRow& row : rows) Visit(row);
                                 return true;
                             }
                             return file && file->ForEachAnswer(Child, Visit);
                         },
                         names);
                     Deliver(box, receiver, done, refusal, fromJournal);
                 });
}

void TProgressStore::CheckJournal(const journaldb::TJournalSettings& Settings, QObject* Receiver,
                                  std::function<void(TOutcome Outcome, const QString& Detail)> Done)
{
    const std::function<void(const TOutcome&, const QString&)> done = std::move(Done);
    Reader().Ask(TJournalReader::TKind::rkCheck,
                 [box = FPostBox.get(), receiver = QPointer<QObject>(Receiver), done, Settings](TJournalReader::TSide&) {
                     TJournalDatabase journal(Settings);
                     const TOutcome outcome = journal.Connect(true);
                     Deliver(box, receiver, done, outcome, journal.LastError());
                 });
}
