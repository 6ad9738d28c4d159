// Ending in order: SIGTERM and SIGINT reach the window as a quit, the running program ends with
// status 0 (and, in the sanitizer build, without a report) also while it loads.
#include "platform/AudioEngine.h"
#include "platform/QuitSignals.h"
#include "support/QtPrint.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>
#include <csignal>

namespace {

bool WaitUntil(const std::function<bool()>& Done, int Ms = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!Done()) {
        if (clock.elapsed() > Ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return true;
}

// Whether the process has a handler of its own for Signal (its SigCgt mask in /proc).
bool Catches(qint64 Pid, int Signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(Pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:")) return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (Signal - 1)) & 1;
    return false;
}

}  // namespace

TEST(QuitSignals, ATermOrAnInterruptBecomesOneQuitOnTheWindowsThreadWhileASoundPlays)
{
    auto engine = audio::TAudioEngine::Acquire();
    audio::TDeviceSound long_;
    long_.Samples.assign(2 * 44100 * 5, 1000);  // five seconds
    const audio::TVoiceId voice = engine->CreateVoice({});
    engine->Load(voice, std::make_shared<const audio::TDeviceSound>(long_));
    engine->Play(voice);

    for (int signal : {SIGTERM, SIGINT}) {
        int quits = 0;
        {
            TQuitSignals quit([&] { ++quits; });
            std::raise(signal);
            ASSERT_TRUE(WaitUntil([&] { return quits == 1; })) << signal;
            EXPECT_EQ(engine->State(voice), audio::TVoiceState::Playing) << "nothing stopped behind the program's back";
        }
        EXPECT_EQ(quits, 1);
    }
    engine->DestroyVoice(voice);
}

TEST(QuitSignals, TheProgramEndsInOrderWhenTheSessionEndsWhileItLoads)
{
    QTemporaryDir home;
    for (int signal : {SIGTERM, SIGINT}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "dummy");
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_CACHE_HOME", home.filePath("cache"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KV_PROGRAM), {"--content", KV_BUILD_TREE});
        ASSERT_TRUE(p.waitForStarted());
        // As soon as the program catches the signal: its window and loader are on their way.
        ASSERT_TRUE(WaitUntil([&] { return Catches(p.processId(), signal); }, 20000));
        ::kill(static_cast<pid_t>(p.processId()), signal);
        ASSERT_TRUE(p.waitForFinished(20000)) << "still running after the signal";
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        const QByteArray err = p.readAllStandardError();
        EXPECT_FALSE(err.contains("Sanitizer")) << err.toStdString();
    }
}
