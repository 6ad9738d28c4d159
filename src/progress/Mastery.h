#pragma once
// What a child's kept answers say: how sure it is of each letter (by name and by sound) and of
// each syllable, the words it read, which letters it confuses, and when and how long it played.
#include "core/Answer.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <vector>

namespace progressdb {
struct TPairCount;
}  // namespace progressdb

// The letter's name or its sound: the examination and the learning board in sounds mode count
// for sounds, everything else for names.
enum class TMasteryKind { mkNames, mkSounds };
enum class TMastery {
    msUnmet,     // "ещё не встречалась": never asked nor heard
    msLearning,  // "учит": met, but not known
    msKnows,     // "знает": the last three times asked, right at the first pick each time (MasteryRule.h)
};

// How a game's answer counts.
TMasteryKind MasteryKindOf(TGameKind Game, bool Sounds);
// The number a game is kept as in the file (fixed: the file outlives any reordering of TGameKind).
int GameCode(TGameKind Game);
TGameKind GameOfCode(int Code);
// The number an answer's mode is kept as: letter names 0, letter sounds 1; for "Слоги" its
// exercise ("Найди слог" 0, "Собери слог" 1, "Читаем слова" 2). Fixed, as the game's code is.
int ModeCode(const TAnswer& Answer);
int SyllableModeCode(TSyllableMode Mode);
// The mode fields of an answer of Game kept with Code.
void SetModeOfCode(TAnswer& Answer, int Code);
// The mode as the table names it: "названия", "звуки", "найди слог", "собери слог", "читаем слова".
QString ModeName(int GameCode, int ModeCode);

// The 33 small letters in alphabet order (content::kSmallLetters), one string each.
const QStringList& RussianLetters();
// "знает", "учит", "ещё не встречалась".
QString MasteryText(TMastery State);
// The same of a syllable: "знает", "учит", "ещё не встречался".
QString SyllableMasteryText(TMastery State);

// Two letters taken for each other, counted both ways; First comes before Second in the alphabet.
struct TLetterPair {
    QString First;
    QString Second;
    int Count = 0;
};
// "Б ↔ Д: 4 раза".
QString PairText(const TLetterPair& Pair);

constexpr int kCalendarDays = 28;

struct TProgressSummary {
    std::map<QString, TMastery> Names;  // by small letter; a letter not here is unmet
    std::map<QString, TMastery> Sounds;
    std::map<QString, TMastery> Syllables;  // by small syllable ("ма"): "Найди слог" and "Собери слог"
    QStringList WordsRead;           // "Читаем слова": read right at a first try, in syllables::Words() order
    bool SyllablesPlayed = false;    // any answer of "Слоги"
    std::vector<TLetterPair> Pairs;  // most often first
    std::array<bool, kCalendarDays> Days{};  // the last four weeks of local days, today last
    qint64 PlaySeconds = 0;

    TMastery State(TMasteryKind Kind, const QString& Letter) const;
    TMastery SyllableState(const QString& Syllable) const;
    int DaysPlayed() const;
};

// The syllables of the table the child does not know yet (unmet or "учит").
QSet<QString> NotYetKnownSyllables(const TProgressSummary& Summary);

// The time between two answers counts as play up to this long: after a longer pause the child had
// left, and only the time it took over its last answer is counted.
constexpr int kPlayGapSeconds = 120;

// The wrong picks as the file counts them, folded into pairs of letters taken for each other; the
// picks of games the letters' rule does not read (the syllables and words of "Слоги") are no letters.
std::vector<TLetterPair> FoldPairs(const std::vector<progressdb::TPairCount>& WrongPicks);
