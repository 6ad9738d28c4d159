// The reference of bench_startup's external mode: the smallest Qt Widgets program, an ordinary
// top-level window with one label, at the program's window's base size (1107 × 799). It links Qt
// Widgets alone, so its start is what any Qt Widgets program pays.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Кварнель"), &window));
    window.resize(1107, 799);
    window.show();
    return app.exec();
}
