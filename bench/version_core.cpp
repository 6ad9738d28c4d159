// The reference of bench_startup's `kvarnel --version` measurement: a QCoreApplication that prints
// a version and ends, linked to Qt Core alone.
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(KV_VERSION));
    std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                qPrintable(QCoreApplication::applicationVersion()));
    return 0;
}
