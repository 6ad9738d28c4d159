// Starts as the program does (the same command line, the same application) and prints what the
// application became instead of opening the window, for the tests of Qt's own options.
#include "app/Application.h"

#include <QApplication>
#include <QStyle>

#include <cstdio>

int main(int argc, char** argv)
{
    return RunKvarnel(argc, argv, [](QApplication& App, const TCommandLine&) {
        const QString seen = QStringLiteral("platform=%1 style=%2 rtl=%3")
                                 .arg(QGuiApplication::platformName(), App.style()->name())
                                 .arg(QGuiApplication::isRightToLeft() ? 1 : 0);
        std::puts(seen.toLocal8Bit().constData());
        return 0;
    });
}
