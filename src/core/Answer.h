#pragma once
// One pick a child made, as a game judged it: what the games announce and what a listener (the
// window, the keys, the progress keeping) receives. Letters are the small Russian letters as
// Unicode text ("б"), whatever the games hold them as inside; syllables and words are small letters too
// ("ма", "мама").
#include <QString>

enum class TGameKind {
    gkLearning,     // "Обучение": a letter heard on the learning board (never right or wrong)
    gkFindLetter,   // "Найди букву": the first letter of the pictured word
    gkMakeWord,     // "Дед Буквоед": the missing letter of the word
    gkExamination,  // "Экзамен": the letter the program said
    gkSyllables,    // "Слоги": a syllable heard and found or built, or a word read and its picture found
};

// The exercise of "Слоги" an answer comes from; kept as the answer's mode.
enum class TSyllableMode {
    smFindSyllable,   // "Найди слог": the syllable heard, its tile found
    smBuildSyllable,  // "Собери слог": the syllable asked, built from its letters
    smReadWords,      // "Читаем слова": the word read, its picture picked
};

struct TAnswer {
    TGameKind Game = TGameKind::gkLearning;
    bool Sounds = false;  // letter sounds rather than letter names (learning board, examination)
    QString Asked;        // the letter wanted (on the learning board: the letter heard; "Слоги": the syllable or word)
    QString Picked;       // the letter the child picked (on the learning board: the same; "Слоги": the syllable
                          // found or built, or the word of the picture picked)
    QString Word;  // the pictured word ("Найди букву", "Дед Буквоед", the word read in "Слоги"), else empty
    int Position = -1;  // the hidden letter's index in Word ("Дед Буквоед"), else -1
    bool Right = false;
    bool FirstTry = false;                                   // no wrong pick for this question before this one
    TSyllableMode Exercise = TSyllableMode::smFindSyllable;  // "Слоги" only: which exercise asked
};
