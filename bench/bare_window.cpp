// The reference of bench_startup's external mode: the smallest Qt Widgets program, an ordinary
// top-level window with one label, at the program's window's base size (1107 × 799). It links Qt
// Widgets alone, so its start is what any Qt Widgets program pays.
// "--label-after MS" shows the window empty (one flat colour) and the label MS ms later: the
// watch's tests use it to tell a window that is shown from one that is painted.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype delayAt = arguments.indexOf(QStringLiteral("--label-after"));
    const int delayMs = delayAt > 0 && delayAt + 1 < arguments.size() ? arguments[delayAt + 1].toInt() : 0;

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(QStringLiteral("Кварнель"), &window);
    layout->addWidget(label);
    window.resize(1107, 799);
    if (delayMs > 0) {
        label->hide();
        QTimer::singleShot(delayMs, label, &QLabel::show);
    }
    window.show();
    return app.exec();
}
