#include "games/GameLetterPanels.h"

#include "games/GameObjects.h"
#include "letters/Letter.h"
#include "platform/Accessibility.h"

void TExamLetterPanel::LetterClick()
{
    static_cast<TRusExamLetterPanelCollection&>(Board()).Objects.ExamGame->Answer(Letter().LowerLetter);
}

void TPicLetterPanel::LetterClick()
{
    auto* board = dynamic_cast<TRusPicLetterPanelCollection*>(Collection());
    if (!board) throw EInvalidCast("Invalid class typecast");
    TPicGameBuffer& game = *board->Objects.PicGameBuffer;
    if (cp1251::LetterString(Letter().LowerLetter) == game.TargetLetter)
        game.RightAnswer();
    else
        game.WrongAnswer();
}

void TMakeWLetterPanel::LetterClick()
{
    auto* board = dynamic_cast<TRusMakeWLetterPanelCollection*>(Collection());
    if (!board) throw EInvalidCast("Invalid class typecast");
    TMakeWBuffer& game = *board->Objects.MakeWBuffer;
    if (cp1251::LetterString(Letter().LowerLetter) == game.MissingLetter())
        game.RightAnswer();
    else
        game.WrongAnswer();
}

TMakeWWordLetterPanel::TMakeWWordLetterPanel(TCollection* Board) : TLetterPanel(Board)
{
    ui::SetAccessible(Panel, ui::TAccessRole::StaticText);
}

QString TMakeWWordLetterPanel::AccessibleName() const
{
    if (Letter().UpperLetter == 0) return QStringLiteral("Пропущенная буква");
    return TLetterPanel::AccessibleName();
}

TRusExamLetterPanelCollection::TRusExamLetterPanelCollection(TAppContext& Context, TGameObjects& GameObjects)
    : TRusLetterPanelCollection(Context, TItemClass::Of<TExamLetterPanel>()), Objects(GameObjects)
{
    ExamColumns = 6;
    ExamRows = 6;
}

void TRusExamLetterPanelCollection::Reshuffle()
{
    Shuffle();
}

TExamLetterPanel* TRusExamLetterPanelCollection::GetExamTile(unsigned short Index) const
{
    return static_cast<TExamLetterPanel*>(GetTile(Index));
}

TRusPicLetterPanelCollection::TRusPicLetterPanelCollection(TAppContext& Context, TGameObjects& GameObjects)
    : TRusLetterPanelCollection(Context, TItemClass::Of<TPicLetterPanel>()), Objects(GameObjects)
{
    TileStyle = tsCaptions;
}

TRusMakeWLetterPanelCollection::TRusMakeWLetterPanelCollection(TAppContext& Context, TGameObjects& GameObjects)
    : TRusLetterPanelCollection(Context, TItemClass::Of<TMakeWLetterPanel>()), Objects(GameObjects)
{}

TRusMakeWWordLetterPanelCollection::TRusMakeWWordLetterPanelCollection(TAppContext& Context)
    : TRusLetterPanelCollection(Context, TItemClass::Of<TMakeWWordLetterPanel>())
{}
