#include "games/GameLetterPanels.h"

#include "letters/Letter.h"
#include "platform/widgets/Accessibility.h"

TMakeWWordLetterPanel::TMakeWWordLetterPanel(TCollection* Board) : TLetterPanel(Board)
{
    ui::SetAccessible(Panel, ui::TAccessRole::StaticText);
}

QString TMakeWWordLetterPanel::AccessibleName() const
{
    if (Letter().UpperLetter == 0) return QStringLiteral("Пропущенная буква");
    return TLetterPanel::AccessibleName();
}

TRusExamLetterPanelCollection::TRusExamLetterPanelCollection(TAppContext& Context)
    : TRusLetterPanelCollection(Context, TItemClass::Of<TLetterPanel>())
{
    ExamColumns = 6;
    ExamRows = 6;
}

void TRusExamLetterPanelCollection::Reshuffle()
{
    Shuffle();
}

TRusPicLetterPanelCollection::TRusPicLetterPanelCollection(TAppContext& Context)
    : TRusLetterPanelCollection(Context, TItemClass::Of<TLetterPanel>())
{
    TileStyle = tsCaptions;
}

TRusMakeWLetterPanelCollection::TRusMakeWLetterPanelCollection(TAppContext& Context)
    : TRusLetterPanelCollection(Context, TItemClass::Of<TLetterPanel>())
{}

TRusMakeWWordLetterPanelCollection::TRusMakeWWordLetterPanelCollection(TAppContext& Context)
    : TRusLetterPanelCollection(Context, TItemClass::Of<TMakeWWordLetterPanel>())
{}
