// Renders the program's scalable icon into the fixed sizes desktops look for.
//   kvarnel_icon_render ICON.svg OUT_DIR NAME SIZE...
// writes OUT_DIR/<SIZE>x<SIZE>/apps/NAME.png for every SIZE (the hicolor theme layout).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

int Fail(const QString& message)
{
    QTextStream(stderr) << "kvarnel_icon_render: " << message << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    // A build step: never needs (or may have) a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments().mid(1);
    if (args.size() < 4) return Fail(QStringLiteral("usage: kvarnel_icon_render ICON.svg OUT_DIR NAME SIZE..."));

    QSvgRenderer renderer(args[0]);
    if (!renderer.isValid()) return Fail(QStringLiteral("cannot read the SVG icon %1").arg(args[0]));

    const QDir out(args[1]);
    const QString& name = args[2];
    for (const QString& sizeText : args.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size < 8 || size > 1024) return Fail(QStringLiteral("not an icon size: %1").arg(sizeText));

        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();

        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!out.mkpath(folder)) return Fail(QStringLiteral("cannot create %1").arg(out.filePath(folder)));
        const QString file = out.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!image.convertToFormat(QImage::Format_ARGB32).save(file, "PNG"))
            return Fail(QStringLiteral("cannot write %1").arg(file));
    }
    return 0;
}
