#pragma once
// The letter boards of the three games that judge a pick: the examination, "Найди букву" and
// "Дед Буквоед", and the missing-letter game's word row. Their tiles only announce a pick through
// their board (LetterPicked); the game joined to the board judges it.
#include "letters/LetterPanel.h"
#include "letters/LetterPanelCollection.h"

// A cell of the missing-letter game's word: it only shows its letter, and assistive technology
// reads it as text; the hidden letter's cell is "Пропущенная буква".
class TMakeWWordLetterPanel : public TLetterPanel {
public:
    explicit TMakeWWordLetterPanel(TCollection* Board);
    QString AccessibleName() const override;
};

// The examination board: 6 × 6 cells, the letters in a new random order at every opening.
class TRusExamLetterPanelCollection : public TRusLetterPanelCollection {
public:
    explicit TRusExamLetterPanelCollection(TAppContext& Context);
    void Reshuffle();
};

// "Найди букву"'s choice of the 33 letters, captions only.
class TRusPicLetterPanelCollection : public TRusLetterPanelCollection {
public:
    explicit TRusPicLetterPanelCollection(TAppContext& Context);
};

// "Дед Буквоед"'s choice of the 33 letters.
class TRusMakeWLetterPanelCollection : public TRusLetterPanelCollection {
public:
    explicit TRusMakeWLetterPanelCollection(TAppContext& Context);
};

class TRusMakeWWordLetterPanelCollection : public TRusLetterPanelCollection {
public:
    explicit TRusMakeWWordLetterPanelCollection(TAppContext& Context);
};
