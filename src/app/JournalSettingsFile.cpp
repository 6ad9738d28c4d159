#include "app/JournalSettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <memory>
#include <vector>

namespace {

const QString kHost = QStringLiteral("journal/host");
const QString kPort = QStringLiteral("journal/port");
const QString kDatabase = QStringLiteral("journal/database");
const QString kUser = QStringLiteral("journal/user");
const QString kPassword = QStringLiteral("journal/password");
const QString kSslMode = QStringLiteral("journal/sslmode");
const QString kSslRootCert = QStringLiteral("journal/sslrootcert");

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;

// The file exists and only its owner may read it, before a password goes in: the settings are
// written through a temporary file that takes the permissions of the file it replaces.
bool MakeOwnerOnly(const QString& Path)
{
    if (!QFileInfo::exists(Path)) {
        if (!QDir().mkpath(QFileInfo(Path).absolutePath())) return false;
        QFile file(Path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
    }
    return QFile::setPermissions(Path, kOwnerOnly);
}

}  // namespace

TJournalSettingsFile::TJournalSettingsFile(const QString& UserFile, const QStringList& SystemFiles)
    : FUserFile(UserFile), FSystemFiles(SystemFiles)
{}

QStringList TJournalSettingsFile::SystemFiles()
{
    QStringList files;
    // The first of the generic configuration folders is the user's own.
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation).mid(1))
        files << QDir(folder).filePath(QStringLiteral("kvarnel/kvarnel.conf"));
    return files;
}

journaldb::TJournalSettings TJournalSettingsFile::Read()
{
    QSettings user(FUserFile, QSettings::IniFormat);
    std::vector<std::unique_ptr<QSettings>> system;
    for (const QString& path : FSystemFiles)
        if (QFileInfo::exists(path)) system.push_back(std::make_unique<QSettings>(path, QSettings::IniFormat));
    const auto raw = [&](const QString& Key) {
        if (user.contains(Key)) return user.value(Key).toString();
        for (const auto& file : system)
            if (file->contains(Key)) return file->value(Key).toString();
        return QString();
    };
    const auto value = [&](const QString& Key) { return raw(Key).trimmed(); };
    journaldb::TJournalSettings settings;
    settings.Host = value(kHost);
    bool ok = false;
    const int port = value(kPort).toInt(&ok);
    if (ok && port > 0 && port <= 65535) settings.Port = port;
    settings.Database = value(kDatabase);
    settings.User = value(kUser);
    settings.Password = raw(kPassword);  // a password may begin or end with a space
    settings.SslMode = value(kSslMode);
    settings.SslRootCert = value(kSslRootCert);
    return settings;
}

QString TJournalSettingsFile::Save(const journaldb::TJournalSettings& Settings, bool WithPassword)
{
    const QString refusal =
        QStringLiteral("Не удалось сохранить настройки журнала в «%1».").arg(QDir::toNativeSeparators(FUserFile));
    QSettings user(FUserFile, QSettings::IniFormat);
    if ((WithPassword || user.contains(kPassword)) && !MakeOwnerOnly(FUserFile)) return refusal;
    user.setValue(kHost, Settings.Host);
    user.setValue(kPort, Settings.Port);
    user.setValue(kDatabase, Settings.Database);
    user.setValue(kUser, Settings.User);
    if (WithPassword) user.setValue(kPassword, Settings.Password);
    user.sync();
    return user.status() == QSettings::NoError ? QString() : refusal;
}
