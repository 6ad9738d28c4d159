#include "progress/Mastery.h"

#include "core/ContentLayout.h"
#include "core/Syllables.h"
#include "platform/storage/ProgressDatabase.h"
#include "progress/MasteryRule.h"

#include <algorithm>

TMasteryKind MasteryKindOf(TGameKind Game, bool Sounds)
{
    const bool soundsGame = Game == TGameKind::gkExamination || Game == TGameKind::gkLearning;
    return soundsGame && Sounds ? TMasteryKind::mkSounds : TMasteryKind::mkNames;
}

int GameCode(TGameKind Game)
{
    switch (Game) {
        case TGameKind::gkLearning:
            return 0;
        case TGameKind::gkFindLetter:
            return 1;
        case TGameKind::gkMakeWord:
            return 2;
        case TGameKind::gkExamination:
            return 3;
        case TGameKind::gkSyllables:
            return 4;
    }
    return 0;
}

TGameKind GameOfCode(int Code)
{
    switch (Code) {
        case 1:
            return TGameKind::gkFindLetter;
        case 2:
            return TGameKind::gkMakeWord;
        case 3:
            return TGameKind::gkExamination;
        case 4:
            return TGameKind::gkSyllables;
        default:
            return TGameKind::gkLearning;
    }
}

int SyllableModeCode(TSyllableMode Mode)
{
    switch (Mode) {
        case TSyllableMode::smFindSyllable:
            return 0;
        case TSyllableMode::smBuildSyllable:
            return 1;
        case TSyllableMode::smReadWords:
            return 2;
    }
    return 0;
}

int ModeCode(const TAnswer& Answer)
{
    if (Answer.Game == TGameKind::gkSyllables) return SyllableModeCode(Answer.Exercise);
    return Answer.Sounds ? 1 : 0;
}

void SetModeOfCode(TAnswer& Answer, int Code)
{
    Answer.Sounds = false;
    Answer.Exercise = TSyllableMode::smFindSyllable;
    if (Answer.Game != TGameKind::gkSyllables) {
        Answer.Sounds = Code != 0;
        return;
    }
    if (Code == 1) Answer.Exercise = TSyllableMode::smBuildSyllable;
    if (Code == 2) Answer.Exercise = TSyllableMode::smReadWords;
}

QString ModeName(int GameCode, int ModeCode)
{
    if (GameOfCode(GameCode) != TGameKind::gkSyllables)
        return ModeCode ? QStringLiteral("звуки") : QStringLiteral("названия");
    switch (ModeCode) {
        case 1:
            return QStringLiteral("собери слог");
        case 2:
            return QStringLiteral("читаем слова");
        default:
            return QStringLiteral("найди слог");
    }
}

const QStringList& RussianLetters()
{
    static const QStringList letters = [] {
        QStringList list;
        for (const QChar c : content::kSmallLetters) list << QString(c);
        return list;
    }();
    return letters;
}

QString MasteryText(TMastery State)
{
    switch (State) {
        case TMastery::msKnows:
            return QStringLiteral("знает");
        case TMastery::msLearning:
            return QStringLiteral("учит");
        case TMastery::msUnmet:
            break;
    }
    return QStringLiteral("ещё не встречалась");
}

QString SyllableMasteryText(TMastery State)
{
    return State == TMastery::msUnmet ? QStringLiteral("ещё не встречался") : MasteryText(State);
}

QString PairText(const TLetterPair& Pair)
{
    const int tens = Pair.Count % 100;
    const int ones = Pair.Count % 10;
    const bool few = ones >= 2 && ones <= 4 && (tens < 12 || tens > 14);
    return QStringLiteral("%1 ↔ %2: %3 %4")
        .arg(Pair.First.toUpper(), Pair.Second.toUpper())
        .arg(Pair.Count)
        .arg(few ? QStringLiteral("раза") : QStringLiteral("раз"));
}

TMastery TProgressSummary::State(TMasteryKind Kind, const QString& Letter) const
{
    const auto& grid = Kind == TMasteryKind::mkSounds ? Sounds : Names;
    const auto found = grid.find(Letter);
    return found == grid.end() ? TMastery::msUnmet : found->second;
}

TMastery TProgressSummary::SyllableState(const QString& Syllable) const
{
    const auto found = Syllables.find(Syllable);
    return found == Syllables.end() ? TMastery::msUnmet : found->second;
}

QSet<QString> NotYetKnownSyllables(const TProgressSummary& Summary)
{
    QSet<QString> unknown;
    for (const syllables::TSyllable& syllable : syllables::AllSyllables())
        if (Summary.SyllableState(syllable.Text) != TMastery::msKnows) unknown.insert(syllable.Text);
    return unknown;
}

int TProgressSummary::DaysPlayed() const
{
    return static_cast<int>(std::count(Days.begin(), Days.end(), true));
}

std::vector<TLetterPair> FoldPairs(const std::vector<progressdb::TPairCount>& WrongPicks)
{
    const auto rank = [](const QString& Letter) {
        const auto index = RussianLetters().indexOf(Letter);
        return index < 0 ? 1000 + Letter.at(0).unicode() : static_cast<int>(index);
    };
    std::map<std::pair<QString, QString>, int> counts;
    const progressdb::TPickSelection letterRule = LetterPicks();
    for (const auto& wrong : WrongPicks) {
        if (wrong.Asked.isEmpty() || wrong.Picked.isEmpty() || !progressdb::Reads(letterRule, wrong.Game, wrong.Mode))
            continue;
        const bool inOrder = rank(wrong.Asked) < rank(wrong.Picked);
        counts[inOrder ? std::pair(wrong.Asked, wrong.Picked) : std::pair(wrong.Picked, wrong.Asked)] += wrong.Count;
    }
    std::vector<TLetterPair> pairs;
    for (const auto& [letters, count] : counts) pairs.push_back({letters.first, letters.second, count});
    std::stable_sort(pairs.begin(), pairs.end(), [](const auto& A, const auto& B) { return A.Count > B.Count; });
    return pairs;
}
