#pragma once
// The state of "Дед Буквоед": the current word, the position of its hidden letter, the alphabet
// that spells it and the row of cells that shows it.
#include "games/LetterGame.h"

#include <functional>
#include <memory>

class QWidget;
class TRusLetterCollection;
class TRusMakeWWordLetterPanelCollection;

class TMakeWBuffer : public TLetterGame {
public:
    explicit TMakeWBuffer(TAppContext& Context);
    ~TMakeWBuffer() override;

    AnsiString CurrentWord;                          // the current picture's name, cp1251
    int MissingPos = 0;                              // 1-based position of the hidden character; 0 before any picture
    std::unique_ptr<TRusLetterCollection> Alphabet;  // the 33 letters that spell words
    std::unique_ptr<TRusMakeWWordLetterPanelCollection> WordRow;  // the cells of the word; goes first
    // After a right pick: the strip moves on to its next picture (which it then shows here);
    // false when none is left. Joined to the strip (JoinStrip); the game ends at once without it.
    std::function<bool()> NextPicture;

    // A picture shown: its name is the word, with a newly drawn character hidden.
    void PictureShown(const AnsiString& Name);
    // Word with the character at the 1-based Position hidden: a new question.
    void NewWord(const AnsiString& Word, int Position);
    // The hidden character as a one-character string (empty when there is none).
    AnsiString MissingLetter() const;
    // Refills WordRow from CurrentWord and MissingPos.
    void BuildWordRow();
    // BuildWordRow, then lays the row out in Panel (when there is one).
    void ShowWord(QWidget* Panel);

    AnsiString WantedLetter() const override { return MissingLetter(); }

protected:
    void DescribeQuestion(TAnswer& Answer) const override;
    bool NextQuestion() override;
};
