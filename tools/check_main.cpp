// kvarnel_content_check: lists what the program would stumble on in a content tree.
//   kvarnel_content_check PROGRAM_FOLDER
// One line per problem; the exit status is 1 when there is any, 0 for a sound tree.
#include "content/ContentChecker.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: kvarnel_content_check PROGRAM_FOLDER\n");
        return 2;
    }
    const QStringList problems = content::TContentChecker(args[1]).Problems();
    for (const QString& p : problems) std::printf("%s\n", qPrintable(p));
    if (problems.isEmpty()) std::printf("content is complete: %s\n", qPrintable(args[1]));
    return problems.isEmpty() ? 0 : 1;
}
