// kvarnel_content_gen: writes the demo content tree beside the program.
//   kvarnel_content_gen --data DIR --cache DIR [--offline] [--contact-sheet FILE.png] OUTPUT_ROOT
// Only what is missing or out of date is made again. A failed picture download is no error: the
// pictures then come from the colour emoji font.
#include "content/ContactSheet.h"
#include "content/ContentData.h"
#include "content/ContentGenerator.h"
#include "platform/Fonts.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    fonts::InstallBundled();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Generates the demo content tree of Кварнель."));
    parser.addHelpOption();
    const QCommandLineOption data(QStringLiteral("data"), QStringLiteral("Folder of the data tables."),
                                  QStringLiteral("dir"));
    const QCommandLineOption cache(QStringLiteral("cache"), QStringLiteral("Download cache folder."), QStringLiteral("dir"));
    const QCommandLineOption offline(QStringLiteral("offline"), QStringLiteral("Do not fetch the picture package."));
    const QCommandLineOption sheet(QStringLiteral("contact-sheet"),
                                   QStringLiteral("Write a contact sheet PNG when something changed."),
                                   QStringLiteral("file"));
    parser.addOptions({data, cache, offline, sheet});
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("The program's folder."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(data) || !parser.isSet(cache)) parser.showHelp(2);

    QString error;
    const content::TContentData tables = content::TContentData::Load(parser.value(data), error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "content tables: %s", qPrintable(error));
        return 1;
    }
    QElapsedTimer clock;
    clock.start();
    content::TContentGenerator generator(tables,
                                         {parser.positionalArguments().first(), parser.value(cache), parser.isSet(offline)});
    const content::TGeneratorReport report = generator.Run();
    for (const QString& note : report.Notes) std::printf("note: %s\n", qPrintable(note));
    for (const QString& e : report.Errors) std::fprintf(stderr, "error: %s\n", qPrintable(e));
    std::printf(
        "demo content: %d files, %d made, %d removed in %.1f s%s\n", report.Planned, report.Made, report.Removed,
        clock.elapsed() / 1000.0,
        report.PictureSource.isEmpty() ? "" : qPrintable(QStringLiteral(" (pictures: ") + report.PictureSource + u')'));

    if (parser.isSet(sheet) && (report.Made > 0 || report.Removed > 0 || !QFileInfo::exists(parser.value(sheet))))
        content::ContactSheet(parser.positionalArguments().first()).save(parser.value(sheet));
    return report.Ok() ? 0 : 1;
}
