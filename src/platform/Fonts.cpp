#include "platform/Fonts.h"

#include <QDirIterator>
#include <QFontDatabase>

namespace fonts {

void InstallBundled()
{
    static bool done = false;
    if (done) return;
    done = true;
    QDirIterator it(QStringLiteral(":/fonts"), QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String(".ttf"), Qt::CaseInsensitive)) QFontDatabase::addApplicationFont(path);
    }
}

QFont Design(const QString& WindowsName, int PixelSize, bool Bold)
{
    QFont f;
    if (WindowsName.compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0) {
        f.setFamily(QStringLiteral("Open Sans"));
        f.setWeight(QFont::ExtraBold);
    } else if (WindowsName.compare(QLatin1String("Comic Sans MS"), Qt::CaseInsensitive) == 0) {
        // A friendly rounded face whose small Cyrillic letters keep their printed shapes.
        f.setFamily(QStringLiteral("Comfortaa"));
        f.setWeight(Bold ? QFont::Bold : QFont::Normal);
    } else {  // "Arial", "MS Sans Serif" and anything else
        f.setFamily(QStringLiteral("Liberation Sans"));
        f.setWeight(Bold ? QFont::Bold : QFont::Normal);
    }
    f.setPixelSize(PixelSize);
    return f;
}

}  // namespace fonts
