// Draws the start screen's picture once, at build time, into the stored form the program keeps
// among its resources (app/StartPicture.h). Usage: kvarnel_start_picture_render OUTPUT
#include "app/StartPicture.h"
#include "core/Artwork.h"
#include "platform/widgets/Fonts.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    fonts::InstallBundled();
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(start_picture::Stored(artwork::StartScreen())) < 0 || !out.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
