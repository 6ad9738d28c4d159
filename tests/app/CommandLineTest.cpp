// The command line: what each option asks for, that bad input is refused with a clear message and
// status 2, and that the program answers --help, --version and --check without a window.
#include "app/CommandLine.h"
#include "support/QtPrint.h"

#include "kvarnel_build_info.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

TCommandLine Parse(const QStringList& Arguments)
{
    return ParseCommandLine(QStringList{QStringLiteral("kvarnel")} + Arguments);
}

struct TRun {
    int Status = -1;
    QString Out;
    QString Err;
};

// Runs the built program (or another) where no window can open: no display, and Qt left to pick
// its usual platform, which needs one.
TRun Program(const QStringList& Arguments, const QString& WorkingFolder = QDir::tempPath(),
             const QString& Executable = QStringLiteral(KV_PROGRAM))
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(WorkingFolder);
    p.start(Executable, Arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

}  // namespace

TEST(CommandLine, EachOptionAsksForItsMode)
{
    EXPECT_EQ(Parse({}).Mode, TCommandLine::TMode::Run);
    EXPECT_EQ(Parse({"--help"}).Mode, TCommandLine::TMode::Help);
    EXPECT_EQ(Parse({"-h"}).Mode, TCommandLine::TMode::Help);
    EXPECT_TRUE(Parse({"--help"}).Output.contains("--content"));
    EXPECT_FALSE(Parse({"--help"}).Output.contains("smoke")) << "the install test's option is not for users";
    EXPECT_EQ(Parse({"--version"}).Output, QStringLiteral("Кварнель " KV_VERSION));
    EXPECT_EQ(Parse({"--check"}).Mode, TCommandLine::TMode::Check);
    EXPECT_TRUE(Parse({"--smoke-test"}).SmokeTest);

    QTemporaryDir dir;
    const TCommandLine content = Parse({"--content", dir.path(), "--check"});
    EXPECT_EQ(content.Mode, TCommandLine::TMode::Check);
    EXPECT_EQ(content.ContentFolder, dir.path());
    EXPECT_EQ(Parse({"--content=" + dir.path()}).ContentFolder, dir.path());
    EXPECT_EQ(Parse({"--content", dir.path()}).Mode, TCommandLine::TMode::Run);
}

TEST(CommandLine, BadInputIsAnErrorThatSaysWhatAndShowsTheHelp)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("файл.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const struct {
        QStringList Arguments;
        QString Says;
    } cases[] = {
        {{"--bogus"}, "bogus"},
        {{"--content"}, "content"},
        {{"--content", file.fileName()}, QStringLiteral("Это не папка: ") + file.fileName()},
        {{"--content", dir.filePath("нет")}, QStringLiteral("Папка не найдена: ") + dir.filePath("нет")},
        {{"лишнее"}, QStringLiteral("Лишний аргумент: лишнее")},
        {{"-platfrom", "offscreen"}, "platfrom"},
        {{"-platform"}, "platform"},
    };
    for (const auto& c : cases) {
        const TCommandLine line = Parse(c.Arguments);
        EXPECT_EQ(line.Mode, TCommandLine::TMode::Error) << c.Arguments.join(' ').toStdString();
        EXPECT_TRUE(line.Output.contains(c.Says)) << line.Output.toStdString();
        EXPECT_TRUE(line.Output.contains("--check")) << "the help follows the message";
    }
}

TEST(CommandLine, QtOptionsAreLeftToTheApplicationInTheFormItReads)
{
    const struct {
        QStringList Arguments;
        QStringList ForQt;
    } cases[] = {
        {{"-platform", "minimal"}, {"-platform", "minimal"}},
        {{"--platform=minimal", "--mute"}, {"-platform", "minimal"}},
        {{"-style=fusion", "--reverse"}, {"-reverse", "-style", "fusion"}},
        {{"-plugin", "a", "--kiosk", "-plugin", "b"}, {"-plugin", "a", "-plugin", "b"}},
        {{"-qwindowtitle", "Азбука", "-display", ":1", "-nograb"}, {"-qwindowtitle", "Азбука", "-display", ":1", "-nograb"}},
        {{"--content=/"}, {}},
    };
    for (const auto& c : cases) {
        const TCommandLine line = Parse(c.Arguments);
        EXPECT_EQ(line.Mode, TCommandLine::TMode::Run) << line.Output.toStdString();
        EXPECT_EQ(line.QtArguments, c.ForQt) << c.Arguments.join(' ').toStdString();
    }
    EXPECT_EQ(Parse({"-platform", "offscreen", "--check"}).Mode, TCommandLine::TMode::Check);
    EXPECT_EQ(Parse({"-h"}).Mode, TCommandLine::TMode::Help);
    EXPECT_EQ(Parse({"-v"}).Mode, TCommandLine::TMode::Version);
    EXPECT_TRUE(Parse({"--grown-ups", "--kiosk"}).GrownUps);
    EXPECT_FALSE(Parse({"--kiosk"}).GrownUps);

    const QString help = Parse({"--help"}).Output, all = Parse({"--help-all"}).Output;
    EXPECT_TRUE(help.contains("--help-all"));
    EXPECT_FALSE(help.contains("--platform")) << "Qt's options are for --help-all";
    EXPECT_TRUE(help.contains("--grown-ups"));
    for (const char* option : {"--content", "--platform", "--style", "--reverse", "--qwindowtitle", "--display"})
        EXPECT_TRUE(all.contains(option)) << option;
}

// The probe starts as the program does and prints what its application became.
TEST(CommandLineProgram, QtOptionsReachTheApplication)
{
    const QString probe = QStringLiteral(KV_QT_PROBE);
    const TRun minimal =
        Program({"-platform", "minimal", "--mute", "-style", "fusion", "-reverse"}, QDir::tempPath(), probe);
    EXPECT_EQ(minimal.Status, 0) << minimal.Err.toStdString();
    EXPECT_EQ(minimal.Out.trimmed(), QStringLiteral("platform=minimal style=fusion rtl=1"));
    const TRun assigned = Program({"--platform=minimal", "--style=fusion"}, QDir::tempPath(), probe);
    EXPECT_EQ(assigned.Out.trimmed(), QStringLiteral("platform=minimal style=fusion rtl=0")) << assigned.Err.toStdString();

    // A bogus platform is Qt's to refuse, in its own words.
    const TRun bogus = Program({"-platform", "bogus"}, QDir::tempPath(), probe);
    EXPECT_NE(bogus.Status, 0);
    EXPECT_NE(bogus.Status, 2) << "not refused as an unknown option";
    EXPECT_TRUE(bogus.Err.contains(QStringLiteral("Qt platform plugin \"bogus\""))) << bogus.Err.toStdString();
    EXPECT_TRUE(bogus.Out.isEmpty());

    // Qt's options beside ours still need no display for what needs no window.
    const TRun check = Program({"-platform", "xcb", "-style", "fusion", "--content", KV_BUILD_TREE, "--check"});
    EXPECT_EQ(check.Status, 0) << check.Out.toStdString() << check.Err.toStdString();
    const TRun help = Program({"--help-all", "-display", ":99"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_TRUE(help.Out.contains("--platform"));
}

TEST(CommandLineProgram, AnswersWithoutAWindowAndEndsWithTheRightStatus)
{
    const TRun version = Program({"--version"});
    EXPECT_EQ(version.Status, 0) << version.Err.toStdString();
    EXPECT_EQ(version.Out.trimmed(), QStringLiteral("Кварнель " KV_VERSION));

    const TRun help = Program({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_TRUE(help.Out.contains("--content"));

    const TRun bogus = Program({"--bogus"});
    EXPECT_EQ(bogus.Status, 2);
    EXPECT_TRUE(bogus.Err.contains("--check")) << bogus.Err.toStdString();
    EXPECT_TRUE(bogus.Out.isEmpty());

    // A content tree with a broken picture: one line for it, status 1; none left, status 0.
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("Pic/Images/Rus");
    QFile broken(dir.filePath("Pic/Images/Rus/кот.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    const TRun check = Program({"--content", dir.path(), "--check"});
    EXPECT_EQ(check.Status, 1) << check.Err.toStdString();
    EXPECT_TRUE(check.Out.contains(QStringLiteral("Pic/Images/Rus/кот.jpg: не читается как картинка JPEG")))
        << check.Out.toStdString();

    const TRun demo = Program({"--content", KV_BUILD_TREE, "--check"});
    EXPECT_EQ(demo.Status, 0) << demo.Out.toStdString();
}
