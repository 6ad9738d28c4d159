#include "progress/MasteryRule.h"

#include "core/Syllables.h"
#include "platform/storage/ProgressDatabase.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

using progressdb::Reads;
using progressdb::TAnswerRow;
using progressdb::TGameMode;
using progressdb::TMet;
using progressdb::TPick;
using progressdb::TPickSelection;

namespace {

// The newer of two picks: the later time, and of one second the one kept later.
bool Newer(const TPick& A, const TPick& B)
{
    return std::tie(A.Time, A.Id) > std::tie(B.Time, B.Id);
}

// What TProgressDatabase::NewestPicks reads from the file, read from Rows (their order the ids).
std::vector<TPick> NewestPicksOf(const std::vector<TAnswerRow>& Rows, const TPickSelection& Selection)
{
    std::map<std::tuple<int, int, QString>, std::vector<TPick>> groups;
    for (size_t i = 0; i < Rows.size(); ++i) {
        const TAnswerRow& row = Rows[i];
        if (!Selects(Selection, row)) continue;
        groups[{row.Game, row.Mode, row.Asked}].push_back(
            {row.Game, row.Mode, row.Asked, row.Right, row.Time, static_cast<qint64>(i) + 1});
    }
    std::vector<TPick> picks;
    for (auto& [key, group] : groups) {
        std::sort(group.begin(), group.end(), Newer);
        const size_t newest = std::min(group.size(), static_cast<size_t>(std::max(Selection.Newest, 0)));
        picks.insert(picks.end(), group.begin(), group.begin() + static_cast<std::ptrdiff_t>(newest));
    }
    return picks;
}

// What TProgressDatabase::Met reads from the file.
std::vector<TMet> MetOf(const std::vector<TAnswerRow>& Rows)
{
    std::set<std::tuple<int, int, QString>> met;
    for (const TAnswerRow& row : Rows) met.insert({row.Game, row.Mode, row.Asked});
    std::vector<TMet> out;
    for (const auto& [game, mode, asked] : met) out.push_back({game, mode, asked});
    return out;
}

bool LeftOut(const TPickSelection& Selection, int Game)
{
    const auto& out = Selection.LeftOutGames;
    return std::find(out.begin(), out.end(), Game) != out.end();
}

using TGrid = std::map<QString, TMastery>;

// "знает / учит" over what Rule reads, into the grid GridOf gives for a game and mode: met is
// "учит", the newest kKnowingRun picks all right "знает".
template <class TGridOf>
void FoldRule(const TPickSelection& Rule, const std::vector<TPick>& Newest, const std::vector<TMet>& Met, TGridOf GridOf)
{
    for (const auto& met : Met)
        if (Reads(Rule, met.Game, met.Mode)) GridOf(met.Game, met.Mode).emplace(met.Asked, TMastery::msLearning);
    // The newest picks come per game and mode; a grid's newest few are among the union of those.
    std::map<std::pair<TGrid*, QString>, std::vector<TPick>> byAsked;
    for (const auto& pick : Newest)
        if (Reads(Rule, pick.Game, pick.Mode) && !LeftOut(Rule, pick.Game))
            byAsked[{&GridOf(pick.Game, pick.Mode), pick.Asked}].push_back(pick);
    for (auto& [key, picks] : byAsked) {
        std::sort(picks.begin(), picks.end(), Newer);
        const bool knows = picks.size() >= static_cast<size_t>(Rule.Newest) &&
                           std::all_of(picks.begin(), picks.begin() + Rule.Newest, [](const TPick& P) { return P.Right; });
        (*key.first)[key.second] = knows ? TMastery::msKnows : TMastery::msLearning;
    }
}

// The words of "Читаем слова" with a right first pick among their newest, in the table's order
// (a word the table lacks after them, in the order of the alphabet).
QStringList WordsRead(const std::vector<TPick>& Newest)
{
    const int game = GameCode(TGameKind::gkSyllables);
    const int mode = SyllableModeCode(TSyllableMode::smReadWords);
    std::set<QString> read;
    for (const auto& pick : Newest)
        if (pick.Game == game && pick.Mode == mode && pick.Right) read.insert(pick.Asked);
    QStringList words;
    for (const syllables::TWord& word : syllables::Words())
        if (read.erase(word.Text)) words << word.Text;
    for (const QString& word : read) words << word;
    return words;
}

TPickSelection FirstPicks(std::vector<TGameMode> ReadGames)
{
    TPickSelection selection;
    selection.Newest = kKnowingRun;
    selection.FirstTriesOnly = true;
    selection.Reads = std::move(ReadGames);
    return selection;
}

}  // namespace

bool Selects(const TPickSelection& Selection, const TAnswerRow& Row)
{
    return !LeftOut(Selection, Row.Game) && Reads(Selection, Row.Game, Row.Mode) &&
           (!Selection.FirstTriesOnly || Row.FirstTry);
}

TPickSelection LetterPicks()
{
    TPickSelection selection = FirstPicks({{GameCode(TGameKind::gkLearning)},
                                           {GameCode(TGameKind::gkFindLetter)},
                                           {GameCode(TGameKind::gkMakeWord)},
                                           {GameCode(TGameKind::gkExamination)}});
    selection.LeftOutGames = {GameCode(TGameKind::gkLearning)};
    return selection;
}

TPickSelection SyllablePicks()
{
    const int game = GameCode(TGameKind::gkSyllables);
    return FirstPicks(
        {{game, SyllableModeCode(TSyllableMode::smFindSyllable)}, {game, SyllableModeCode(TSyllableMode::smBuildSyllable)}});
}

TPickSelection MasteryPicks()
{
    TPickSelection selection = LetterPicks();
    for (const TGameMode& read : SyllablePicks().Reads) selection.Reads.push_back(read);
    selection.Reads.push_back({GameCode(TGameKind::gkSyllables), SyllableModeCode(TSyllableMode::smReadWords)});
    return selection;
}

void FoldMastery(const std::vector<TPick>& Newest, const std::vector<TMet>& Met, TProgressSummary& Summary)
{
    FoldRule(LetterPicks(), Newest, Met, [&Summary](int Game, int Mode) -> TGrid& {
        return MasteryKindOf(GameOfCode(Game), Mode != 0) == TMasteryKind::mkSounds ? Summary.Sounds : Summary.Names;
    });
    FoldRule(SyllablePicks(), Newest, Met, [&Summary](int, int) -> TGrid& { return Summary.Syllables; });
    Summary.WordsRead = WordsRead(Newest);
    const int syllables = GameCode(TGameKind::gkSyllables);
    Summary.SyllablesPlayed =
        std::any_of(Met.begin(), Met.end(), [syllables](const TMet& M) { return M.Game == syllables; });
}

void FoldMasteryOfRows(const std::vector<TAnswerRow>& Rows, TProgressSummary& Summary)
{
    FoldMastery(NewestPicksOf(Rows, MasteryPicks()), MetOf(Rows), Summary);
}
