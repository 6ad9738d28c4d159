#pragma once
// A family's own colouring pages: any picture turned into black outlines on white (by the corner's
// module, platform/modules/CornerModule.h, loaded as the first page is made) on a page of A4's
// shape, kept in the page format the program reads under the user's layer
// (Pic/Raskraska/<theme>/<name>.flim), where the colouring book finds it.
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace pages {

// A page is A4 at 150 dots per inch, upright or, for a wide picture, on its side.
inline constexpr QSize kPageSize{1240, 1754};
// The lines' width on the page: printed on A4 with the printing margins it is 1.6 mm or more,
// wide enough for a child's crayon to follow.
inline constexpr int kLineWidth = 11;
// White kept around the picture on the page, in page pixels.
inline constexpr int kMargin = 60;
// The preview's longest side: small enough that a move of the slider redraws at once.
inline constexpr int kPreviewLongSide = 640;
inline const QString kDefaultTheme = QStringLiteral("Мои раскраски");

// Nothing when pages can be drawn; otherwise the one sentence that says they cannot (the corner's
// module is missing or does not load). Loads the module when it is not loaded yet.
std::optional<QString> DrawingRefusal();

// One picture being made into a page: read once, drawn at any detail (0..100) again and again.
class TPageMaker {
public:
    // Reads the picture (turned upright as its EXIF says); the one sentence on failure, or
    // DrawingRefusal's when no page can be drawn.
    std::optional<QString> Open(const QString& Path);
    void SetPicture(const QImage& Picture);
    bool IsEmpty() const { return FPicture.isNull(); }

    // The page at its full size, Grayscale8, and the same drawn small for the preview (blank
    // without the module).
    QImage Page(int Detail) const;
    QImage Preview(int Detail) const;
    QSize PageSize() const { return FPageSize; }
    // A name for the page: the picture file's name, letters, digits and single spaces kept.
    QString SuggestedName() const { return FName; }

private:
    // The outlines of Picture (found at its size) on a page of size Page, Scale times the full page.
    QImage Draw(const QImage& Picture, QSize Page, double Scale, int Detail) const;
    double PreviewScale() const;
    // Picture made no larger than Box (kept as it is when it fits).
    static QImage Shrunk(const QImage& Picture, QSize Box);

    QImage FPicture;  // fitted into the page within its margin, or smaller
    QImage FPreviewPicture;
    QSize FPageSize = kPageSize;
    QString FName;
};

// Nothing when Name can name a theme or a page (letters, digits and single spaces); otherwise the
// sentence that refuses it.
std::optional<QString> NameRefusal(const QString& Name);

// Writes Page as <Name>.flim into the theme Theme of the user's layer (a name already taken gets
// " 2", " 3", ...); the path written, or the sentence on failure.
struct TSaved {
    QString Path;
    QString Error;
};
TSaved SavePage(const QImage& Page, const QString& UserRoot, const QString& Theme, const QString& Name);

QString ThemeFolder(const QString& UserRoot, const QString& Theme);
QStringList OwnThemes(const QString& UserRoot);
QStringList OwnPages(const QString& UserRoot, const QString& Theme);  // names without ".flim"
std::optional<QString> RemovePage(const QString& UserRoot, const QString& Theme, const QString& Name);
std::optional<QString> RemoveTheme(const QString& UserRoot, const QString& Theme);

}  // namespace pages
