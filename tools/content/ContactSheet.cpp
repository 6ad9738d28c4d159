#include "content/ContactSheet.h"

#include "core/ContentLayout.h"
#include "pictures/PictureDecoding.h"
#include "platform/FileSystem.h"
#include "platform/widgets/Fonts.h"

#include <QPainter>

namespace content {

namespace {
struct TThumb {
    QImage Image;
    QString Caption;
};

// A block of thumbnails in rows of Columns, each Cell large, with its caption below.
int DrawBlock(QPainter& P, int Top, const QString& Title, const QList<TThumb>& Thumbs, QSize Cell, int Columns)
{
    P.setPen(Qt::black);
    P.setFont(fonts::StandIn(QStringLiteral("Arial"), 28, true));
    P.drawText(20, Top + 34, Title);
    Top += 50;
    P.setFont(fonts::StandIn(QStringLiteral("Arial"), 16));
    for (qsizetype i = 0; i < Thumbs.size(); ++i) {
        const int x = 20 + int(i % Columns) * (Cell.width() + 12);
        const int y = Top + int(i / Columns) * (Cell.height() + 34);
        const QImage scaled = Thumbs[i].Image.scaled(Cell, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        P.drawImage(x + (Cell.width() - scaled.width()) / 2, y, scaled);
        P.drawRect(x + (Cell.width() - scaled.width()) / 2, y, scaled.width() - 1, scaled.height() - 1);
        P.drawText(QRect(x, y + Cell.height() + 2, Cell.width(), 28), Qt::AlignHCenter | Qt::AlignTop, Thumbs[i].Caption);
    }
    const int rows = int((Thumbs.size() + Columns - 1) / Columns);
    return Top + rows * (Cell.height() + 34) + 20;
}

QList<TThumb> Read(const QString& Folder, const QString& Mask, TDecodedPicture (*Decode)(const QString&))
{
    QList<TThumb> thumbs;
    for (const QString& name : fs::ListFiles(Folder, Mask)) {
        const TDecodedPicture picture = Decode(Folder + name);
        thumbs.append({picture ? *picture : QImage(), name.section(u'.', 0, 0)});
    }
    return thumbs;
}
}  // namespace

QImage ContactSheet(const QString& Root)
{
    const QString root = Root.endsWith(u'/') ? Root : Root + u'/';
    const QList<TThumb> letters = Read(root + layout::kLetterPictures, QStringLiteral("*.jpg"), DecodeJpegFile);
    const QList<TThumb> words = Read(root + layout::kWordPictures, layout::kWordPictureMask, DecodeJpegFile);
    QList<TThumb> pages;
    for (const QString& theme : fs::ListSubFolders(root + layout::kColouringRoot))
        for (TThumb t : Read(root + layout::kColouringRoot + theme + u'/', layout::kColouringMask, DecodeScrambledFile)) {
            t.Caption = theme + QStringLiteral(": ") + t.Caption;
            pages.append(t);
        }

    const int width = 20 + 10 * (180 + 12);
    const auto height = [](qsizetype n, int columns, int cell) {
        return 50 + int((n + columns - 1) / columns) * (cell + 34) + 20;
    };
    QImage sheet(width, height(letters.size(), 10, 120) + height(words.size(), 10, 135) + height(pages.size(), 8, 320),
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    int top = DrawBlock(p, 0, QStringLiteral("Pic/Alphabet/Rus"), letters, QSize(180, 120), 10);
    top = DrawBlock(p, top, QStringLiteral("Pic/Images/Rus"), words, QSize(180, 135), 10);
    DrawBlock(p, top, QStringLiteral("Pic/Raskraska"), pages, QSize(226, 320), 8);
    return sheet;
}

}  // namespace content
