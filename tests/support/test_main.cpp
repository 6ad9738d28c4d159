// Test entry: a headless application with the program's fonts, then every test.
#include "platform/Fonts.h"

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    fonts::InstallBundled();
    return RUN_ALL_TESTS();
}
