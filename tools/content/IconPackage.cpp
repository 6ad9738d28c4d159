#include "content/IconPackage.h"

#include "content/SpeechSynthesizer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace content {

namespace {
// After a failed fetch, builds within this time do not try again (an offline machine would
// otherwise wait for npm on every build).
constexpr qint64 kRetryAfterSeconds = 15 * 60;
}  // namespace

QString TIconPackage::Folder() const
{
    return Cache + QStringLiteral("/fluent-emoji-flat-") + kIconPackageVersion;
}

QString TIconPackage::CachedIconsJson() const
{
    const QString json = Folder() + QStringLiteral("/package/icons.json");
    return QFileInfo::exists(json) ? json : QString();
}

QString TIconPackage::IconsJson(QString& Why) const
{
    const QString json = Folder() + QStringLiteral("/package/icons.json");
    if (QFileInfo::exists(json)) return json;

    const QString failedMark = Folder() + QStringLiteral(".failed");
    const QFileInfo mark(failedMark);
    if (mark.exists() && mark.lastModified().secsTo(QDateTime::currentDateTime()) < kRetryAfterSeconds) {
        Why = QStringLiteral("npm failed recently (remove %1 to try again now)").arg(failedMark);
        return {};
    }

    QDir().mkpath(Folder());
    QProcess npm;
    npm.setWorkingDirectory(Folder());
    // npm's own cache stays inside the build tree too.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("npm_config_cache"), Cache + QStringLiteral("/npm"));
    env.insert(QStringLiteral("npm_config_update_notifier"), QStringLiteral("false"));
    npm.setProcessEnvironment(env);
    npm.start(QStringLiteral("npm"),
              {QStringLiteral("pack"), kIconPackage + u'@' + kIconPackageVersion, QStringLiteral("--loglevel=error"),
               QStringLiteral("--fetch-retries=0"), QStringLiteral("--fetch-timeout=20000")});
    const bool ran = npm.waitForStarted() && npm.waitForFinished(60000) && npm.exitStatus() == QProcess::NormalExit &&
                     npm.exitCode() == 0;
    if (!ran) npm.kill();
    const QString tarball =
        Folder() + QStringLiteral("/iconify-json-fluent-emoji-flat-") + kIconPackageVersion + QStringLiteral(".tgz");
    QString error;
    if (!ran || !QFileInfo::exists(tarball) ||
        !RunTool(QStringLiteral("tar"),
                 {QStringLiteral("-xzf"), tarball, QStringLiteral("-C"), Folder(), QStringLiteral("package/icons.json"),
                  QStringLiteral("package/info.json")},
                 error) ||
        !QFileInfo::exists(json)) {
        Why = ran ? (error.isEmpty() ? QStringLiteral("the package could not be unpacked") : error)
                  : QStringLiteral("npm pack failed: ") +
                        QString::fromLocal8Bit(npm.readAllStandardError()).trimmed().section(u'\n', 0, 0);
        QFile f(failedMark);
        if (f.open(QIODevice::WriteOnly)) f.write(Why.toUtf8());
        return {};
    }
    QFile::remove(failedMark);
    return json;
}

}  // namespace content
