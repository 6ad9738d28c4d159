#pragma once
// The letter tiles and boards of the three games that judge a pick: the examination, "Найди
// букву" and "Дед Буквоед", and the missing-letter game's word row. A board knows the game
// objects, so that its tiles can hand a click to their game.
#include "letters/LetterPanel.h"
#include "letters/LetterPanelCollection.h"

struct TGameObjects;

// The examination board's tile: a click answers the question asked.
class TExamLetterPanel : public TSndLetterPanel {
public:
    using TSndLetterPanel::TSndLetterPanel;
    void LetterClick() override;
};

// The find-the-first-letter choice: a click judges the letter against the picture's first letter.
class TPicLetterPanel : public TLetterPanel {
public:
    using TLetterPanel::TLetterPanel;
    void LetterClick() override;
};

// The missing-letter choice: a click judges the letter against the one left out of the word.
class TMakeWLetterPanel : public TLetterPanel {
public:
    using TLetterPanel::TLetterPanel;
    void LetterClick() override;
};

// A cell of the missing-letter game's word: it only shows its letter, and assistive technology
// reads it as text; the hidden letter's cell is "Пропущенная буква".
class TMakeWWordLetterPanel : public TLetterPanel {
public:
    explicit TMakeWWordLetterPanel(TCollection* Board);
    QString AccessibleName() const override;
};

class TRusExamLetterPanelCollection : public TRusLetterPanelCollection {
public:
    TRusExamLetterPanelCollection(TAppContext& Context, TGameObjects& Objects);
    // A new random order of the letters each time the examination opens.
    void Reshuffle();
    TExamLetterPanel* GetExamTile(unsigned short Index) const;

    TGameObjects& Objects;
};

class TRusPicLetterPanelCollection : public TRusLetterPanelCollection {
public:
    TRusPicLetterPanelCollection(TAppContext& Context, TGameObjects& Objects);

    TGameObjects& Objects;
};

class TRusMakeWLetterPanelCollection : public TRusLetterPanelCollection {
public:
    TRusMakeWLetterPanelCollection(TAppContext& Context, TGameObjects& Objects);

    TGameObjects& Objects;
};

class TRusMakeWWordLetterPanelCollection : public TRusLetterPanelCollection {
public:
    explicit TRusMakeWWordLetterPanelCollection(TAppContext& Context);
};
