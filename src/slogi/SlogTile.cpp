#include "slogi/SlogTile.h"

#include "platform/widgets/Accessibility.h"
#include "platform/widgets/Align.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/Style.h"
#include "slogi/SlogLook.h"

#include <QFontMetrics>
#include <QPointer>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

constexpr int kPictureMargin = 8;     // TSlogScreen::kPictureSide is a picture tile less two of these
constexpr int kLetteringMargin = 10;  // free space each side of the widest lettering, bevels included
constexpr int kSmallestLettering = 24;

// The largest size up to Pixels at which Html's text fits in Width.
int FittingPixels(QFont Font, int Pixels, const QString& Html, int Width)
{
    const QString text = QTextDocumentFragment::fromHtml(Html).toPlainText();
    for (; Pixels > kSmallestLettering; Pixels -= 4) {
        Font.setPixelSize(Pixels);
        if (QFontMetrics(Font).horizontalAdvance(text) <= Width) break;
    }
    return std::max(Pixels, kSmallestLettering);
}

TPanel* TilePanel(QWidget* Parent, const QString& Name, const TSlogTileLook& Look)
{
    auto* panel = new TPanel(Parent);
    panel->setObjectName(Name + QStringLiteral("Panel"));
    panel->SetColor(Look.Face);
    panel->SetBevelOuter(TBevel::Raised);
    panel->SetBevelInner(TBevel::Raised);
    panel->SetBorderWidth(2);
    ui::SetBase(panel, QRect(0, 0, slog_look::kMinTile, slog_look::kMinTile), akNone);
    panel->hide();
    return panel;
}

TLabel* ClickArea(TPanel* Panel, const QString& Name, std::function<void()> Click)
{
    auto* label = new TLabel(Panel);
    label->setObjectName(Name);
    ui::SetBase(label, Panel->AlignClientRect(), TAlign::Client);
    label->SetHandCursor(true);
    if (Click) QObject::connect(label, &TLabel::Clicked, label, std::move(Click));
    QObject::connect(label, &TLabel::MouseDown, Panel, [Panel] { Panel->SetBevelOuter(TBevel::Lowered); });
    QObject::connect(label, &TLabel::MouseUp, Panel, [Panel] { Panel->SetBevelOuter(TBevel::Raised); });
    ui::SetAccessible(Panel, ui::TAccessRole::Button, [l = QPointer<TLabel>(label)] {
        if (l) l->Press();
    });
    return label;
}

}  // namespace

TSlogTile MakeTextTile(QWidget* Parent, const QString& Name, const TSlogTileLook& Look, std::function<void()> Click)
{
    TSlogTile tile;
    tile.Panel = TilePanel(Parent, Name, Look);
    tile.Caption = ClickArea(tile.Panel, Name + QStringLiteral("Label"), std::move(Click));
    tile.Caption->setAlignment(Qt::AlignCenter);
    tile.Caption->setTextFormat(Qt::RichText);
    ui::SetFont(tile.Caption, slog_look::TileFont(Look.FontPixels), Look.Lettering);
    tile.ClickLabel = tile.Caption;
    tile.FontPixels = Look.FontPixels;
    return tile;
}

TSlogTile MakePictureTile(QWidget* Parent, const QString& Name, const TSlogTileLook& Look, std::function<void()> Click)
{
    TSlogTile tile;
    tile.Panel = TilePanel(Parent, Name, Look);
    tile.Picture = new TImage(tile.Panel);
    tile.Picture->setObjectName(Name + QStringLiteral("Image"));
    ui::SetBase(tile.Picture, tile.Panel->rect().adjusted(kPictureMargin, kPictureMargin, -kPictureMargin, -kPictureMargin),
                akAll);
    tile.Picture->SetStretch(true);
    tile.Picture->SetProportional(true);
    tile.Picture->SetCenter(true);
    tile.ClickLabel = ClickArea(tile.Panel, Name + QStringLiteral("ClickLabel"), std::move(Click));
    tile.ClickLabel->raise();
    return tile;
}

void TSlogTile::Place(const QRect& Base, TAnchors Anchors) const
{
    ui::SetBase(Panel, Base, Anchors);
    // The tile's own parts are laid out anew at its new base size.
    const QRect inside(QPoint(0, 0), Base.size());
    if (Picture)
        ui::SetBase(Picture, inside.adjusted(kPictureMargin, kPictureMargin, -kPictureMargin, -kPictureMargin), akAll);
    ui::SetBase(ClickLabel, Panel->AlignClientRect(), TAlign::Client);
    ui::Realign(Panel->parentWidget());
}

void TSlogTile::Show(const QString& Name, const QString& Html, const QRect& Base) const
{
    Panel->setAccessibleName(Name);
    Place(Base, akNone);
    if (Caption) {
        // Fitted to the narrower of the tile's base width and the width it has now (a window smaller
        // than its base size shrinks it), so the lettering is whole at either.
        const int width = std::min(Base.width(), Panel->width()) - 2 * kLetteringMargin;
        QFont font = Caption->font();
        font.setPixelSize(FittingPixels(font, FontPixels, Html, width));
        Caption->setFont(font);
        Caption->setText(Html);
    }
    Panel->show();
}

void TSlogTile::Hide() const
{
    Panel->hide();
}

bool TSlogTile::Shown() const
{
    return !Panel->isHidden();
}

void TSlogTile::Press() const
{
    ClickLabel->Press();
}

ui::TKeyItem TSlogTile::KeyItem() const
{
    TLabel* label = ClickLabel;
    return {Panel, [label] { label->Press(); }, label};
}
