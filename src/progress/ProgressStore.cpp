#include "progress/ProgressStore.h"

#include "platform/ContentRoots.h"
#include "platform/storage/ProgressDatabase.h"
#include "platform/storage/ProgressWriter.h"
#include "platform/widgets/Dialogs.h"
#include "progress/ChildName.h"
#include "progress/Log.h"
#include "progress/MasteryRule.h"
#include "progress/ProgressTable.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

using namespace progressdb;

namespace {

const QString kHardFirstKey = QStringLiteral("exam_hard_letters_first");

TAnswerRow RowOf(const TAnswer& Answer, qint64 Child)
{
    const QDateTime now = QDateTime::currentDateTime();
    TAnswerRow row;
    row.Time = now.toSecsSinceEpoch();
    row.UtcOffset = now.offsetFromUtc();
    row.Child = Child;
    row.Game = GameCode(Answer.Game);
    row.Mode = Answer.Sounds ? 1 : 0;
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
    return {GameOfCode(Row.Game), Row.Mode != 0, Row.Asked, Row.Picked, Row.Word, Row.Position, Row.Right, Row.FirstTry};
}

}  // namespace

QString TProgressStore::DefaultFolder()
{
    return TContentRoots::UserFolder();
}

TProgressStore::TProgressStore(const QString& Folder, IDialogs& Dialogs, std::function<void(const TAnswer&)> OnKept)
    : FOnKept(std::move(OnKept))
{
    if (!QDir().mkpath(Folder)) {
        Stopped(QStringLiteral("cannot make the folder %1").arg(Folder));
        return;
    }
    OpenFile(QDir(Folder).filePath(FileName()), Dialogs);
}

TProgressStore::~TProgressStore()
{
    FWriter.reset();  // drains the queue before the connection goes
}

void TProgressStore::OpenFile(const QString& Path, IDialogs& Dialogs)
{
    auto database = std::make_unique<TProgressDatabase>(Path);
    TOpenState state = database->Open(true);
    if (state == TOpenState::osDamaged) {
        qCWarning(lcProgress) << "The progress file" << Path << "is damaged:" << database->LastError();
        database.reset();  // the connection lets go of the file before it moves
        const QString aside = TProgressDatabase::MoveAside(Path, QDate::currentDate().toString(Qt::ISODate));
        if (aside.isEmpty()) {
            Stopped(QStringLiteral("the damaged file could not be moved aside"));
            return;
        }
        Dialogs.ShowMessage(QStringLiteral("Успехи"),
                            QStringLiteral("Файл с успехами детей был повреждён. Он сохранён под именем «%1», "
                                           "а успехи начинают записываться заново.")
                                .arg(QFileInfo(aside).fileName()));
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

void TProgressStore::Keep(const TAnswer& Answer)
{
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
    for (const auto& row : FDatabase->Children()) children.push_back({row.Id, row.Name, row.Picture});
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
    const qint64 id = FDatabase ? FDatabase->AddChild(CleanChildName(Name), Picture, QDateTime::currentSecsSinceEpoch()) : 0;
    if (NewId) *NewId = id;
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
    return FDatabase->UpdateChild(Id, CleanChildName(Name), child->Picture) ? QString() : Note();
}

bool TProgressStore::SetChildPicture(qint64 Id, const QString& Picture)
{
    auto children = Children();
    const TChild* child = FindChild(children, Id);
    return child && FDatabase->UpdateChild(Id, child->Name, Picture);
}

bool TProgressStore::RemoveChild(qint64 Id)
{
    Flush();  // an answer of the child still queued would outlive it
    return FDatabase && FDatabase->RemoveChild(Id);
}

bool TProgressStore::DeleteProgress(qint64 Child)
{
    Flush();
    return FDatabase && FDatabase->DeleteAnswers(Child);
}

bool TProgressStore::HardLettersFirst()
{
    return FDatabase && FDatabase->Setting(kHardFirstKey) == QLatin1String("1");
}

bool TProgressStore::SetHardLettersFirst(bool On)
{
    return FDatabase && FDatabase->SetSetting(kHardFirstKey, On ? QStringLiteral("1") : QStringLiteral("0"));
}

TProgressSummary TProgressStore::Summary(qint64 Child)
{
    TProgressSummary summary;
    if (!FDatabase) return summary;
    Flush();
    FoldMastery(FDatabase->NewestPicks(Child, MasteryPicks()), FDatabase->Met(Child), summary);
    summary.Pairs = FoldPairs(FDatabase->WrongPicks(Child));
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 today = (now.toSecsSinceEpoch() + now.offsetFromUtc()) / 86400;
    const qint64 first = today - kCalendarDays + 1;
    // Offsets reach 14 hours either way: read a day more, then keep the local days that fall in.
    for (const qint64 day : FDatabase->LocalDays(Child, (first - 1) * 86400))
        if (day >= first && day <= today) summary.Days[static_cast<size_t>(day - first)] = true;
    summary.PlaySeconds = FDatabase->PlaySeconds(Child, kPlayGapSeconds);
    return summary;
}

QString TProgressStore::SaveTable(qint64 Child, const QString& Path)
{
    std::map<qint64, QString> names;
    for (const auto& child : Children()) names[child.Id] = child.Name;
    Flush();
    return SaveProgressTable(
        Path,
        [&](const std::function<void(const TAnswerRow&)>& Visit) {
            return FDatabase && FDatabase->ForEachAnswer(Child, Visit);
        },
        names);
}
