#include "pictures/ImgPanel.h"

#include "core/AppContext.h"
#include "pictures/ImgPanelCollection.h"
#include "pictures/TileGeometry.h"
#include "platform/widgets/Accessibility.h"
#include "platform/widgets/Align.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"

#include <QPointer>

namespace {

const QColor kTileColour(0xFF, 0x00, 0x00);  // shows as a frame around the picture
const QRect kNewTileBounds(20, 100, 60, 40);
const int kImageSideMargin = kTileImageSideMargin;
const int kImageTopMargin = kTileImageTopMargin;

}  // namespace

TImgPanel::TImgPanel(TCollection* Strip)
    : TCollectionItem(Strip),
      FPanel(new TPanel(Context().SourcePanel)),
      FClickLabel(new TLabel(FPanel)),
      FImage(new TImage(FPanel))
{
    // Every picture tile has the same names; they are told apart by their word (accessibleName).
    FPanel->setObjectName(QStringLiteral("PictureTilePanel"));
    FClickLabel->setObjectName(QStringLiteral("PictureTileClickLabel"));
    FImage->setObjectName(QStringLiteral("PictureTileImage"));
    FPanel->setGeometry(kNewTileBounds);
    FPanel->SetColor(kTileColour);
    FPanel->SetDoubleBuffered(true);

    FImage->setGeometry(kImageSideMargin, kImageTopMargin, kNewTileBounds.width() - 2 * kImageSideMargin,
                        kNewTileBounds.height() - 2 * kImageTopMargin);
    ui::SetAnchors(FImage, akAll);  // keeps its margins when the strip resizes the tile
    FImage->SetStretch(true);
    FImage->SetCenter(true);

    FClickLabel->setGeometry(FPanel->rect());
    ui::SetAlign(FClickLabel, TAlign::Client);
    FClickLabel->SetHandCursor(true);
    // The label lies on top and takes every click; the picture shows through it.
    FImage->raise();
    FClickLabel->raise();
    QObject::connect(FClickLabel, &TLabel::Clicked, FClickLabel, [this] { PictureClick(); });
    QObject::connect(FClickLabel, &TLabel::MouseDown, FClickLabel, [this] { ClickLabelMouseDown(); });
    QObject::connect(FClickLabel, &TLabel::MouseUp, FClickLabel, [this] { ClickLabelMouseUp(); });
    ui::SetAccessible(FPanel, ui::TAccessRole::Button, [label = QPointer<TLabel>(FClickLabel.data())] {
        if (label) label->Press();
    });
    FPanel->setAccessibleName(AccessibleName());
    FPanel->show();
}

TImgPanel::~TImgPanel() = default;

TPanel* TImgPanel::Panel() const
{
    return FPanel;
}
TImage* TImgPanel::Image() const
{
    return FImage;
}
TLabel* TImgPanel::ClickLabel() const
{
    return FClickLabel;
}

void TImgPanel::PictureClick() {}

void TImgPanel::SelectPicture() {}

void TImgPanel::ClickLabelMouseDown()
{
    FPanel->SetBevelOuter(TBevel::Lowered);
}

void TImgPanel::ClickLabelMouseUp()
{
    FPanel->SetBevelOuter(TBevel::Raised);
}

void TImgPanel::SetTileVisible(bool Visible)
{
    FPanel->setVisible(Visible);
}

bool TImgPanel::IsTileVisible() const
{
    return !FPanel->isHidden();
}

QString TImgPanel::AccessibleName() const
{
    return Name.empty() ? QStringLiteral("Картинка") : cp1251::ToUnicode(Name);
}

void TImgPanel::ShowInBigImage() const
{
    TImage* big = Strip().BigImage;
    if (!big) return;
    Strip().ShowLarge(*this);  // read again at the size the big picture shows it
    big->setAccessibleName(AccessibleName());
}

TImgPanelCollection& TImgPanel::Strip() const
{
    return *static_cast<TImgPanelCollection*>(Collection());
}

TAppContext& TImgPanel::Context() const
{
    return Strip().Context();
}

void TRaskrasImgPanel::PictureClick()
{
    SelectPicture();
}

void TRaskrasImgPanel::SelectPicture()
{
    ShowInBigImage();
}
