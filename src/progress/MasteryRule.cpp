#include "progress/MasteryRule.h"

#include "platform/storage/ProgressDatabase.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

using progressdb::TAnswerRow;
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

}  // namespace

bool Selects(const TPickSelection& Selection, const TAnswerRow& Row)
{
    const auto& out = Selection.LeftOutGames;
    return std::find(out.begin(), out.end(), Row.Game) == out.end() && (!Selection.FirstTriesOnly || Row.FirstTry);
}

TPickSelection MasteryPicks()
{
    TPickSelection selection;
    selection.Newest = kKnowingRun;
    selection.FirstTriesOnly = true;
    selection.LeftOutGames = {GameCode(TGameKind::gkLearning)};
    return selection;
}

void FoldMastery(const std::vector<TPick>& Newest, const std::vector<TMet>& Met, TProgressSummary& Summary)
{
    const auto gridOf = [&Summary](TMasteryKind Kind) -> std::map<QString, TMastery>& {
        return Kind == TMasteryKind::mkSounds ? Summary.Sounds : Summary.Names;
    };
    for (const auto& met : Met)
        gridOf(MasteryKindOf(GameOfCode(met.Game), met.Mode != 0)).emplace(met.Asked, TMastery::msLearning);
    // The newest picks come per game and mode; a kind's newest few are among the union of those.
    std::map<std::pair<TMasteryKind, QString>, std::vector<TPick>> byLetter;
    for (const auto& pick : Newest)
        byLetter[{MasteryKindOf(GameOfCode(pick.Game), pick.Mode != 0), pick.Asked}].push_back(pick);
    for (auto& [key, picks] : byLetter) {
        std::sort(picks.begin(), picks.end(), Newer);
        const bool knows = picks.size() >= static_cast<size_t>(kKnowingRun) &&
                           std::all_of(picks.begin(), picks.begin() + kKnowingRun, [](const TPick& P) { return P.Right; });
        gridOf(key.first)[key.second] = knows ? TMastery::msKnows : TMastery::msLearning;
    }
}

void FoldMasteryOfRows(const std::vector<TAnswerRow>& Rows, TProgressSummary& Summary)
{
    FoldMastery(NewestPicksOf(Rows, MasteryPicks()), MetOf(Rows), Summary);
}
