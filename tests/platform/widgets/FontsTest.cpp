// The stand-in fonts are the program's own: on a computer with no fonts installed at all (an empty
// font configuration, in a child run of this same test) each still resolves to its bundled face.
#include "platform/widgets/Fonts.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QProcess>
#include <QTemporaryDir>

namespace {

constexpr char kChild[] = "KV_FONTS_TEST_CHILD";

TEST(BundledFonts, StandInsResolveToTheirOwnFacesWithNoFontInstalled)
{
    if (qEnvironmentVariableIsSet(kChild)) {
        struct Case {
            const char* Windows;
            bool Bold;
            const char* Family;
        };
        for (const Case& c : {Case{"MS Sans Serif", false, "Liberation Sans"}, Case{"Arial", true, "Liberation Sans"},
                              Case{"Arial Black", false, "Open Sans"}, Case{"Comic Sans MS", true, "Comfortaa"}}) {
            const QFont font = fonts::StandIn(QLatin1String(c.Windows), 15, c.Bold);
            const QFontInfo resolved(font);
            EXPECT_EQ(resolved.family().toStdString(), c.Family) << c.Windows;
            EXPECT_EQ(resolved.bold(), font.bold()) << c.Windows;
            EXPECT_GT(QFontMetrics(font).horizontalAdvance(QStringLiteral("Кварнель")), 40) << c.Windows;
        }
        return;
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile config(dir.filePath(QStringLiteral("fonts.conf")));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" + QFile::encodeName(dir.path()) +
                 "</cachedir></fontconfig>\n");
    config.close();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(kChild), QStringLiteral("1"));
    env.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=BundledFonts.StandInsResolveToTheirOwnFacesWithNoFontInstalled")});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
}

}  // namespace
