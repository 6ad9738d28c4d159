#include "corner/CornerJournal.h"

#include "corner/CornerDesk.h"
#include "corner/CornerScreen.h"
#include "progress/ProgressStore.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using journaldb::TOutcome;

namespace {

// How often the status line looks at the journal while the corner is open.
constexpr int kStateMs = 1000;

// Why the journal is not reached, as the middle of a sentence.
QString Reason(TOutcome Outcome)
{
    switch (Outcome) {
        case TOutcome::joWrongPassword:
            return QStringLiteral("сервер не принял пользователя или пароль");
        case TOutcome::joServerNotFound:
            return QStringLiteral("сервер не найден или не отвечает");
        case TOutcome::joNoDatabase:
            return QStringLiteral("на сервере нет такой базы");
        case TOutcome::joNoTables:
            return QStringLiteral("в базе нет таблиц журнала, а создать их этому пользователю нельзя");
        case TOutcome::joNewer:
            return QStringLiteral("журнал ведёт более новая версия программы, эту нужно обновить");
        case TOutcome::joNoDriver:
            return QStringLiteral("не установлен драйвер PostgreSQL для Qt (пакет libqt6sql6-psql)");
        case TOutcome::joOtherError:
            return QStringLiteral("сервер ответил ошибкой");
        case TOutcome::joNotSet:
        case TOutcome::joTrying:
        case TOutcome::joConnected:
            break;
    }
    return {};
}

QString Capitalised(const QString& Text)
{
    return Text.isEmpty() ? Text : Text.left(1).toUpper() + Text.mid(1);
}

QLineEdit* Field(QWidget* Parent, const char* Name, const QString& Caption)
{
    auto* edit = new QLineEdit(Parent);
    edit->setObjectName(QLatin1String(Name));
    edit->setAccessibleName(Caption);
    return edit;
}

QPushButton* Button(QWidget* Parent, const char* Name, const QString& Caption, const QString& Spoken)
{
    auto* button = new QPushButton(Caption, Parent);
    button->setObjectName(QLatin1String(Name));
    button->setAccessibleName(Spoken);
    return button;
}

}  // namespace

bool IsJournalSetUp(const journaldb::TJournalSettings& Settings)
{
    return !Settings.Host.trimmed().isEmpty() || !Settings.Database.trimmed().isEmpty();
}

QString JournalStateSentence(const TJournalStatus& Status)
{
    const QString waiting = QStringLiteral("ответов ждут отправки: %1").arg(Status.Waiting);
    switch (Status.Outcome) {
        case TOutcome::joNotSet:
            return {};
        case TOutcome::joConnected:
            if (Status.Waiting == 0 && Status.WaitingChanges == 0)
                return QStringLiteral("Журнал группы: связь есть, всё отправлено.");
            return QStringLiteral("Журнал группы: связь есть, %1.").arg(waiting);
        case TOutcome::joTrying:
            return QStringLiteral("Журнал группы: подключение; %1.").arg(waiting);
        default:
            return QStringLiteral("Журнал группы: %1; %2.").arg(Reason(Status.Outcome), waiting);
    }
}

QString CheckSentence(TOutcome Outcome, const QString& Detail)
{
    switch (Outcome) {
        case TOutcome::joConnected:
            return QStringLiteral("Связь есть: журнал группы готов.");
        case TOutcome::joNotSet:
            return QStringLiteral("Укажите сервер или базу журнала.");
        case TOutcome::joTrying:
            return QStringLiteral("Проверяю связь…");
        case TOutcome::joOtherError:
            if (const QString said = Detail.section(u'\n', 0, 0).trimmed(); !said.isEmpty())
                return QStringLiteral("Сервер ответил ошибкой: %1").arg(said);
            break;
        default:
            break;
    }
    return Capitalised(Reason(Outcome)) + u'.';
}

TCornerJournal::TCornerJournal(TCornerDesk& Desk, TProgressStore& Store, IJournalSettingsFile& File)
    : FDesk(Desk), FStore(Store), FFile(File), FBox(new QGroupBox(QStringLiteral("Журнал группы")))
{
    FBox->setObjectName(QStringLiteral("JournalGroupBox"));
    FHost = Field(FBox, "JournalHostEdit", QStringLiteral("Сервер"));
    FHost->setPlaceholderText(QStringLiteral("school.example или 192.168.1.10"));
    FPort = Field(FBox, "JournalPortEdit", QStringLiteral("Порт"));
    FPort->setValidator(new QIntValidator(1, 65535, FPort));
    FPort->setPlaceholderText(QStringLiteral("5432"));
    FDatabase = Field(FBox, "JournalDatabaseEdit", QStringLiteral("База"));
    FUser = Field(FBox, "JournalUserEdit", QStringLiteral("Пользователь"));
    FPassword = Field(FBox, "JournalPasswordEdit", QStringLiteral("Пароль"));
    FPassword->setEchoMode(QLineEdit::Password);
    auto* form = new QFormLayout;
    for (QLineEdit* field : {FHost, FPort, FDatabase, FUser, FPassword}) form->addRow(field->accessibleName(), field);
    auto* check = Button(FBox, "CheckJournalButton", QStringLiteral("Проверить связь"), QStringLiteral("Проверить связь"));
    auto* save =
        Button(FBox, "SaveJournalButton", QStringLiteral("Сохранить"), QStringLiteral("Сохранить настройки журнала"));
    QObject::connect(check, &QPushButton::clicked, FBox, [this] { Check(); });
    QObject::connect(save, &QPushButton::clicked, FBox, [this] { Save(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(check);
    buttons->addWidget(save);
    buttons->addStretch();
    FResult = new QLabel(FBox);
    FResult->setObjectName(QStringLiteral("JournalResultLabel"));
    FResult->setWordWrap(true);
    auto* column = new QVBoxLayout(FBox);
    column->addLayout(form);
    column->addLayout(buttons);
    column->addWidget(FResult);
    column->addStretch();
    FStateTimer = new QTimer(FBox);
    FStateTimer->setInterval(kStateMs);
    QObject::connect(FStateTimer, &QTimer::timeout, FBox, [this] { ShowState(); });
}

TCornerJournal::~TCornerJournal() = default;

void TCornerJournal::Opened()
{
    ShowSaved();
    FResult->clear();
    ShowState();
    FStateTimer->start();
    // After the corner has shown itself: the question comes over it, not before it.
    QTimer::singleShot(0, FBox, [this] { AskAboutEarlierAnswers(); });
}

void TCornerJournal::Closed()
{
    FStateTimer->stop();
}

void TCornerJournal::ShowSaved()
{
    const journaldb::TJournalSettings saved = FFile.Read();
    FHost->setText(saved.Host);
    FPort->setText(saved.Port > 0 ? QString::number(saved.Port) : QString());
    FDatabase->setText(saved.Database);
    FUser->setText(saved.User);
    FPassword->clear();
    FPassword->setPlaceholderText(saved.Password.isEmpty() ? QString() : QStringLiteral("сохранён"));
}

// What the fields say, over the settings in force (TLS and the saved password stay as they are).
journaldb::TJournalSettings TCornerJournal::Typed()
{
    journaldb::TJournalSettings settings = FFile.Read();
    settings.Host = FHost->text().trimmed();
    settings.Port = FPort->text().toInt() > 0 ? FPort->text().toInt() : journaldb::TJournalSettings().Port;
    settings.Database = FDatabase->text().trimmed();
    settings.User = FUser->text().trimmed();
    if (!FPassword->text().isEmpty()) settings.Password = FPassword->text();
    return settings;
}

void TCornerJournal::Check()
{
    const journaldb::TJournalSettings settings = Typed();
    if (!IsJournalSetUp(settings)) return FResult->setText(CheckSentence(TOutcome::joNotSet, {}));
    FResult->setText(CheckSentence(TOutcome::joTrying, {}));
    const int asked = ++FChecks;
    FStore.CheckJournal(settings, FBox, [this, asked](TOutcome Outcome, const QString& Detail) {
        if (asked == FChecks) FResult->setText(CheckSentence(Outcome, Detail));
    });
}

void TCornerJournal::Save()
{
    const journaldb::TJournalSettings settings = Typed();
    const QString refusal = FFile.Save(settings, !FPassword->text().isEmpty());
    if (!refusal.isEmpty()) return FResult->setText(refusal);
    ++FChecks;  // a check under way was about the fields before
    ShowSaved();
    if (IsJournalSetUp(settings)) {
        FStore.UseJournal(settings);
        FResult->setText(QStringLiteral("Сохранено: этот компьютер ведёт журнал группы вместе с другими."));
        AskAboutEarlierAnswers();
    } else {
        FStore.LeaveJournal();
        FResult->setText(QStringLiteral("Сохранено: журнала группы нет, ответы остаются на этом компьютере."));
    }
    ShowState();
}

void TCornerJournal::AskAboutEarlierAnswers()
{
    if (FStore.JournalStatus().Outcome == TOutcome::joNotSet) return;
    if (FStore.JournalConsent() != TJournalConsent::jcUnasked || FStore.EarlierAnswers() == 0) return;
    FStore.SetJournalConsent(FDesk.Confirm(QStringLiteral("Отправить прежние ответы в журнал группы?")));
}

void TCornerJournal::ShowState()
{
    if (FDesk.Screen) FDesk.Screen->ShowJournalState(JournalStateSentence(FStore.JournalStatus()));
    if (OnStateShown) OnStateShown();
}
