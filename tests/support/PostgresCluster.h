#pragma once
// A throw-away PostgreSQL cluster for the tests and benchmarks of the group's journal: Debian's
// postgresql-15 (initdb and pg_ctl, run as the "postgres" user when we are root), in a short
// folder under /tmp (a Unix socket path stays under 108 bytes), on its own socket and on
// 127.0.0.1 at a free port, never the system's own cluster. Its superuser is "kvsuper".
// KV_REQUIRE_POSTGRES skips a test visibly when the server or Qt's driver is missing, and fails it
// under ./test.sh and CI (KV_NEED_POSTGRES=1).
#include "platform/storage/JournalDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

#define KV_REQUIRE_POSTGRES(Cluster)                                                           \
    do {                                                                                       \
        const QString kvWhy = (Cluster).Problem();                                             \
        if (!kvWhy.isEmpty()) {                                                                \
            if (qEnvironmentVariableIntValue("KV_NEED_POSTGRES")) FAIL() << qPrintable(kvWhy); \
            GTEST_SKIP() << qPrintable(kvWhy);                                                 \
        }                                                                                      \
    } while (0)

class TPostgresCluster {
public:
    static QString BinFolder() { return QStringLiteral("/usr/lib/postgresql/15/bin"); }
    static QString SuperUser() { return QStringLiteral("kvsuper"); }
    static QString SuperPassword() { return QStringLiteral("kv-super-secret"); }

    TPostgresCluster() = default;
    ~TPostgresCluster() { Remove(); }
    TPostgresCluster(const TPostgresCluster&) = delete;
    TPostgresCluster& operator=(const TPostgresCluster&) = delete;

    // Empty when a cluster runs, else why not (the first call starts it).
    QString Problem()
    {
        if (!FStarted && FProblem.isEmpty()) FProblem = StartCluster();
        return FProblem;
    }
    QString SocketFolder() const { return FFolder; }
    int Port() const { return FPort; }

    // Settings for Database as User (the superuser unless given), by the socket or over TCP.
    journaldb::TJournalSettings Settings(const QString& Database, bool Tcp = false, const QString& User = {},
                                         const QString& Password = {}) const
    {
        journaldb::TJournalSettings settings;
        settings.Host = Tcp ? QStringLiteral("127.0.0.1") : FFolder;
        settings.Port = FPort;
        settings.Database = Database;
        settings.User = User.isEmpty() ? SuperUser() : User;
        settings.Password = User.isEmpty() ? SuperPassword() : Password;
        settings.ConnectTimeoutSeconds = 2;
        settings.StatementTimeoutMs = 3000;
        return settings;
    }

    // Runs Sql as the superuser in Database; the first row's first value (invalid on failure).
    QVariant Query(const QString& Database, const QString& Sql, QString* Error = nullptr)
    {
        const QString name = QStringLiteral("kv-cluster-admin");
        QVariant result;
        {
            QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                           : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            db.setHostName(FFolder);
            db.setPort(FPort);
            db.setDatabaseName(Database);
            db.setUserName(SuperUser());
            db.setPassword(SuperPassword());
            if (!db.open()) {
                if (Error) *Error = db.lastError().text();
            } else {
                QSqlQuery query(db);
                if (!query.exec(Sql)) {
                    if (Error) *Error = query.lastError().text();
                } else {
                    result = query.next() ? query.value(0) : QVariant(true);
                }
                query.finish();
                db.close();
            }
        }
        QSqlDatabase::removeDatabase(name);
        return result;
    }
    bool Exec(const QString& Database, const QString& Sql, QString* Error = nullptr)
    {
        return Query(Database, Sql, Error).isValid();
    }
    qint64 Count(const QString& Database, const QString& Sql) { return Query(Database, Sql).toLongLong(); }
    bool CreateDatabase(const QString& Name)
    {
        return Exec(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE \"%1\"").arg(Name));
    }
    // A script run the way an administrator would: psql, stopping at the first error.
    bool RunScript(const QString& Database, const QString& Path, QString* Output = nullptr)
    {
        QProcess psql;
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PGPASSWORD"), SuperPassword());
        psql.setProcessEnvironment(env);
        psql.setProcessChannelMode(QProcess::MergedChannels);
        psql.start(BinFolder() + QStringLiteral("/psql"),
                   {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                    QStringLiteral("-h"), FFolder, QStringLiteral("-p"), QString::number(FPort), QStringLiteral("-U"),
                    SuperUser(), QStringLiteral("-d"), Database, QStringLiteral("-f"), Path});
        const bool done = psql.waitForFinished(60000) && psql.exitStatus() == QProcess::NormalExit && psql.exitCode() == 0;
        if (Output) *Output = QString::fromUtf8(psql.readAll());
        return done;
    }

    // Stops the server at once (as a pulled plug would), or starts it again on the same folder and port.
    bool Stop() { return PgCtl({QStringLiteral("stop"), QStringLiteral("-m"), QStringLiteral("immediate")}); }
    bool Start() { return PgCtl(StartArguments()); }

private:
    QString StartCluster()
    {
        if (!QFile::exists(BinFolder() + QStringLiteral("/initdb")))
            return QStringLiteral("PostgreSQL 15's server is not installed (package postgresql-15)");
        if (!TJournalDatabase::DriverAvailable())
            return QStringLiteral("Qt's PostgreSQL driver is not installed (package libqt6sql6-psql)");
        // GSS encryption is tried first where Kerberos is set up; these servers have none.
        qputenv("PGGSSENCMODE", "disable");
        EndLeftovers();
        char folder[] = "/tmp/kvpg-XXXXXX";
        if (!::mkdtemp(folder)) return QStringLiteral("cannot make a folder under /tmp");
        FFolder = QString::fromLocal8Bit(folder);
        WriteFile(FFolder + QStringLiteral("/owner"), QByteArray::number(::getpid()));
        WriteFile(FFolder + QStringLiteral("/pw"), SuperPassword().toUtf8() + '\n');
        if (::geteuid() == 0) {
            const passwd* postgres = ::getpwnam("postgres");
            if (!postgres) return QStringLiteral("no user \"postgres\" to run the server as");
            for (const QString& path : {FFolder, FFolder + QStringLiteral("/pw")})
                if (::chown(path.toLocal8Bit().constData(), postgres->pw_uid, postgres->pw_gid) != 0)
                    return QStringLiteral("cannot give %1 to the postgres user").arg(path);
        }
        FPort = FreePort();
        QString output;
        if (!Run(QStringLiteral("initdb"),
                 {QStringLiteral("-D"), DataFolder(), QStringLiteral("-U"), SuperUser(), QStringLiteral("-E"),
                  QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8"), QStringLiteral("--auth=scram-sha-256"),
                  QStringLiteral("--pwfile=") + FFolder + QStringLiteral("/pw"), QStringLiteral("--no-sync")},
                 &output))
            return QStringLiteral("initdb failed: ") + output;
        if (!Start()) return QStringLiteral("the server did not start: ") + Log();
        FStarted = true;
        return {};
    }

    QStringList StartArguments() const
    {
        return {QStringLiteral("start"),
                QStringLiteral("-w"),
                QStringLiteral("-l"),
                FFolder + QStringLiteral("/log"),
                QStringLiteral("-o"),
                QStringLiteral("-k %1 -p %2 -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=150")
                    .arg(FFolder)
                    .arg(FPort)};
    }

    QString DataFolder() const { return FFolder + QStringLiteral("/data"); }
    QString Log() const
    {
        QFile log(FFolder + QStringLiteral("/log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll().right(2000)) : QString();
    }

    bool PgCtl(const QStringList& Arguments)
    {
        return Run(QStringLiteral("pg_ctl"), Arguments + QStringList{QStringLiteral("-D"), DataFolder()});
    }

    // A server program, as the postgres user when we are root (the server refuses to run as root).
    bool Run(const QString& Program, const QStringList& Arguments, QString* Output = nullptr) const
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setWorkingDirectory(FFolder);
        const QString program = BinFolder() + u'/' + Program;
        if (::geteuid() == 0)
            process.start(
                QStringLiteral("runuser"),
                QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), program} + Arguments);
        else
            process.start(program, Arguments);
        const bool done =
            process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        if (Output) *Output = QString::fromUtf8(process.readAll());
        return done;
    }

    static void WriteFile(const QString& Path, const QByteArray& Bytes)
    {
        QFile file(Path);
        if (file.open(QIODevice::WriteOnly)) file.write(Bytes);
    }

    static qint64 PostmasterPid(const QString& Folder)
    {
        QFile pidFile(Folder + QStringLiteral("/data/postmaster.pid"));
        return pidFile.open(QIODevice::ReadOnly) ? pidFile.readLine().trimmed().toLongLong() : 0;
    }

    // Clusters of earlier runs whose test program died without stopping them: ended by their pid file.
    static void EndLeftovers()
    {
        for (const QString& name : QDir(QStringLiteral("/tmp")).entryList({QStringLiteral("kvpg-*")}, QDir::Dirs)) {
            const QString folder = QStringLiteral("/tmp/") + name;
            QFile owner(folder + QStringLiteral("/owner"));
            if (!owner.open(QIODevice::ReadOnly)) continue;
            const qint64 pid = owner.readAll().trimmed().toLongLong();
            if (pid <= 0 || ::kill(static_cast<pid_t>(pid), 0) == 0) continue;  // its owner still runs
            if (const qint64 server = PostmasterPid(folder); server > 0) ::kill(static_cast<pid_t>(server), SIGKILL);
            QDir(folder).removeRecursively();
        }
    }

    static int FreePort()
    {
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof(address);
        int port = 54329;
        if (s >= 0 && ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
            ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port = ntohs(address.sin_port);
        if (s >= 0) ::close(s);
        return port;
    }

    void Remove()
    {
        if (FFolder.isEmpty()) return;
        if (!Stop())
            if (const qint64 server = PostmasterPid(FFolder); server > 0) ::kill(static_cast<pid_t>(server), SIGKILL);
        QDir(FFolder).removeRecursively();
        FFolder.clear();
    }

    QString FFolder;
    int FPort = 0;
    bool FStarted = false;
    QString FProblem;
};

// One cluster per test program, started by the first test that asks; the tests take databases of their own.
inline TPostgresCluster& SharedCluster()
{
    static TPostgresCluster cluster;
    return cluster;
}
