#include "app/Application.h"

#include "platform/Fonts.h"

#include <QApplication>
#include <QWidget>

int RunKvarnel(int argc, char** argv)
{
    QApplication app(argc, argv);
    fonts::InstallBundled();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Кварнель"));
    window.show();
    return app.exec();
}
