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
    QCommandLineOption GrownUps{QStringLiteral("grown-ups"),
                                QStringLiteral("Открыть уголок для взрослых (свой голос, свои картинки и раскраски, "
                                               "успехи детей); то же — Ctrl+Shift+G с любого экрана.")};
    QCommandLineOption SmokeTest{QStringLiteral("smoke-test"), QStringLiteral("Выйти, как только закончится загрузка.")};

    QCommandLineOption HelpAll{QStringLiteral("help-all"),
                               QStringLiteral("Показать эту справку вместе с параметрами Qt и выйти.")};

    TOptions() { SmokeTest.setFlags(QCommandLineOption::HiddenFromHelp); }
};

// The options QGuiApplication, QApplication and the X11 platform take from the command line (what
// Qt's own --help-all lists), each with the name of its value when it has one. Qt reads them
// itself; they are known here only so that they pass the early parse.
struct TQtOption {
    const char* Name;
    const char* ValueName;  // nullptr: a switch
    const char* Description;
};
constexpr TQtOption kQtOptions[] = {
    {"platform", "платформа[:параметры]", "Модуль платформы Qt: xcb, wayland, offscreen…"},
    {"platformpluginpath", "папка", "Где искать модули платформы Qt."},
    {"platformtheme", "тема", "Тема платформы Qt."},
    {"plugin", "модуль", "Загрузить ещё один модуль Qt; можно указать несколько раз."},
    {"qwindowgeometry", "геометрия", "Размер и место окна, как в X11: 1107x799+50+50."},
    {"qwindowicon", "значок", "Значок окна."},
    {"qwindowtitle", "заголовок", "Заголовок окна."},
    {"reverse", nullptr, "Всё справа налево (для отладки)."},
    {"session", "сеанс", "Восстановить сеанс (так программу запускает менеджер сеансов)."},
    {"testability", nullptr, "Загрузить модуль тестирования Qt."},
    {"display", "дисплей", "Дисплей X11 вместо $DISPLAY."},
    {"name", "имя", "Имя программы для X11 (ICCCM 4.1.2.5)."},
    {"nograb", nullptr, "Не захватывать мышь (для отладчика)."},
    {"dograb", nullptr, "Захватывать мышь и под отладчиком."},
    {"visual", "номер", "Visual X11 с этим номером."},
    {"geometry", "геометрия", "То же, что --qwindowgeometry."},
    {"icon", "значок", "То же, что --qwindowicon."},
    {"title", "заголовок", "То же, что --qwindowtitle."},
    {"style", "стиль", "Стиль виджетов Qt, например fusion."},
    {"stylesheet", "файл", "Таблица стилей Qt из этого файла."},
    {"widgetcount", nullptr, "В конце сказать, сколько виджетов осталось."},
};

QList<QCommandLineOption> QtOptions(bool Listed)
{
    QList<QCommandLineOption> options;
    for (const TQtOption& q : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(q.Name), QString::fromUtf8(q.Description),
                                  q.ValueName ? QString::fromUtf8(q.ValueName) : QString());
        if (!Listed) option.setFlags(QCommandLineOption::HiddenFromHelp);
        options.append(option);
    }
    return options;
}

// Qt's options of Parser in the form QApplication reads: "-name" and its value as the next argument
// (Qt takes neither "--name=value" nor "-name=value" for most of them).
QStringList QtArgumentsOf(const QCommandLineParser& Parser)
{
    QStringList arguments;
    for (const TQtOption& q : kQtOptions) {
        const QString name = QString::fromLatin1(q.Name);
        if (!Parser.isSet(name)) continue;
        if (!q.ValueName) {
            arguments << QLatin1Char('-') + name;
            continue;
        }
        for (const QString& value : Parser.values(name)) arguments << QLatin1Char('-') + name << value;
    }
    return arguments;
}

TCommandLine Failed(const QString& What, const QString& Help)
{
    TCommandLine line;
    line.Mode = TCommandLine::TMode::Error;
    line.Output = What + QStringLiteral("\n\n") + Help;
    return line;
}

}  // namespace

namespace {

// Our options, and Qt's (listed in the help when WithQt). Qt's options are words after one dash
// ("-platform"), so every option is read as a word: "-platform" is not "-p -l -a…".
void SetUp(QCommandLineParser& Parser, const TOptions& Options, bool WithQt)
{
    Parser.setApplicationDescription(
        QStringLiteral("Кварнель — азбука для детей 3–7 лет: буквы, их названия и звуки, игры и раскраски.\n"
                       "Содержимое ищется в ~/.local/share/kvarnel, рядом с программой и в папках "
                       "share/kvarnel системы."));
    Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    Parser.addOptions({Options.Help, Options.HelpAll, Options.Version, Options.Content, Options.Check, Options.Volume,
                       Options.Mute, Options.FullScreen, Options.Window, Options.Kiosk, Options.GrownUps,
                       Options.SmokeTest});
    Parser.addOptions(QtOptions(WithQt));
}

}  // namespace

TCommandLine ParseCommandLine(const QStringList& Arguments)
{
    TOptions options;
    QCommandLineParser parser;
    SetUp(parser, options, false);

    if (!parser.parse(Arguments)) return Failed(parser.errorText(), parser.helpText());
    if (!parser.positionalArguments().isEmpty())
        return Failed(QStringLiteral("Лишний аргумент: ") + parser.positionalArguments().first(), parser.helpText());

    TCommandLine line;
    if (parser.isSet(options.Help)) {
        line.Mode = TCommandLine::TMode::Help;
        line.Output = parser.helpText();
        return line;
    }
    if (parser.isSet(options.HelpAll)) {
        QCommandLineParser all;
        SetUp(all, options, true);
        line.Mode = TCommandLine::TMode::Help;
        line.Output = all.helpText();
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
    line.GrownUps = parser.isSet(options.GrownUps);
    line.SmokeTest = parser.isSet(options.SmokeTest);
    line.QtArguments = QtArgumentsOf(parser);
    if (parser.isSet(options.Check)) line.Mode = TCommandLine::TMode::Check;
    return line;
}
