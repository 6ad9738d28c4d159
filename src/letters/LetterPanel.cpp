#include "letters/LetterPanel.h"

#include "app/AppContext.h"
#include "games/ExamGame.h"
#include "games/MakeWBuffer.h"
#include "games/PicGameBuffer.h"
#include "letters/Letter.h"
#include "letters/LetterPanelCollection.h"
#include "platform/Fonts.h"
#include "sound/Speech.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

// Provisional widgets until the toolkit's image and click label are in place.
class TTileImage : public QWidget {
public:
    using QWidget::QWidget;
    QImage Picture;
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (Picture.isNull()) return;
        QPainter p(this);
        p.drawImage(rect(), Picture);
    }
};

class TTileClickLabel : public QWidget {
public:
    TTileClickLabel(QWidget* Parent, TLetterPanel* Tile) : QWidget(Parent), FTile(Tile) {}
protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        FPressedButton = e->button();
        FTile->ClickLabelMouseDown();
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const bool click = e->button() == Qt::LeftButton && FPressedButton == Qt::LeftButton && rect().contains(e->position().toPoint());
        FPressedButton = Qt::NoButton;
        FTile->ClickLabelMouseUp();
        if (click) FTile->LetterClick();
    }
private:
    TLetterPanel* FTile;
    Qt::MouseButton FPressedButton = Qt::NoButton;
};

namespace {
constexpr int kImageMargin = 2;
}

TLetterPanel::TLetterPanel(TCollection* Board) : TCollectionItem(Board)
{
    FPanel = new QFrame(Context().SourcePanel);
    FPanel->setGeometry(20, 10, 60, 40);
    FPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    FPanel->setLineWidth(1);

    FImage = new TTileImage(FPanel);
    FImage->setGeometry(kImageMargin, kImageMargin, 60 - 2 * kImageMargin, 40 - 2 * kImageMargin);

    FLetterLabel = new QLabel(FPanel);
    FLetterLabel->setGeometry(0, 0, 60, 40);
    FLetterLabel->setFont(fonts::Design("Arial", 20 * 96 / 72));
    FLetterLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    FClickLabel = new TTileClickLabel(FPanel, this);
    FClickLabel->setGeometry(FPanel->rect());
    FClickLabel->setCursor(Qt::PointingHandCursor);

    FImage->raise();
    FClickLabel->raise();
}

TLetterPanel::~TLetterPanel()
{
    delete FPanel.data();
}

QWidget* TLetterPanel::Image() const { return FImage; }
QWidget* TLetterPanel::ClickLabel() const { return FClickLabel; }

void TLetterPanel::LetterClick() {}

void TLetterPanel::ClickLabelMouseDown() { FPanel->setFrameShadow(QFrame::Sunken); }
void TLetterPanel::ClickLabelMouseUp() { FPanel->setFrameShadow(QFrame::Raised); }
bool TLetterPanel::Pressed() const { return FPanel->frameShadow() == QFrame::Sunken; }

void TLetterPanel::SetCaption(const QString& Caption) { FLetterLabel->setText(Caption); }
QString TLetterPanel::Caption() const { return FLetterLabel->text(); }
void TLetterPanel::SetPicture(const QImage& Picture)
{
    FImage->Picture = Picture;
    FImage->update();
}
QImage TLetterPanel::Picture() const { return FImage->Picture; }

void TLetterPanel::SetCaptionLayout(int FontPoints, int Height, int Top)
{
    FLetterLabel->setFont(fonts::Design("Arial", FontPoints * 96 / 72));
    FLetterLabel->setGeometry(0, Top, FPanel->width(), Height);
}

void TLetterPanel::Place(QWidget* Container, int Left, int Top, int Width, int Height)
{
    FPanel->setParent(Container);
    FPanel->setGeometry(Left, Top, Width, Height);
    FImage->setGeometry(kImageMargin, kImageMargin, Width - 2 * kImageMargin, Height - 2 * kImageMargin);
    FLetterLabel->setGeometry(0, FLetterLabel->y(), Width, FLetterLabel->height());
    FClickLabel->setGeometry(0, 0, Width, Height);
    FPanel->show();
}

TRusLetterPanelCollection& TLetterPanel::Board() const
{
    return *static_cast<TRusLetterPanelCollection*>(Collection());
}

TLetter& TLetterPanel::Letter() const
{
    return *Board().Letters->GetLetter(static_cast<unsigned short>(Index()));
}

TAppContext& TLetterPanel::Context() const { return Board().Context(); }

void TSndLetterPanel::LetterClick() { SayLetter(spTell); }

void TSndLetterPanel::SayLetter(short Purpose)
{
    const TSettings& s = Context().Settings;
    const QString letterFile = cp1251::ToUnicode(Letter().SoundFileName);
    const QString voice = s.SoundRoot + s.VoiceFolder;
    const QString phrases = voice + QStringLiteral("Фразы/");
    const bool names = s.LetterSetMode == lsNames;
    if (s.LetterSetMode != lsNames && s.LetterSetMode != lsSounds) return;
    const QString letterFolder = voice + (names ? QStringLiteral("Буквы/") : QStringLiteral("Звуки/"));
    QString phrase;
    if (Purpose == spTell)
        phrase = names ? QStringLiteral("Буква.mp3") : QStringLiteral("Звук.mp3");
    else if (Purpose == spAsk)
        phrase = names ? QStringLiteral("Покажи_букву.mp3") : QStringLiteral("Звучит_как.mp3");
    else
        return;
    Context().Speech->PlaySoundPair(phrases + phrase, letterFolder + letterFile);
}

void TExamLetterPanel::LetterClick()
{
    Context().Objects.ExamGame->Answer(Letter().LowerLetter);
}

void TPicLetterPanel::LetterClick()
{
    if (!dynamic_cast<TRusPicLetterPanelCollection*>(Collection())) throw EInvalidCast("Invalid class typecast");
    TPicGameBuffer& game = *Context().Objects.PicGameBuffer;
    if (cp1251::LetterString(Letter().LowerLetter) == game.TargetLetter)
        game.RightAnswer();
    else
        game.WrongAnswer();
}

void TMakeWLetterPanel::LetterClick()
{
    if (!dynamic_cast<TRusMakeWLetterPanelCollection*>(Collection())) throw EInvalidCast("Invalid class typecast");
    TMakeWBuffer& game = *Context().Objects.MakeWBuffer;
    if (cp1251::LetterString(Letter().LowerLetter) == game.MissingLetter())
        game.RightAnswer();
    else
        game.WrongAnswer();
}
