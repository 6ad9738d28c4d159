#pragma once
// A throw-away program folder with a sound tree, for the speech tests, and the committed test sounds.
#include "core/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

inline QString TestSound(const char* Name)
{
    return QStringLiteral(KV_SOUND_TEST_DATA "/") + QString::fromUtf8(Name);
}

class TSoundTree {
public:
    TSoundTree() : Settings(TSettings::ForProgramFolder(FDir.path() + QLatin1Char('/'))) {}

private:
    QTemporaryDir FDir;  // made before Settings, which names it

public:
    TSettings Settings;

    // The full path of Relative under the sound folder (voice folder included by the caller).
    QString Path(const QString& Relative) const { return Settings.SoundRoot + Relative; }

    // Creates the file Relative under the sound folder, its folders too, as a copy of Source or
    // with Bytes as its content; returns its full path.
    QString Put(const QString& Relative, const QString& Source = QString(), const QByteArray& Bytes = "x")
    {
        const QString path = Path(Relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile::remove(path);
        if (!Source.isEmpty()) {
            QFile::copy(Source, path);
        } else {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(Bytes);
        }
        return path;
    }
    void MakeFolder(const QString& Relative) { QDir().mkpath(Path(Relative)); }
};
