#pragma once
// The state of "Дед Буквоед": the current word, the position of its hidden letter, the alphabet
// that spells it and the row of cells that shows it.
#include "platform/Cp1251.h"

#include <memory>

struct TAppContext;
struct TGameObjects;
class QWidget;
class TRusLetterCollection;
class TRusMakeWWordLetterPanelCollection;

class TMakeWBuffer {
public:
    TMakeWBuffer(TAppContext& Context, TGameObjects& Objects);
    ~TMakeWBuffer();
    TMakeWBuffer(const TMakeWBuffer&) = delete;
    TMakeWBuffer& operator=(const TMakeWBuffer&) = delete;

    AnsiString CurrentWord;                          // the current picture's name, cp1251
    int MissingPos = 0;                              // 1-based position of the hidden character; 0 before any picture
    std::unique_ptr<TRusLetterCollection> Alphabet;  // the 33 letters that spell words
    std::unique_ptr<TRusMakeWWordLetterPanelCollection> WordRow;  // the cells of the word; goes first

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
    TGameObjects& FObjects;
};
