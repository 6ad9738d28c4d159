// A syllable tile's lettering is whole: the widest syllables ("МЮ", "ЩЁ") are set smaller to fit the
// tile, the narrow ones keep their full size.
#include "core/Syllables.h"
#include "platform/widgets/Label.h"
#include "slogi/SlogLook.h"
#include "slogi/SlogTile.h"

#include <QFontMetrics>
#include <QWidget>

#include <gtest/gtest.h>

TEST(SlogTile, EverySyllableFitsItsTileAndNarrowOnesKeepTheirSize)
{
    QWidget parent;
    parent.resize(1280, 800);
    const TSlogTileLook look{Qt::white, Qt::black, 120};
    const TSlogTile tile = MakeTextTile(&parent, QStringLiteral("Tile"), look, {});
    int fullSize = 0;
    for (const QRect base : {QRect(0, 0, 220, 200), QRect(0, 0, 150, 150)})
        for (const syllables::TSyllable& s : syllables::AllSyllables()) {
            tile.Show(s.Text.toUpper(), slog_look::ColouredText(s.Text), base);
            const int advance = QFontMetrics(tile.Caption->font()).horizontalAdvance(s.Text.toUpper());
            EXPECT_LE(advance, tile.Caption->width()) << s.Text.toStdString() << " in " << base.width();
            if (tile.Caption->font().pixelSize() == look.FontPixels) ++fullSize;
        }
    EXPECT_GT(fullSize, 0) << "the narrow syllables keep the full size";
    tile.Show(QStringLiteral("Слог МЮ"), slog_look::ColouredText(QStringLiteral("мю")), QRect(0, 0, 220, 200));
    EXPECT_LT(tile.Caption->font().pixelSize(), look.FontPixels);
}
