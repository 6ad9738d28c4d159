#pragma once
// What a child's kept answers say: how sure it is of each letter (by name and by sound), which
// letters it confuses, and when and how long it played.
#include "core/Answer.h"

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

// The 33 small letters in alphabet order (content::kSmallLetters), one string each.
const QStringList& RussianLetters();
// "знает", "учит", "ещё не встречалась".
QString MasteryText(TMastery State);

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
    std::vector<TLetterPair> Pairs;          // most often first
    std::array<bool, kCalendarDays> Days{};  // the last four weeks of local days, today last
    qint64 PlaySeconds = 0;

    TMastery State(TMasteryKind Kind, const QString& Letter) const;
    int DaysPlayed() const;
};

// The time between two answers counts as play up to this long: after a longer pause the child had
// left, and only the time it took over its last answer is counted.
constexpr int kPlayGapSeconds = 120;

// The wrong picks as the file counts them, folded into pairs of letters taken for each other.
std::vector<TLetterPair> FoldPairs(const std::vector<progressdb::TPairCount>& WrongPicks);
