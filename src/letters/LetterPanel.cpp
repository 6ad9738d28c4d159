#include "letters/LetterPanel.h"

#include "core/AppContext.h"
#include "letters/Letter.h"
#include "letters/LetterPanelCollection.h"
#include "platform/widgets/Accessibility.h"
#include "platform/widgets/Align.h"
#include "platform/widgets/Fonts.h"

#include <QPointer>

namespace {

constexpr int kImageMargin = 2;

// The caption font: "Arial" at a size in points, as characters of that height on a 96-dpi screen.
QFont CaptionFont(int Points)
{
    return fonts::StandIn(QStringLiteral("Arial"), (Points * 96 + 36) / 72);
}

}  // namespace

// Hidden in the parking panel until the board lays the tile out.
TLetterPanel::TLetterPanel(TCollection* Board) : TCollectionItem(Board), Panel(new TPanel(Context().SourcePanel))
{
    // Every tile of every board has the same names; assistive technology and tests tell them apart
    // by the letter each one names (accessibleName).
    Panel->setObjectName(QStringLiteral("LetterTilePanel"));
    Panel->setGeometry(20, 10, 60, 40);
    Panel->SetDoubleBuffered(true);

    Image = new TImage(Panel);
    Image->setObjectName(QStringLiteral("LetterTileImage"));
    Image->setGeometry(kImageMargin, kImageMargin, Panel->width() - 2 * kImageMargin, Panel->height() - 2 * kImageMargin);
    ui::SetAnchors(Image, akAll);
    Image->SetStretch(true);
    Image->SetCenter(true);
    Image->SetProportional(false);

    LetterLabel = new TLabel(Panel);
    LetterLabel->setObjectName(QStringLiteral("LetterTileLabel"));
    LetterLabel->setGeometry(0, 0, Panel->width(), 40);
    LetterLabel->setFont(CaptionFont(20));
    LetterLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui::SetAnchors(LetterLabel, akLeft | akRight);

    ClickLabel = new TLabel(Panel);
    ClickLabel->setObjectName(QStringLiteral("LetterTileClickLabel"));
    ui::SetAlign(ClickLabel, TAlign::Client);
    ClickLabel->SetHandCursor(true);
    QObject::connect(ClickLabel, &TLabel::Clicked, [this] { LetterClick(); });
    QObject::connect(ClickLabel, &TLabel::MouseDown, [this] { ClickLabelMouseDown(); });
    QObject::connect(ClickLabel, &TLabel::MouseUp, [this] { ClickLabelMouseUp(); });

    // Bottom to top: the caption, the picture over it, the click area over everything.
    Image->raise();
    ClickLabel->raise();

    ui::SetAccessible(Panel, ui::TAccessRole::Button, [label = QPointer<TLabel>(ClickLabel)] {
        if (label) label->Press();
    });
}

TLetterPanel::~TLetterPanel() = default;

void TLetterPanel::LetterClick()
{
    Board().AnnouncePick(Letter());
}

void TLetterPanel::ClickLabelMouseDown()
{
    Panel->SetBevelOuter(TBevel::Lowered);
}
void TLetterPanel::ClickLabelMouseUp()
{
    Panel->SetBevelOuter(TBevel::Raised);
}

QString TLetterPanel::AccessibleName() const
{
    const QString capital = cp1251::ToUnicode(cp1251::LetterString(Letter().UpperLetter));
    return (Board().BuiltMode == lsSounds ? QStringLiteral("Звук ") : QStringLiteral("Буква ")) + capital;
}

void TLetterPanel::SetCaptionLayout(int FontPoints, int Height, int Top)
{
    LetterLabel->setFont(CaptionFont(FontPoints));
    LetterLabel->setGeometry(0, Top, LetterLabel->width(), Height);
}

void TLetterPanel::Place(QWidget* Container, int Left, int Top, int Width, int Height)
{
    Panel->setParent(Container);
    Panel->setGeometry(Left, Top, Width, Height);
    ui::Realign(Panel);
    Panel->show();
}

TRusLetterPanelCollection& TLetterPanel::Board() const
{
    return *static_cast<TRusLetterPanelCollection*>(Collection());
}

TLetter& TLetterPanel::Letter() const
{
    return *Board().Letters->GetLetter(static_cast<unsigned short>(Index()));
}

TAppContext& TLetterPanel::Context() const
{
    return Board().Context();
}

void TSndLetterPanel::LetterClick()
{
    SayLetter(spTell);
    TLetterPanel::LetterClick();
}

void TSndLetterPanel::SayLetter(short Purpose)
{
    ::SayLetter(Context(), Letter(), Purpose);
}
