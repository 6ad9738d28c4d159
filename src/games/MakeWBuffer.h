#pragma once
// The state of "Дед Буквоед": the current word, the position of its hidden letter, the alphabet
// that spells it and the row of cells that shows it.
#include "platform/Cp1251.h"

struct TAppContext;
class QWidget;
class TRusLetterCollection;
class TRusMakeWWordLetterPanelCollection;

class TMakeWBuffer {
public:
    explicit TMakeWBuffer(TAppContext& Context);
    ~TMakeWBuffer();
    TMakeWBuffer(const TMakeWBuffer&) = delete;
    TMakeWBuffer& operator=(const TMakeWBuffer&) = delete;

    AnsiString CurrentWord;   // the current picture's name, cp1251
    int MissingPos = 0;       // 1-based position of the hidden character; 0 before any picture
    TRusLetterCollection* Alphabet = nullptr;               // owned: the 33 letters that spell words
    TRusMakeWWordLetterPanelCollection* WordRow = nullptr;  // owned: the cells of the word

    // The hidden character as a one-character string (empty when there is none).
    AnsiString MissingLetter() const;
    // Refills WordRow from CurrentWord and MissingPos.
    void BuildWordRow();
    // BuildWordRow, then lays the row out in Panel (when there is one).
    void ShowWord(QWidget* Panel);
    void RightAnswer();
    void WrongAnswer();
    void GameOver();

private:
    TAppContext& FContext;
};
