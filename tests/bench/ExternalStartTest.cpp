// bench_startup's external mode: the watch that sees a started program's window on the X display,
// and what it is built from.
#include "ExternalStart.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>
#include <vector>

using namespace bench::external;

namespace {

struct TColourCase {
    const char* Name;
    int Width, Height, BytesPerPixel, Stride;
    int ChangedByte;  // index of a byte set to another value; -1 for none
    unsigned Mask;
    bool Expected;
};

}  // namespace

TEST(ExternalStart, TellsAFlatImageFromOneWithAnotherColour)
{
    const TColourCase cases[] = {
        {"flat 32-bit", 7, 5, 4, 28, -1, 0x00ffffffu, false},
        {"last pixel differs", 7, 5, 4, 28, 4 * 34, 0x00ffffffu, true},
        {"first pixel differs", 7, 5, 4, 28, 0, 0x00ffffffu, true},
        {"only the unused byte of a 24-bit pixel differs", 7, 5, 4, 28, 4 * 20 + 3, 0x00ffffffu, false},
        {"the same byte counts when the mask keeps it", 7, 5, 4, 28, 4 * 20 + 3, 0xffffffffu, true},
        {"row padding is not part of the image", 7, 5, 4, 32, 32 * 2 + 28, 0x00ffffffu, false},
        {"24-bit pixels, last one differs", 5, 3, 3, 16, 16 * 2 + 3 * 4 + 2, 0, true},
        {"24-bit pixels, padding only", 5, 3, 3, 16, 16 + 15, 0, false},
        {"one pixel is one colour", 1, 1, 4, 4, -1, 0x00ffffffu, false},
        {"16-bit pixels, second row", 4, 2, 2, 8, 8 + 1, 0, true},
    };
    for (const TColourCase& c : cases) {
        std::vector<unsigned char> bytes(size_t(c.Stride) * size_t(c.Height), 0x40);
        if (c.ChangedByte >= 0) bytes[size_t(c.ChangedByte)] = 0x41;
        EXPECT_EQ(HasMoreThanOneColour(bytes.data(), c.Width, c.Height, c.Stride, c.BytesPerPixel, c.Mask), c.Expected)
            << c.Name;
    }
    const unsigned char none[4] = {};
    EXPECT_FALSE(HasMoreThanOneColour(none, 0, 0, 0, 4));
}

TEST(ExternalStart, ReadsTheResidentMemoryOfAProcess)
{
    const double own = ResidentMiB(getpid());
    EXPECT_GT(own, 1.0);  // a Qt application with its fonts
    EXPECT_LT(own, 4096.0);
    EXPECT_LT(ResidentMiB(0), 0);  // no such process
}

TEST(ExternalStart, TimesAProgramUntilItHasEnded)
{
    EXPECT_GE(RunToExitMs(QStringLiteral("/bin/true"), {}), 0);
    const double slow = RunToExitMs(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("sleep 0.2")});
    EXPECT_GE(slow, 200);
    EXPECT_LT(slow, 5000);
    EXPECT_LT(RunToExitMs(QStringLiteral("/bin/false"), {}), 0);  // a failed run is no figure
    EXPECT_LT(RunToExitMs(QStringLiteral("/no/such/program"), {}), 0);
}

TEST(ExternalStart, GivesEachStartAHomeOfItsOwn)
{
    TScratchHome first, second;
    ASSERT_TRUE(first.IsValid());
    auto value = [](const QStringList& Env, const QString& Name) {
        for (const QString& e : Env)
            if (e.startsWith(Name + u'=')) return e.mid(Name.size() + 1);
        return QString();
    };
    const QStringList env = first.Environment();
    const QString home = value(env, QStringLiteral("HOME"));
    EXPECT_NE(home, QDir::homePath());
    EXPECT_NE(home, value(second.Environment(), QStringLiteral("HOME")));
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"}) {
        const QString folder = value(env, QLatin1String(name));
        EXPECT_TRUE(folder.startsWith(home + u'/')) << name << " " << qPrintable(folder);
        EXPECT_TRUE(QFileInfo(folder).isDir()) << name;
    }
    // Qt ignores a runtime folder others may enter.
    EXPECT_EQ(QFileInfo(value(env, QStringLiteral("XDG_RUNTIME_DIR"))).permissions() & 0x0077, 0);
    EXPECT_EQ(value(env, QStringLiteral("QT_QPA_PLATFORM")), QStringLiteral("xcb"));
    EXPECT_EQ(value(env, QStringLiteral("PATH")), qEnvironmentVariable("PATH"));  // the rest is the benchmark's own
}

// A virtual X server of this test's own, with no window manager.
class ExternalStartOnX : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) GTEST_SKIP() << "no Xvfb";
        int display = 300 + getpid() % 500;
        while (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(display))) ++display;
        FServer.setProgram(xvfb);
        FServer.setArguments({QStringLiteral(":%1").arg(display), QStringLiteral("-screen"), QStringLiteral("0"),
                              QStringLiteral("800x600x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                              QStringLiteral("-br")});
        FServer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        FServer.start();
        ASSERT_TRUE(FServer.waitForStarted());
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(display);
        for (int i = 0; i < 100 && !QFile::exists(socket); ++i) QThread::msleep(50);
        ASSERT_TRUE(QFile::exists(socket)) << "Xvfb did not come up";
        FOldDisplay = qgetenv("DISPLAY");
        qputenv("DISPLAY", QStringLiteral(":%1").arg(display).toLatin1());
    }

    void TearDown() override
    {
        if (FServer.state() == QProcess::NotRunning) return;
        qputenv("DISPLAY", FOldDisplay);
        FServer.terminate();
        FServer.waitForFinished(5000);
    }

    QProcess FServer;
    QByteArray FOldDisplay;
};

TEST_F(ExternalStartOnX, SeesABareWindowMappedThenPaintedAndItsMemory)
{
    TWindowWatch watch;
    ASSERT_EQ(watch.Problem(), QString());
    EXPECT_EQ(watch.WindowManager(), QString());
    TScratchHome home;
    const TStartFigures figures =
        watch.Start(QCoreApplication::applicationDirPath() + QStringLiteral("/kv_bare_window"), {}, home.Environment(), 0.5);
    EXPECT_EQ(figures.Failure, QString());
    EXPECT_GT(figures.MappedMs, 0);
    EXPECT_GE(figures.FirstFrameMs, figures.MappedMs);  // nothing is seen painted before it is shown
    EXPECT_LT(figures.FirstFrameMs, 20000);
    EXPECT_GT(figures.RssMiB, 5.0);

    // The same watch serves the next start.
    const TStartFigures again =
        watch.Start(QCoreApplication::applicationDirPath() + QStringLiteral("/kv_bare_window"), {}, home.Environment(), 0.5);
    EXPECT_EQ(again.Failure, QString());
    EXPECT_GT(again.FirstFrameMs, 0);
}

TEST_F(ExternalStartOnX, AWindowOfOneFlatColourIsNotYetAFrame)
{
    TWindowWatch watch;
    ASSERT_EQ(watch.Problem(), QString());
    TScratchHome home;
    const TStartFigures figures =
        watch.Start(QCoreApplication::applicationDirPath() + QStringLiteral("/kv_bare_window"),
                    {QStringLiteral("--label-after"), QStringLiteral("1000")}, home.Environment(), 0.2);
    EXPECT_EQ(figures.Failure, QString());
    EXPECT_GT(figures.MappedMs, 0);
    // Shown empty at once, the label drawn 1 s after the program began: the frame is the label's
    // (half a second leaves room for a slow mapping on a busy machine).
    EXPECT_GE(figures.FirstFrameMs, figures.MappedMs + 500) << figures.MappedMs << " " << figures.FirstFrameMs;
}

TEST_F(ExternalStartOnX, SaysWhenAProgramEndsWithoutAWindow)
{
    TWindowWatch watch;
    ASSERT_EQ(watch.Problem(), QString());
    TScratchHome home;
    const TStartFigures figures = watch.Start(QStringLiteral("/bin/true"), {}, home.Environment(), 0.5);
    EXPECT_FALSE(figures.Failure.isEmpty());
    EXPECT_LT(figures.FirstFrameMs, 0);
    EXPECT_LT(figures.MappedMs, 0);
}

TEST(ExternalStart, SaysWhatIsMissingWithoutADisplay)
{
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    TWindowWatch watch;
    EXPECT_FALSE(watch.Problem().isEmpty());
    TScratchHome home;
    EXPECT_FALSE(watch.Start(QStringLiteral("/bin/true"), {}, home.Environment()).Failure.isEmpty());
    if (!display.isEmpty()) qputenv("DISPLAY", display);
}
