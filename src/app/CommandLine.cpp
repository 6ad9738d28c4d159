#include "app/CommandLine.h"

#include "kvarnel_build_info.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

struct TOptions {
    QCommandLineOption Help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Показать эту справку и выйти.")};
    QCommandLineOption Version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Показать номер версии и выйти.")};
    QCommandLineOption Content{QStringLiteral("content"),
                               QStringLiteral("Брать содержимое (папки Sound и Pic) только из этой папки, "
                                              "не ища его в других местах."),
                               QStringLiteral("папка")};
    QCommandLineOption Check{QStringLiteral("check"),
                             QStringLiteral("Проверить содержимое, которое будет читать программа, и вывести по строке "
                                            "на каждую ошибку; окно не открывается. Код выхода 1, если ошибки есть, "
                                            "и 0, если нет.")};
    QCommandLineOption Volume{QStringLiteral("volume"), QStringLiteral("Громкость на этот запуск, от 0 до 100 %."),
                              QStringLiteral("N")};
    QCommandLineOption Mute{QStringLiteral("mute"), QStringLiteral("Без звука на этот запуск (Ctrl+M включает звук).")};
    QCommandLineOption FullScreen{QStringLiteral("fullscreen"), QStringLiteral("Во весь экран (F11 переключает).")};
    QCommandLineOption Window{QStringLiteral("window"), QStringLiteral("В обычном окне, не во весь экран.")};
    QCommandLineOption Kiosk{QStringLiteral("kiosk"),
                             QStringLiteral("Режим киоска: во весь экран, окно не закрыть; выход для взрослых — "
                                            "Ctrl+Shift+Q. То же включает строка kiosk=true в файле настроек "
                                            "~/.config/kvarnel/kvarnel.conf.")};
    QCommandLineOption SmokeTest{QStringLiteral("smoke-test"), QStringLiteral("Выйти, как только закончится загрузка.")};

    TOptions() { SmokeTest.setFlags(QCommandLineOption::HiddenFromHelp); }
};

TCommandLine Failed(const QString& What, const QString& Help)
{
    TCommandLine line;
    line.Mode = TCommandLine::TMode::Error;
    line.Output = What + QStringLiteral("\n\n") + Help;
    return line;
}

}  // namespace

TCommandLine ParseCommandLine(const QStringList& Arguments)
{
    TOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Кварнель — азбука для детей 3–7 лет: буквы, их названия и звуки, игры и раскраски.\n"
                       "Содержимое ищется в ~/.local/share/kvarnel, рядом с программой и в папках "
                       "share/kvarnel системы."));
    parser.addOptions({options.Help, options.Version, options.Content, options.Check, options.Volume, options.Mute,
                       options.FullScreen, options.Window, options.Kiosk, options.SmokeTest});

    if (!parser.parse(Arguments)) return Failed(parser.errorText(), parser.helpText());
    if (!parser.positionalArguments().isEmpty())
        return Failed(QStringLiteral("Лишний аргумент: ") + parser.positionalArguments().first(), parser.helpText());

    TCommandLine line;
    if (parser.isSet(options.Help)) {
        line.Mode = TCommandLine::TMode::Help;
        line.Output = parser.helpText();
        return line;
    }
    if (parser.isSet(options.Version)) {
        line.Mode = TCommandLine::TMode::Version;
        line.Output = QStringLiteral("Кварнель ") + QStringLiteral(KV_VERSION);
        return line;
    }
    if (parser.isSet(options.Content)) {
        const QString folder = parser.value(options.Content);
        const QFileInfo info(folder);
        if (!info.exists()) return Failed(QStringLiteral("Папка не найдена: ") + folder, parser.helpText());
        if (!info.isDir()) return Failed(QStringLiteral("Это не папка: ") + folder, parser.helpText());
        line.ContentFolder = info.absoluteFilePath();
    }
    if (parser.isSet(options.Volume)) {
        bool ok = false;
        const int volume = parser.value(options.Volume).toInt(&ok);
        if (!ok || volume < 0 || volume > 100)
            return Failed(QStringLiteral("Громкость — целое число от 0 до 100, а не ") + parser.value(options.Volume),
                          parser.helpText());
        line.Volume = volume;
    }
    if (parser.isSet(options.FullScreen) && parser.isSet(options.Window))
        return Failed(QStringLiteral("Нужно выбрать что-то одно: --fullscreen или --window"), parser.helpText());
    if (parser.isSet(options.FullScreen)) line.FullScreen = true;
    if (parser.isSet(options.Window)) line.FullScreen = false;
    line.Mute = parser.isSet(options.Mute);
    line.Kiosk = parser.isSet(options.Kiosk);
    line.SmokeTest = parser.isSet(options.SmokeTest);
    if (parser.isSet(options.Check)) line.Mode = TCommandLine::TMode::Check;
    return line;
}
