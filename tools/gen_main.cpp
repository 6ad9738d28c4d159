// kvarnel_content_gen: writes the demo content tree beside the program.
//   kvarnel_content_gen --data DIR --cache DIR [--offline] [--contact-sheet FILE.png]
//                       [--speech-sheets FOLDER] OUTPUT_ROOT
// Only what is missing or out of date is made again. A failed picture download is no error: the
// pictures then come from the colour emoji font. The speech comes from DIR/speech; a clip missing
// there is said by eSpeak NG (and a note says which).
#include "content/ContactSheet.h"
#include "content/ContentData.h"
#include "content/ContentGenerator.h"
#include "content/SpeechSheet.h"
#include "core/ContentLayout.h"
#include "platform/widgets/Fonts.h"

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
    const QCommandLineOption speechSheets(QStringLiteral("speech-sheets"),
                                          QStringLiteral("Write one PNG of each voice's clips into this folder when "
                                                         "something changed."),
                                          QStringLiteral("folder"));
    parser.addOptions({data, cache, offline, sheet, speechSheets});
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
    const QString root = parser.positionalArguments().first();
    content::TContentGenerator generator(
        tables, {root, parser.value(cache), parser.isSet(offline), parser.value(data) + QStringLiteral("/speech")});
    const content::TGeneratorReport report = generator.Run();
    for (const QString& note : report.Notes) std::printf("note: %s\n", qPrintable(note));
    for (const QString& e : report.Errors) std::fprintf(stderr, "error: %s\n", qPrintable(e));
    std::printf(
        "demo content: %d files, %d made, %d removed in %.1f s%s\n", report.Planned, report.Made, report.Removed,
        clock.elapsed() / 1000.0,
        report.PictureSource.isEmpty() ? "" : qPrintable(QStringLiteral(" (pictures: ") + report.PictureSource + u')'));

    const bool changed = report.Made > 0 || report.Removed > 0;
    if (parser.isSet(sheet) && (changed || !QFileInfo::exists(parser.value(sheet))))
        content::ContactSheet(root).save(parser.value(sheet));
    if (parser.isSet(speechSheets))
        for (const content::TVoiceEntry& voice : tables.Voices)
            for (const content::TSpeechSheetPart& part : content::SpeechSheetParts()) {
                const QString png =
                    parser.value(speechSheets) + QStringLiteral("/speech-sheet-%1%2.png").arg(voice.Folder, part.Suffix);
                if (changed || !QFileInfo::exists(png))
                    content::SpeechSheet(root + u'/' + content::layout::kSoundRoot + voice.Folder, part.Folders).save(png);
            }
    return report.Ok() ? 0 : 1;
}
