// The heavy libraries come with their first use, not with the program's start: SDL2 (and what it
// pulls in, LAME among it on Debian) once the first frame is up and the sound starts; OpenCV with
// the grown-ups' corner's module, once a colouring page is made. The program links none of them,
// so `kvarnel --version` maps none either.
#include "support/ChildProgram.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

namespace {

// The libraries named at each step of the probe's run, by step.
std::map<QString, QStringList> ProbeSteps(QString& Output)
{
    QTemporaryDir home;
    QProcess probe;
    probe.setProcessEnvironment(HeadlessIn(home));
    probe.start(QStringLiteral(KV_LIBRARIES_PROBE), {QStringLiteral("--window")});
    EXPECT_TRUE(probe.waitForFinished(120000));
    Output = QString::fromLocal8Bit(probe.readAllStandardOutput());
    EXPECT_EQ(probe.exitCode(), 0) << Output.toStdString() << probe.readAllStandardError().toStdString();
    std::map<QString, QStringList> steps;
    for (const QString& line : Output.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        if (colon > 0) steps[line.left(colon)] = line.mid(colon + 2).split(u' ', Qt::SkipEmptyParts);
    }
    return steps;
}

bool Maps(const QStringList& Libraries, const char* Prefix)
{
    for (const QString& library : Libraries)
        if (library.startsWith(QLatin1String(Prefix))) return true;
    return false;
}

TEST(LibrariesOnDemand, SdlComesWithTheSoundAndOpenCvWithTheFirstColouringPage)
{
    QString output;
    const auto steps = ProbeSteps(output);
    const auto at = [&](const char* Step) {
        const auto found = steps.find(QLatin1String(Step));
        return found == steps.end() ? QStringList() : found->second;
    };
    const QStringList built = at("window built"), playing = at("sound started, games playable"),
                      games = at("every game opened"), door = at("the corner's door passed"),
                      page = at("a colouring page made");
    ASSERT_FALSE(page.isEmpty()) << "the probe did not reach the colouring page:\n" << output.toStdString();
    ASSERT_TRUE(Maps(built, "libQt6Widgets")) << "the maps were read";

    // Before the first frame: none of the sound's or the corner's libraries.
    for (const char* library : {"libSDL2", "libpulse", "libsndfile", "libmp3lame", "libopencv", "libkvarnel-corner"})
        EXPECT_FALSE(Maps(built, library)) << library << " mapped before the first frame";

    // The sound is on: SDL and what it pulls in. LAME comes only through it (PulseAudio's
    // libsndfile links it on Debian 12), never by itself.
    EXPECT_TRUE(Maps(playing, "libSDL2"));
    if (Maps(playing, "libmp3lame")) {
        EXPECT_TRUE(Maps(playing, "libsndfile")) << "LAME came without SDL's chain";
    }

    // Every game and the corner's door: still no OpenCV, no module.
    for (const QStringList* step : {&playing, &games, &door}) {
        EXPECT_FALSE(Maps(*step, "libopencv"));
        EXPECT_FALSE(Maps(*step, "libkvarnel-corner"));
    }

    // The first page: the module, with OpenCV and LAME.
    for (const char* library : {"libkvarnel-corner", "libopencv_core", "libopencv_imgproc", "libmp3lame"})
        EXPECT_TRUE(Maps(page, library)) << library << " after the first page";
}

TEST(LibrariesOnDemand, TheProgramLinksNeitherSdlNorOpenCvNorLame)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral(KV_PROGRAM)});
    ASSERT_TRUE(readelf.waitForFinished(30000));
    const QString dynamic = QString::fromLocal8Bit(readelf.readAllStandardOutput());
    ASSERT_TRUE(dynamic.contains(QStringLiteral("libQt6Core"))) << "readelf read the program";
    static const QRegularExpression needed(QStringLiteral("NEEDED.*\\[(libSDL2|libopencv|libmp3lame)[^\\]]*\\]"));
    const QRegularExpressionMatch found = needed.match(dynamic);
    EXPECT_FALSE(found.hasMatch()) << found.captured(0).toStdString();
}

}  // namespace
