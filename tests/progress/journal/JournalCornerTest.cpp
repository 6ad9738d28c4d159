// The corner's "Журнал группы" against the throw-away cluster, as a grown-up sets it up once:
// "Проверить связь" told in one sentence, "Сохранить" joining the journal and asking about the
// answers kept before, the state in the status line, "Успехи" from the group's answers read off
// the window's thread (and what it says when they cannot be read), the group's table, and no
// password in any log. (Here rather than under tests/corner: one program starts the cluster once.)
#include "JournalWorld.h"
#include "app/JournalSettingsFile.h"
#include "core/AppContext.h"
#include "corner/CornerGate.h"
#include "corner/CornerJournal.h"
#include "corner/CornerProgress.h"
#include "corner/CornerScreen.h"
#include "corner/GrownUpsCorner.h"
#include "progress/ChildrenPanel.h"
#include "progress/PlayerChoice.h"
#include "progress/ProgressScreen.h"
#include "progress/WhoPlays.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <mutex>

#include <signal.h>
#include <sys/stat.h>

namespace {

// A computer with the corner over a window of its own, its settings in a file of its own.
struct TCornerComputer : TComputer {
    QTemporaryDir Config;
    TJournalSettingsFile File{Config.filePath(QStringLiteral("kvarnel.conf")), {}};
    TAppContext Context;
    QWidget Window;
    TGrownUpsCorner* Corner;

    explicit TCornerComputer(const QString& Name = {}) : TComputer(Name)
    {
        Context.Dialogs = &Dialogs;
        Window.resize(1107, 799);
        Corner = new TGrownUpsCorner(&Window, Context);
        Corner->SetUserFolder(Folder.filePath(QStringLiteral("kvarnel/")));
        Corner->SetProgressStore(Store.get());
        Corner->SetJournalFile(&File);
        Window.show();
    }
    void Enter()
    {
        Corner->Open();
        Corner->Gate()->AnswerEdit()->setText(QString::number(Corner->Gate()->Answer()));
        QTest::keyClick(Corner->Gate()->AnswerEdit(), Qt::Key_Return);
        ASSERT_TRUE(Corner->Screen()->isVisible());
        Press(QStringLiteral("TabButton:Успехи"));
    }
    void Press(const QString& Name)
    {
        auto* button = Corner->findChild<QPushButton*>(Name);
        ASSERT_TRUE(button) << Name.toStdString();
        button->click();
    }
    QLineEdit* Edit(const char* Name) { return Corner->findChild<QLineEdit*>(QLatin1String(Name)); }
    QString Text(const char* Name) { return Corner->findChild<QLabel*>(QLatin1String(Name))->text(); }
    void Type(const journaldb::TJournalSettings& Settings)
    {
        Edit("JournalHostEdit")->setText(Settings.Host);
        Edit("JournalPortEdit")->setText(QString::number(Settings.Port));
        Edit("JournalDatabaseEdit")->setText(Settings.Database);
        Edit("JournalUserEdit")->setText(Settings.User);
        Edit("JournalPasswordEdit")->setText(Settings.Password);
    }
    // "Проверить связь" and its sentence once the check has ended.
    QString Check()
    {
        Press(QStringLiteral("CheckJournalButton"));
        EXPECT_EQ(Text("JournalResultLabel"), QStringLiteral("Проверяю связь…")) << "told at once, answered later";
        WaitUntil([&] { return Text("JournalResultLabel") != QStringLiteral("Проверяю связь…"); }, 15000);
        return Text("JournalResultLabel");
    }
    TProgressScreen& Progress() { return *Corner->Children()->Progress(); }
};

// The server's processes (its postmaster and every process it started), stopped as a server that
// hangs would be, and running again when this goes.
struct THungServer {
    std::vector<pid_t> Pids;
    explicit THungServer(const QString& SocketFolder)
    {
        QFile pidFile(SocketFolder + QStringLiteral("/data/postmaster.pid"));
        if (!pidFile.open(QIODevice::ReadOnly)) return;
        const pid_t postmaster = static_cast<pid_t>(pidFile.readLine().trimmed().toLongLong());
        Pids.push_back(postmaster);
        for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
            if (!stat.open(QIODevice::ReadOnly)) continue;
            // pid (name) state ppid …: the name may hold spaces, the fields after its ')' do not.
            const QByteArray line = stat.readAll();
            const QList<QByteArray> after = line.mid(line.lastIndexOf(')') + 2).split(' ');
            if (after.size() > 1 && after[1].toLongLong() == postmaster) Pids.push_back(entry.toInt());
        }
        for (const pid_t pid : Pids) ::kill(pid, SIGSTOP);
    }
    void Resume()
    {
        for (const pid_t pid : Pids) ::kill(pid, SIGCONT);
        Pids.clear();
    }
    ~THungServer() { Resume(); }
};

// Everything the program logs while it runs (from any thread), to look for a password in.
struct TLogCapture {
    static QStringList& Lines()
    {
        static QStringList lines;
        return lines;
    }
    static std::mutex& Mutex()
    {
        static std::mutex mutex;
        return mutex;
    }
    QtMessageHandler Former;
    TLogCapture()
    {
        Former = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& Message) {
            std::lock_guard lock(Mutex());
            Lines() << Message;
        });
    }
    ~TLogCapture() { qInstallMessageHandler(Former); }
    QStringList Taken()
    {
        std::lock_guard lock(Mutex());
        return Lines();
    }
};

}  // namespace

TEST(JournalCorner, CheckTellsWhatHappenedInOneSentence)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("corner_check"));
    TCornerComputer computer;
    computer.Enter();
    auto wrongPassword = cluster.Settings(group);
    wrongPassword.Password = QStringLiteral("not-the-password");
    struct TCase {
        const char* What;
        journaldb::TJournalSettings Settings;
        const char* Sentence;
    } cases[] = {
        {"connected", cluster.Settings(group), "Связь есть: журнал группы готов."},
        {"wrong password", wrongPassword, "Сервер не принял пользователя или пароль."},
        {"missing database", cluster.Settings(QStringLiteral("no_such_group")), "На сервере нет такой базы."},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        computer.Type(c.Settings);
        EXPECT_EQ(computer.Check(), QString::fromUtf8(c.Sentence));
    }
    EXPECT_EQ(computer->JournalStatus().Outcome, TOutcome::joNotSet) << "a check joins nothing";
    EXPECT_FALSE(QFile::exists(computer.File.UserFile())) << "nor saves anything";
}

// Saving joins the journal at once; answers kept before wait for the grown-up's yes.
class JournalConsent : public ::testing::TestWithParam<bool> {};

TEST_P(JournalConsent, EarlierAnswersGoOnlyAfterAYes)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const bool yes = GetParam();
    const QString group = FreshJournal(yes ? QStringLiteral("corner_consent_yes") : QStringLiteral("corner_consent_no"));
    TCornerComputer computer;
    const qint64 masha = computer.AddChild(QStringLiteral("Маша"));
    computer.Keep(masha, 10);
    computer.Enter();
    EXPECT_TRUE(computer.Dialogs.Calls.empty()) << "no journal, no question";
    computer.Type(cluster.Settings(group));
    computer.Dialogs.YesNoAnswer = yes;
    computer.Press(QStringLiteral("SaveJournalButton"));
    ASSERT_EQ(computer.Dialogs.Calls.size(), 1u);
    EXPECT_EQ(computer.Dialogs.Calls[0].Text, QStringLiteral("Отправить прежние ответы в журнал группы?"));
    EXPECT_EQ(computer->JournalConsent(), yes ? TJournalConsent::jcYes : TJournalConsent::jcNo);
    EXPECT_TRUE(computer.Edit("JournalPasswordEdit")->text().isEmpty()) << "a password is never shown back";
    EXPECT_EQ(computer.Edit("JournalPasswordEdit")->placeholderText(), QStringLiteral("сохранён"));

    computer.Keep(masha, 3);
    ASSERT_TRUE(computer.WaitSent());
    EXPECT_EQ(JournalCount(group, QStringLiteral("SELECT COUNT(*) FROM kvarnel.answers")), yes ? 13 : 3);
    // The status line follows the journal while the corner is open.
    EXPECT_TRUE(WaitUntil(
        [&] {
            return computer.Text("CornerJournalStateLabel") == QStringLiteral("Журнал группы: связь есть, всё отправлено.");
        },
        5000))
        << qPrintable(computer.Text("CornerJournalStateLabel"));

    // Asked once: opening the corner again asks nothing more.
    computer.Corner->Close();
    computer.Enter();
    QCoreApplication::processEvents();
    EXPECT_EQ(computer.Dialogs.Calls.size(), 1u);
    // What was saved is what a next start reads.
    const journaldb::TJournalSettings saved = computer.File.Read();
    EXPECT_EQ(saved.Database, group);
    EXPECT_EQ(saved.Password, TPostgresCluster::SuperPassword());
    EXPECT_EQ(computer.Edit("JournalDatabaseEdit")->text(), group);
}

INSTANTIATE_TEST_SUITE_P(Answer, JournalConsent, ::testing::Values(true, false),
                         [](const auto& Info) { return Info.param ? "Yes" : "No"; });

// A journal that does not answer: the corner says so in one sentence, "Успехи" says it shows this
// computer alone, and the answers wait.
TEST(JournalCorner, UnreachableJournalIsOneSentenceAndLocalProgress)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    TCornerComputer computer;
    const qint64 masha = computer.AddChild(QStringLiteral("Маша"));
    computer.Store->SetJournalConsent(true);
    auto nowhere = cluster.Settings(QStringLiteral("any"));
    nowhere.Host = QStringLiteral("/tmp/kvpg-no-server-here");
    computer.Enter();
    computer.Type(nowhere);
    computer.Press(QStringLiteral("SaveJournalButton"));
    computer.Keep(masha, 3);
    ASSERT_TRUE(computer.WaitOutcome(TOutcome::joServerNotFound));
    EXPECT_TRUE(WaitUntil(
        [&] {
            return computer.Text("CornerJournalStateLabel") ==
                   QStringLiteral("Журнал группы: сервер не найден или не отвечает; ответов ждут отправки: 3.");
        },
        5000))
        << qPrintable(computer.Text("CornerJournalStateLabel"));
    computer.Corner->Children()->Refresh();
    EXPECT_FALSE(computer.Progress().Reading()) << "nothing to wait for";
    EXPECT_EQ(computer.Text("ProgressNoteLabel"), TProgressStore::OnlyThisComputerNote());
    EXPECT_EQ(computer.Progress().Summary().State(TMasteryKind::mkNames, QStringLiteral("б")), TMastery::msLearning);
}

// "Успехи" on one computer shows what the child did on another, read off the window's thread; a
// server that stops answering mid-way leaves the window free and says so.
TEST(JournalCorner, ProgressShowsTheGroupsAnswersWithoutHoldingTheWindow)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("corner_progress"));
    TComputer a(QStringLiteral("class-a"));
    a->UseJournal(cluster.Settings(group), QuickRetries());
    a.Keep(a.AddChild(QStringLiteral("Маша")), 12, QStringLiteral("ш"));
    ASSERT_TRUE(a.WaitSent());

    TCornerComputer b(QStringLiteral("class-b"));
    b->UseJournal(cluster.Settings(group), QuickRetries());
    ASSERT_TRUE(WaitUntil([&] { return b.ChildNamed(QStringLiteral("Маша")) != 0; }));
    ASSERT_TRUE(b.WaitSent());
    b.Enter();
    b.Corner->Children()->Choose(b.ChildNamed(QStringLiteral("Маша")));
    EXPECT_TRUE(b.Progress().Reading());
    EXPECT_EQ(b.Text("ProgressNoteLabel"), QStringLiteral("Читаю журнал группы…"));
    ASSERT_TRUE(WaitUntil([&] { return !b.Progress().Reading(); }, 10000));
    EXPECT_EQ(b.Progress().Summary().State(TMasteryKind::mkNames, QStringLiteral("ш")), TMastery::msKnows);
    EXPECT_FALSE(b.Text("ProgressNoteLabel").contains(TProgressStore::OnlyThisComputerNote()));

    // The group's table, saved on the computer where the child never played.
    b.Dialogs.FileToSave = b.Folder.filePath(QStringLiteral("table.csv"));
    b.Corner->Children()->Progress()->OnSaveTable();
    ASSERT_TRUE(WaitUntil([&] { return b.Text("CornerStatusLabel").startsWith(QStringLiteral("Таблица сохранена")); }));
    EXPECT_EQ(b.Text("CornerStatusLabel"), QStringLiteral("Таблица сохранена: ") + b.Dialogs.FileToSave);
    QFile table(b.Dialogs.FileToSave);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_EQ(table.readAll().count("\r\n"), 13) << "the header and the other computer's 12 answers";

    // A server that hangs (every process of it stopped): the refresh returns at once with this
    // computer's answers while the window goes on, and the group's follow once it answers again.
    THungServer hung(cluster.SocketFolder());
    ASSERT_GT(hung.Pids.size(), 1u);
    b.Corner->Children()->Refresh();
    EXPECT_TRUE(b.Progress().Reading());
    EXPECT_EQ(b.Progress().Summary().State(TMasteryKind::mkNames, QStringLiteral("ш")), TMastery::msUnmet)
        << "this computer's own answers at once";
    QTest::qWait(300);
    EXPECT_TRUE(b.Progress().Reading()) << "the journal has not answered";
    hung.Resume();
    ASSERT_TRUE(WaitUntil([&] { return !b.Progress().Reading(); }, 10000));
    EXPECT_EQ(b.Progress().Summary().State(TMasteryKind::mkNames, QStringLiteral("ш")), TMastery::msKnows);

    // The server restarted: the reading thread's connection from before fails once, is made anew,
    // and the group's summary still comes.
    ASSERT_TRUE(cluster.Stop());
    ASSERT_TRUE(cluster.Start());
    b.Keep(b.ChildNamed(QStringLiteral("Маша")), 1, QStringLiteral("щ"));
    ASSERT_TRUE(b.WaitSent());
    b.Corner->Children()->Refresh();
    ASSERT_TRUE(WaitUntil([&] { return !b.Progress().Reading(); }, 10000));
    EXPECT_EQ(b.Text("ProgressNoteLabel"), QString());
    EXPECT_EQ(b.Progress().Summary().State(TMasteryKind::mkNames, QStringLiteral("ш")), TMastery::msKnows);
}

// A computer's first start in a journal: its file holds none of the group's children when who plays
// is settled at the start; "Кто играет?" is asked once the journal's first reading has brought them,
// but not over the open corner, whose closing asks.
TEST(JournalCorner, FirstStartInAJournalAsksWhoPlaysOnceTheGroupsChildrenCame)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("first_start"));
    TComputer a;
    a->UseJournal(cluster.Settings(group), QuickRetries());
    a.AddChild(QStringLiteral("Маша"));
    a.AddChild(QStringLiteral("Петя"));
    ASSERT_TRUE(a.WaitSent());

    for (const bool cornerOpen : {false, true}) {
        TComputer b;
        QWidget window;
        window.resize(1107, 799);
        auto* ribbon = new QWidget(&window);
        auto* players = new TPlayerChoice(window, *ribbon, *b.Store, [](const QString&) { return QImage(); });
        players->MayAsk = [cornerOpen] { return !cornerOpen; };
        window.show();
        players->AskWhenNeeded();
        EXPECT_EQ(players->Question(), nullptr) << "no children here yet";
        b->UseJournal(cluster.Settings(group), QuickRetries());
        ASSERT_TRUE(WaitUntil([&] { return b->JournalStatus().Outcome == journaldb::TOutcome::joConnected; }, 15000));
        WaitUntil([&] { return players->Question() != nullptr; }, 3000);
        if (cornerOpen) {
            EXPECT_EQ(players->Question(), nullptr) << "asked over the open corner";
        } else {
            ASSERT_NE(players->Question(), nullptr) << "not asked once the group's children came";
            EXPECT_EQ(players->Question()->Tiles().size(), 2u);
        }
    }
}

TEST(JournalCorner, NoPasswordInAnyLog)
{
    TPostgresCluster& cluster = SharedCluster();
    KV_REQUIRE_POSTGRES(cluster);
    const QString group = FreshJournal(QStringLiteral("corner_no_log"));
    TLogCapture log;
    TCornerComputer computer;
    computer.Enter();
    auto settings = cluster.Settings(group);
    settings.Password = QStringLiteral("Pa55-not-this-one");
    computer.Type(settings);
    EXPECT_EQ(computer.Check(), QStringLiteral("Сервер не принял пользователя или пароль."));
    computer.Type(settings);
    computer.Press(QStringLiteral("SaveJournalButton"));
    ASSERT_TRUE(computer.WaitOutcome(TOutcome::joWrongPassword));
    const QStringList lines = log.Taken();
    EXPECT_FALSE(lines.isEmpty()) << "the refusal is logged";
    for (const QString& line : lines) EXPECT_FALSE(line.contains(settings.Password)) << qPrintable(line);
    for (const QLabel* label : computer.Corner->findChildren<QLabel*>())
        EXPECT_FALSE(label->text().contains(settings.Password));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(computer.File.UserFile()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u) << "the file holding the password is its owner's alone";
}
