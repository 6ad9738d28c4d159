// Test entry: a headless application with the program's fonts, then every test. The user's cache
// folder is a temporary one, so that no test reads or writes the real thumbnail cache.
#include "platform/widgets/Fonts.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // SDL's silent driver, which keeps real time: no test waits on a sound card or its absence (a
    // test that wants the disk driver or another sets its own).
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    fonts::InstallBundled();
    return RUN_ALL_TESTS();
}
