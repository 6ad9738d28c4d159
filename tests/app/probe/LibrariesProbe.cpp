// Starts as the program does and, at each step of a run, prints the shared libraries the process
// has mapped (its own /proc/self/maps): the window built, the sound started and the games
// playable, every game opened, the grown-ups' corner's door passed, a colouring page made.
// LibrariesOnDemandTest reads the lines; each is "<step>:" and the libraries' file names.
#include "app/Application.h"
#include "app/MainForm.h"
#include "corner/CornerGate.h"
#include "pictures/ColouringPages.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QTimer>

#include <cstdio>

namespace {

void Report(const char* Step)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    QStringList libraries;
    if (maps.open(QIODevice::ReadOnly))
        for (const QByteArray& line : maps.readAll().split('\n')) {
            const int path = line.indexOf('/');
            if (path < 0 || !line.contains(".so")) continue;
            const QString name = QFileInfo(QString::fromLocal8Bit(line.mid(path))).fileName();
            if (!libraries.contains(name)) libraries << name;
        }
    std::printf("%s: %s\n", Step, qPrintable(libraries.join(u' ')));
    std::fflush(stdout);
}

void RunEvents(int Ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < Ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// What the run does once the games are playable; the exit status says whether every step could be taken.
int PlayThrough(TMainForm& Window)
{
    Report("sound started, games playable");
    for (const char* game : {"SoundLetters", "FindLetter", "MakeWord", "Examination", "ShowRaskraskaMenu"}) {
        QAction* action = Window.findChild<QAction*>(QLatin1String(game));
        if (!action) return 2;
        action->trigger();
        RunEvents(300);
    }
    Report("every game opened");

    Window.OpenGrownUpsCorner();
    RunEvents(100);
    auto* gate = static_cast<TCornerGate*>(Window.findChild<QWidget*>(QStringLiteral("CornerGatePanel")));
    if (!gate || !gate->isVisible()) return 3;
    gate->AnswerEdit()->setText(QString::number(gate->Answer()));
    gate->EnterButton()->click();
    RunEvents(300);
    if (gate->isVisible()) return 4;
    Report("the corner's door passed");

    // What "Сделать раскраску" does once a picture is chosen.
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(100, 80, 200, 140, Qt::darkBlue);
    pages::TPageMaker maker;
    maker.SetPicture(picture);
    if (maker.Preview(50).isNull()) return 5;
    Report("a colouring page made");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    return RunKvarnel(argc, argv, [](QApplication& App, const TCommandLine& Line) {
        int status = 1;
        const int ran = StartKvarnel(App, Line, [&status](QWidget& Shown) {
            Report("window built");
            auto& window = static_cast<TMainForm&>(Shown);
            QObject::connect(&window, &TMainForm::LoadingFinished, &window, [&status, &window] {
                QTimer::singleShot(0, &window, [&status, &window] {
                    status = PlayThrough(window);
                    QCoreApplication::exit(0);
                });
            });
        });
        return ran == 0 ? status : ran;
    });
}
