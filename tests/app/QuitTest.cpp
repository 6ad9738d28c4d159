// Ending in order: SIGTERM and SIGINT reach the window as a quit, the running program ends with
// status 0 (and, in the sanitizer build, without a report) also while it loads.
#include "platform/QuitSignals.h"
#include "platform/audio/AudioEngine.h"
#include "support/ChildProgram.h"
#include "support/QtPrint.h"
#include "support/Waiting.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <signal.h>
#include <csignal>

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
        p.setProcessEnvironment(HeadlessIn(home));
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

TEST(QuitSignals, ATermInTheMiddleOfASlowLoadingEndsTheProgramPromptlyAndInOrder)
{
    QTemporaryDir home, content;
    ASSERT_TRUE(WriteBigLetterPictures(content.path()));
    QProcess p;
    p.setProcessEnvironment(HeadlessIn(home));
    p.start(QStringLiteral(KV_PROGRAM), {"--content", content.path()});
    ASSERT_TRUE(p.waitForStarted());
    ASSERT_TRUE(WaitUntil([&] { return Catches(p.processId(), SIGTERM); }, 20000));
    QThread::msleep(700);  // the loader is well into the pictures by now
    ASSERT_EQ(p.state(), QProcess::Running) << "loading ended before the signal: the pictures are too small";
    ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
    ASSERT_TRUE(p.waitForFinished(20000)) << "still running after the signal";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    // Nothing half-written: no temporary file ("entry.XXXXXX") left beside what the program keeps.
    const QRegularExpression temporary(QStringLiteral(R"(\.\w+\.\w{6}$)"));
    QDirIterator files(home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) EXPECT_FALSE(temporary.match(files.next()).hasMatch()) << files.filePath().toStdString();
}
