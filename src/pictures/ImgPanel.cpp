#include "pictures/ImgPanel.h"

#include "app/AppContext.h"
#include "games/MakeWBuffer.h"
#include "games/PicGameBuffer.h"
#include "pictures/ImgPanelCollection.h"
#include "platform/Align.h"
#include "platform/Image.h"
#include "platform/Label.h"
#include "platform/Panel.h"
#include "platform/Random.h"

namespace {

const QColor kTileColour(0xFF, 0x00, 0x00);  // shows as a frame around the picture
const QRect kNewTileBounds(20, 100, 60, 40);
const int kImageSideMargin = 3;
const int kImageTopMargin = 4;

template <class T>
T* FindInWindow(const TAppContext& Context, const char* Name)
{
    return Context.MainWindow ? Context.MainWindow->findChild<T*>(QString::fromLatin1(Name)) : nullptr;
}

// Shows Picture as the current picture of the screen whose big image is called ImageName.
void ShowBig(const TAppContext& Context, const char* ImageName, const QImage& Picture)
{
    if (TImage* big = FindInWindow<TImage>(Context, ImageName)) big->SetPicture(Picture);
}

}  // namespace

TImgPanel::TImgPanel(TCollection* Strip) : TCollectionItem(Strip)
{
    FPanel = new TPanel(Context().SourcePanel);
    FPanel->setGeometry(kNewTileBounds);
    FPanel->SetColor(kTileColour);
    FPanel->SetDoubleBuffered(true);

    FImage = new TImage(FPanel);
    FImage->setGeometry(kImageSideMargin, kImageTopMargin, kNewTileBounds.width() - 2 * kImageSideMargin,
                        kNewTileBounds.height() - 2 * kImageTopMargin);
    ui::SetAnchors(FImage, akAll);  // keeps its margins when the strip resizes the tile
    FImage->SetStretch(true);
    FImage->SetCenter(true);

    FClickLabel = new TLabel(FPanel);
    FClickLabel->setGeometry(FPanel->rect());
    ui::SetAlign(FClickLabel, TAlign::Client);
    FClickLabel->SetHandCursor(true);
    // The label lies on top and takes every click; the picture shows through it.
    FImage->raise();
    FClickLabel->raise();
    QObject::connect(FClickLabel, &TLabel::Clicked, FClickLabel, [this] { PictureClick(); });
    QObject::connect(FClickLabel, &TLabel::MouseDown, FClickLabel, [this] { ClickLabelMouseDown(); });
    QObject::connect(FClickLabel, &TLabel::MouseUp, FClickLabel, [this] { ClickLabelMouseUp(); });
    FPanel->show();
}

TImgPanel::~TImgPanel()
{
    // The window may already have destroyed the widgets at program end.
    delete FImage.data();
    delete FClickLabel.data();
    delete FPanel.data();
}

TPanel* TImgPanel::Panel() const { return FPanel; }
TImage* TImgPanel::Image() const { return FImage; }
TLabel* TImgPanel::ClickLabel() const { return FClickLabel; }

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

TImgPanelCollection& TImgPanel::Strip() const
{
    return *static_cast<TImgPanelCollection*>(Collection());
}

TAppContext& TImgPanel::Context() const
{
    return Strip().Context();
}

void TFirstLImgPanel::PictureClick()
{
    SelectPicture();
}

void TFirstLImgPanel::SelectPicture()
{
    ShowBig(Context(), kFirstLBigImageName, Image()->Picture());
    Strip().SelectedIndex = Index();
    // A picture without a name has no first letter: no pick can then be right.
    Context().Objects.PicGameBuffer->TargetLetter = Name.empty() ? AnsiString() : Name.substr(0, 1);
}

void TMakeWImgPanel::PictureClick()
{
    SelectPicture();
}

void TMakeWImgPanel::SelectPicture()
{
    ShowBig(Context(), kMakeWBigImageName, Image()->Picture());
    Strip().SelectedIndex = Index();
    Randomize();
    MissingPos = Random(static_cast<int>(Name.size())) + 1;
    TMakeWBuffer& game = *Context().Objects.MakeWBuffer;
    game.MissingPos = MissingPos;
    game.CurrentWord = Name;
    game.ShowWord(FindInWindow<QWidget>(Context(), kMakeWWordPanelName));
}

void TRaskrasImgPanel::PictureClick()
{
    SelectPicture();
}

void TRaskrasImgPanel::SelectPicture()
{
    ShowBig(Context(), kRasBigImageName, Image()->Picture());
}
