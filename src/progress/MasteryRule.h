#pragma once
// "знает" and "учит", decided in one place for the progress file and for plain answer rows. Of a
// child's answers only the first pick of each question counts, and the letters heard on the
// learning board count for none; a letter is known, by name or by sound (MasteryKindOf), when its
// newest kKnowingRun such picks of that kind, in any game, were all right. A letter met (asked or
// heard) but not known is being learnt ("учит"). The file is asked only for the newest
// kKnowingRun picks of each game, mode and letter: a kind's newest kKnowingRun are among them.
// A syllable is known by the same rule, over "Найди слог" and "Собери слог" together; a word of
// "Читаем слова" is read when one of its newest first picks was right. Each rule reads its own
// games and modes (TPickSelection::Reads), so that neither sees the other's answers.
#include "progress/Mastery.h"

#include <vector>

namespace progressdb {
struct TAnswerRow;
struct TMet;
struct TPick;
struct TPickSelection;
}  // namespace progressdb

// How many of the newest first picks decide "знает".
constexpr int kKnowingRun = 3;

// The letters' rule: the letter games (the learning board's letters met, its picks left out).
progressdb::TPickSelection LetterPicks();
// The syllables' rule: "Слоги" in "Найди слог" and "Собери слог".
progressdb::TPickSelection SyllablePicks();
// What the summary reads from the file (TProgressDatabase::NewestPicks) in one query: the two
// rules' picks and the words read.
progressdb::TPickSelection MasteryPicks();
// Whether Selection reads Row at all (its game and mode read and not left out, a first try where
// only those count); which of those are the newest is the query's part.
bool Selects(const progressdb::TPickSelection& Selection, const progressdb::TAnswerRow& Row);

// The rule over what the file gives: the picks MasteryPicks selects, and every (game, mode,
// letter asked) met. Fills Summary's Names, Sounds, Syllables, WordsRead and SyllablesPlayed.
void FoldMastery(const std::vector<progressdb::TPick>& Newest, const std::vector<progressdb::TMet>& Met,
                 TProgressSummary& Summary);

// The same rule over one child's answer rows in the order they were kept (read from a file, or
// merged from elsewhere): the same picks selected, the same letters met.
void FoldMasteryOfRows(const std::vector<progressdb::TAnswerRow>& Rows, TProgressSummary& Summary);
