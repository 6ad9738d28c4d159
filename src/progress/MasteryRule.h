#pragma once
// "знает" and "учит", decided in one place for the progress file and for plain answer rows. Of a
// child's answers only the first pick of each question counts, and the letters heard on the
// learning board count for none; a letter is known, by name or by sound (MasteryKindOf), when its
// newest kKnowingRun such picks of that kind, in any game, were all right. A letter met (asked or
// heard) but not known is being learnt ("учит"). The file is asked only for the newest
// kKnowingRun picks of each game, mode and letter: a kind's newest kKnowingRun are among them.
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

// The picks the rule reads, as parameters of the file's query (TProgressDatabase::NewestPicks).
progressdb::TPickSelection MasteryPicks();
// Whether Selection reads Row at all (its game not left out, a first try where only those count);
// which of those are the newest is the query's part.
bool Selects(const progressdb::TPickSelection& Selection, const progressdb::TAnswerRow& Row);

// The rule over what the file gives: the picks MasteryPicks selects, and every (game, mode,
// letter asked) met. Fills Summary's Names and Sounds.
void FoldMastery(const std::vector<progressdb::TPick>& Newest, const std::vector<progressdb::TMet>& Met,
                 TProgressSummary& Summary);

// The same rule over one child's answer rows in the order they were kept (read from a file, or
// merged from elsewhere): the same picks selected, the same letters met.
void FoldMasteryOfRows(const std::vector<progressdb::TAnswerRow>& Rows, TProgressSummary& Summary);
