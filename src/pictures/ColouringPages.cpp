#include "pictures/ColouringPages.h"

#include "core/ContentLayout.h"
#include "pictures/PageWriting.h"
#include "pictures/WordPictures.h"
#include "platform/FileSystem.h"
#include "platform/UserFiles.h"
#include "platform/modules/ModuleLoader.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <cmath>

namespace pages {

namespace {

const QString kPageExtension = QStringLiteral(".flim");

QString Sanitized(const QString& Name)
{
    QString kept;
    for (QChar c : Name) kept += c.isLetterOrNumber() ? c : QChar(u' ');
    return kept.simplified();
}

}  // namespace

std::optional<QString> DrawingRefusal()
{
    if (modules::CornerModule()) return std::nullopt;
    return QStringLiteral(
        "Раскраску из картинки сейчас не сделать: не загрузилась нужная для этого часть программы, "
        "переустановите «Кварнель».");
}

std::optional<QString> TPageMaker::Open(const QString& Path)
{
    if (auto refusal = DrawingRefusal()) return refusal;
    QImageReader reader(Path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    // Read no larger than the page needs: a photo's decoder scales as it reads.
    const QSize area = kPageSize - QSize(2 * kMargin, 2 * kMargin);
    const QSize fitBox(std::max(area.width(), area.height()), std::max(area.width(), area.height()));
    if (stored.isValid() && (stored.width() > fitBox.width() || stored.height() > fitBox.height()))
        reader.setScaledSize(stored.scaled(fitBox, Qt::KeepAspectRatio));
    QImage picture;
    if (!stored.isValid() || !reader.read(&picture)) return wordpics::UnreadablePictureSentence(Path);
    SetPicture(picture);
    FName = Sanitized(QFileInfo(Path).completeBaseName());
    return std::nullopt;
}

void TPageMaker::SetPicture(const QImage& Picture)
{
    FPageSize = Picture.width() > Picture.height() ? kPageSize.transposed() : kPageSize;
    const QSize area = FPageSize - QSize(2 * kMargin, 2 * kMargin);
    QImage flat(Picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);  // a transparent picture lies on white paper
    QPainter(&flat).drawImage(0, 0, Picture);
    // Edges are found at the picture's own size or smaller, never in a blurred enlargement (where
    // a small picture would lose them); the lines are enlarged instead.
    FPicture = Shrunk(flat, area);
    FPreviewPicture = Shrunk(FPicture, (QSizeF(area) * PreviewScale()).toSize());
    FName = QString();
}

double TPageMaker::PreviewScale() const
{
    return double(kPreviewLongSide) / std::max(FPageSize.width(), FPageSize.height());
}

QImage TPageMaker::Shrunk(const QImage& Picture, QSize Box)
{
    const QSize fit = Picture.size().scaled(Box, Qt::KeepAspectRatio);
    return fit.width() < Picture.width() ? Picture.scaled(fit, Qt::KeepAspectRatio, Qt::SmoothTransformation) : Picture;
}

QImage TPageMaker::Draw(const QImage& Picture, QSize Page, double Scale, int Detail) const
{
    QImage page(Page, QImage::Format_Grayscale8);
    page.fill(255);
    const modules::ICornerModule* module = modules::CornerModule();
    if (Picture.isNull() || !module) return page;
    const QSize area = (QSizeF(FPageSize - QSize(2 * kMargin, 2 * kMargin)) * Scale).toSize();
    const QSize fit = Picture.size().scaled(area, Qt::KeepAspectRatio);
    const double enlarged = double(fit.width()) / Picture.width();  // 1 unless the picture is small
    modules::TLineDrawingOptions options;
    options.Detail = Detail;
    options.LineWidth = std::max(2, int(std::lround(kLineWidth * Scale / enlarged)));
    QImage lines = module->LineDrawing(Picture, options);
    if (enlarged > 1.01) {
        lines = lines.scaled(fit, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Black on white again, with no grey for the printing to dither.
        for (int y = 0; y < lines.height(); ++y) {
            uchar* row = lines.scanLine(y);
            for (int x = 0; x < lines.width(); ++x) row[x] = row[x] < 128 ? 0 : 255;
        }
    }
    QPainter painter(&page);
    painter.drawImage((Page.width() - lines.width()) / 2, (Page.height() - lines.height()) / 2, lines);
    return page;
}

QImage TPageMaker::Page(int Detail) const
{
    return Draw(FPicture, FPageSize, 1.0, Detail);
}

QImage TPageMaker::Preview(int Detail) const
{
    return Draw(FPreviewPicture, (QSizeF(FPageSize) * PreviewScale()).toSize(), PreviewScale(), Detail);
}

std::optional<QString> NameRefusal(const QString& Name)
{
    if (Name.trimmed().isEmpty()) return QStringLiteral("Напишите название.");
    if (Name.contains(QStringLiteral("  ")) || Name != Name.trimmed())
        return QStringLiteral("Между словами названия ставьте один пробел.");
    for (QChar c : Name)
        if (c != u' ' && !c.isLetterOrNumber())
            return QStringLiteral("В названии могут быть только буквы, цифры и пробелы, а «%1» — нет.").arg(c);
    return std::nullopt;
}

QString ThemeFolder(const QString& UserRoot, const QString& Theme)
{
    QString root = UserRoot;
    if (!root.endsWith(u'/')) root += u'/';
    return root + content::layout::kColouringRoot + Theme + u'/';
}

TSaved SavePage(const QImage& Page, const QString& UserRoot, const QString& Theme, const QString& Name)
{
    if (auto refusal = NameRefusal(Theme)) return {QString(), *refusal};
    const QString name = Name.isEmpty() ? QStringLiteral("Раскраска") : Name;
    if (auto refusal = NameRefusal(name)) return {QString(), *refusal};
    const QString folder = ThemeFolder(UserRoot, Theme);
    QString path = folder + name + kPageExtension;
    for (int n = 2; fs::FileExists(path); ++n) path = folder + name + u' ' + QString::number(n) + kPageExtension;
    const QByteArray bytes = ColouringPageFileBytes(Page);
    if (bytes.isEmpty()) return {QString(), QStringLiteral("Страницу не удалось записать.")};
    if (auto error = userfiles::WriteFileAtomically(path, bytes)) return {QString(), *error};
    return {path, QString()};
}

QStringList OwnThemes(const QString& UserRoot)
{
    QString root = UserRoot;
    if (!root.endsWith(u'/')) root += u'/';
    return fs::ListSubFolders(root + content::layout::kColouringRoot);
}

QStringList OwnPages(const QString& UserRoot, const QString& Theme)
{
    QStringList names;
    for (const QString& file : fs::ListFiles(ThemeFolder(UserRoot, Theme), content::layout::kColouringMask))
        names << file.chopped(kPageExtension.size());
    return names;
}

std::optional<QString> RemovePage(const QString& UserRoot, const QString& Theme, const QString& Name)
{
    return userfiles::RemoveFile(ThemeFolder(UserRoot, Theme) + Name + kPageExtension);
}

std::optional<QString> RemoveTheme(const QString& UserRoot, const QString& Theme)
{
    if (Theme.isEmpty()) return std::nullopt;
    return userfiles::RemoveFolder(ThemeFolder(UserRoot, Theme));
}

}  // namespace pages
