#pragma once
// What the tests and benchmarks that start the program itself as a child process share.
#include "core/ContentLayout.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// The program's environment for a run with no display or sound device, its settings, data and
// cache in Home, so that nothing of the user's is read or written.
inline QProcessEnvironment HeadlessIn(const QTemporaryDir& Home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert("XDG_CONFIG_HOME", Home.filePath("config"));
    env.insert("XDG_DATA_HOME", Home.filePath("data"));
    env.insert("XDG_CACHE_HOME", Home.filePath("cache"));
    return env;
}

// Whether the process has a handler of its own for Signal (its SigCgt mask in /proc): the
// program catches SIGTERM once its window and loader are on their way.
inline bool Catches(qint64 Pid, int Signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(Pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:")) return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (Signal - 1)) & 1;
    return false;
}

// Makes Root a content root whose 33 letter pictures are big photos (4000 × 3000): loading them
// takes seconds. False when they could not be written.
inline bool WriteBigLetterPictures(const QString& Root)
{
    const QString folder = Root + "/" + content::layout::kLetterPictures;
    QDir().mkpath(folder);
    QImage photo(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) line[x] = qRgb(x * 7 + y, (x ^ y) & 0xff, (x * y) >> 9);
    }
    const QString first = folder + "first.jpg";
    if (!photo.save(first, "JPEG", 90)) return false;
    bool written = true;
    for (QChar letter : content::kSmallLetters) written = QFile::copy(first, folder + letter + ".jpg") && written;
    QFile::remove(first);
    return written;
}
