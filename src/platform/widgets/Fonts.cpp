#include "platform/widgets/Fonts.h"

#include "platform/FileSystem.h"

#include <QFontDatabase>

#include <mutex>

namespace fonts {

namespace {

// The bundled font files of each stand-in family (under :/fonts), registered the first time the
// family is asked for: registering a font costs the start a few milliseconds.
enum TFamily { fmSans, fmBlack, fmRounded, fmCount };

const char* const kFiles[fmCount][2] = {
    {":/fonts/liberation2/LiberationSans-Regular.ttf", ":/fonts/liberation2/LiberationSans-Bold.ttf"},
    {":/fonts/open-sans/OpenSans-ExtraBold.ttf", nullptr},
    {":/fonts/comfortaa/Comfortaa-Regular.ttf", ":/fonts/comfortaa/Comfortaa-Bold.ttf"},
};

void Register(TFamily Family)
{
    static std::once_flag once[fmCount];
    std::call_once(once[Family], [Family] {
        for (const char* file : kFiles[Family]) {
            if (!file) continue;
            // Stored uncompressed, a font is read where it lies among the program's resources:
            // copying it (as registering by name does) would cost the start a megabyte of
            // freshly touched memory for the first frame's three files.
            if (const auto stored = fs::ResourceInPlace(QString::fromLatin1(file)))
                QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(stored->data(), stored->size()));
            else
                QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
    });
}

}  // namespace

void InstallBundled()
{
    for (int family = 0; family < fmCount; ++family) Register(TFamily(family));
}

QFont StandIn(const QString& WindowsName, int PixelSize, bool Bold)
{
    QFont f;
    if (WindowsName.compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0) {
        Register(fmBlack);
        f.setFamily(QStringLiteral("Open Sans"));
        f.setWeight(QFont::ExtraBold);
    } else if (WindowsName.compare(QLatin1String("Comic Sans MS"), Qt::CaseInsensitive) == 0) {
        Register(fmRounded);
        // A friendly rounded face whose small Cyrillic letters keep their printed shapes.
        f.setFamily(QStringLiteral("Comfortaa"));
        f.setWeight(Bold ? QFont::Bold : QFont::Normal);
    } else {  // "Arial", "MS Sans Serif" and anything else
        Register(fmSans);
        f.setFamily(QStringLiteral("Liberation Sans"));
        f.setWeight(Bold ? QFont::Bold : QFont::Normal);
    }
    f.setPixelSize(PixelSize);
    return f;
}

}  // namespace fonts
