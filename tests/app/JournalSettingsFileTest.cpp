// The group journal's settings as kvarnel.conf holds them: an administrator's system-wide file for
// every user of the computer, the user's own file winning key by key, a password saved into the
// user's file readable by its owner alone, and the rest of the file left as it was.
#include "app/JournalSettingsFile.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

journaldb::TJournalSettings Expected(const char* Host = "", int Port = 5432, const char* Database = "",
                                     const char* User = "", const char* Password = "", const char* SslMode = "",
                                     const char* SslRootCert = "")
{
    journaldb::TJournalSettings settings;
    settings.Host = QString::fromUtf8(Host);
    settings.Port = Port;
    settings.Database = QString::fromUtf8(Database);
    settings.User = QString::fromUtf8(User);
    settings.Password = QString::fromUtf8(Password);
    settings.SslMode = QString::fromUtf8(SslMode);
    settings.SslRootCert = QString::fromUtf8(SslRootCert);
    return settings;
}

struct JournalSettingsFile : ::testing::Test {
    QTemporaryDir Dir;
    QString User = Dir.filePath(QStringLiteral("home/kvarnel/kvarnel.conf"));
    QString Room = Dir.filePath(QStringLiteral("etc/xdg/kvarnel/kvarnel.conf"));
    QString Site = Dir.filePath(QStringLiteral("usr/etc/xdg/kvarnel/kvarnel.conf"));

    static void Write(const QString& Path, const QByteArray& Text)
    {
        QDir().mkpath(QFileInfo(Path).absolutePath());
        QFile file(Path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Text);
    }
    TJournalSettingsFile File() { return TJournalSettingsFile(User, {Room, Site}); }
    int Mode(const QString& Path)
    {
        struct stat info {};
        return ::stat(QFile::encodeName(Path).constData(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
    }
};

TEST_F(JournalSettingsFile, TheUsersKeysWinOverTheSystemWideOnes)
{
    struct TCase {
        const char* What;
        QByteArray User, Room, Site;
        journaldb::TJournalSettings Want;
    } cases[] = {
        {"nothing anywhere", {}, {}, {}, Expected()},
        {"the room's file alone",
         {},
         "[journal]\nhost=db.school\nport=6432\ndatabase=group_3\nuser=group_3\npassword=\"room pass "
         "\"\nsslmode=verify-full\n"
         "sslrootcert=/etc/ssl/school.pem\n",
         {},
         Expected("db.school", 6432, "group_3", "group_3", "room pass ", "verify-full", "/etc/ssl/school.pem")},
        {"the user's own database and password over the room's server",
         "[journal]\ndatabase=group_4\npassword=mine\n",
         "[journal]\nhost=db.school\ndatabase=group_3\nuser=teacher\npassword=room\n",
         {},
         Expected("db.school", 5432, "group_4", "teacher", "mine")},
        {"an empty key of the user's wins too (the user left the journal)",
         "[journal]\nhost=\ndatabase=\n",
         "[journal]\nhost=db.school\ndatabase=group_3\n",
         {},
         Expected()},
        {"the first system folder over the next",
         {},
         "[journal]\nhost=room\n",
         "[journal]\nhost=site\nport=99999\ndatabase=site_db\n",
         Expected("room", 5432, "site_db")},
        {"other sections and keys are not the journal's",
         "kiosk=true\nhost=elsewhere\n[other]\ndatabase=x\n",
         {},
         {},
         Expected()},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        for (const auto& [path, text] : {std::pair{User, c.User}, {Room, c.Room}, {Site, c.Site}}) {
            QFile::remove(path);
            if (!text.isEmpty()) Write(path, text);
        }
        const journaldb::TJournalSettings read = File().Read();
        EXPECT_EQ(read.Host, c.Want.Host);
        EXPECT_EQ(read.Port, c.Want.Port);
        EXPECT_EQ(read.Database, c.Want.Database);
        EXPECT_EQ(read.User, c.Want.User);
        EXPECT_EQ(read.Password, c.Want.Password);
        EXPECT_EQ(read.SslMode, c.Want.SslMode);
        EXPECT_EQ(read.SslRootCert, c.Want.SslRootCert);
        EXPECT_EQ(IsJournalSetUp(read), !c.Want.Host.isEmpty() || !c.Want.Database.isEmpty());
    }
}

TEST_F(JournalSettingsFile, APasswordGoesIntoTheUsersFileForItsOwnerAlone)
{
    Write(User, "voice=male\nvolume=40\n");
    Write(Room, "[journal]\nhost=db.school\nsslmode=require\n");
    TJournalSettingsFile file = File();
    journaldb::TJournalSettings settings = file.Read();
    settings.Database = QStringLiteral("group_3");
    settings.User = QStringLiteral("teacher");
    settings.Password = QStringLiteral("s3cret");

    // Without a new password nothing secret is written, and the file stays as it was made.
    const int before = Mode(User);
    EXPECT_EQ(file.Save(settings, false), QString());
    EXPECT_EQ(Mode(User), before);
    EXPECT_EQ(file.Read().Password, QString());

    EXPECT_EQ(file.Save(settings, true), QString());
    EXPECT_EQ(Mode(User), 0600);
    const journaldb::TJournalSettings saved = file.Read();
    EXPECT_EQ(saved.Password, QStringLiteral("s3cret"));
    EXPECT_EQ(saved.Database, QStringLiteral("group_3"));
    EXPECT_EQ(saved.SslMode, QStringLiteral("require")) << "the room's TLS stays the room's";
    QSettings user(User, QSettings::IniFormat);
    EXPECT_EQ(user.value(QStringLiteral("voice")).toString(), QStringLiteral("male")) << "the rest of the file is kept";
    EXPECT_FALSE(user.contains(QStringLiteral("journal/sslmode")));
    QFile room(Room);
    ASSERT_TRUE(room.open(QIODevice::ReadOnly));
    EXPECT_FALSE(room.readAll().contains("s3cret")) << "nothing goes into the system-wide file";

    // A later save of other choices keeps the file its owner's alone.
    QSettings choices(User, QSettings::IniFormat);
    choices.setValue(QStringLiteral("volume"), 70);
    choices.sync();
    EXPECT_EQ(Mode(User), 0600);

    // A file that does not exist yet is made its owner's before the password is in it.
    QFile::remove(User);
    EXPECT_EQ(file.Save(settings, true), QString());
    EXPECT_EQ(Mode(User), 0600);
}

TEST_F(JournalSettingsFile, AFileThatCannotBeWrittenIsOneSentence)
{
    Write(Dir.filePath(QStringLiteral("home")), "a file where the folder should be");
    TJournalSettingsFile file(Dir.filePath(QStringLiteral("home/kvarnel/kvarnel.conf")), {});
    journaldb::TJournalSettings settings;
    settings.Host = QStringLiteral("db.school");
    EXPECT_EQ(file.Save(settings, true), QStringLiteral("Не удалось сохранить настройки журнала в «%1».")
                                             .arg(Dir.filePath(QStringLiteral("home/kvarnel/kvarnel.conf"))));
}

}  // namespace
