#pragma once
// "Найди слог" grows harder as the child finds the syllables: two tiles at first, three far apart
// (МА among МУ, МО) after three right first picks in a row, four near ones (МА among НА, МЯ, АМ)
// after three more; a wrong first pick steps back one stage. Here are the stages, how they move
// and which tiles stand beside the syllable asked for.
#include "core/Syllables.h"

#include <QList>

#include <functional>

enum class TFindStage { fsTwo, fsThreeFar, fsFourNear };

// How many tiles a question of Stage shows, the asked one among them.
int TileCount(TFindStage Stage);

// The stage and the run of right first picks that moves it on.
class TFindStages {
public:
    // A right first pick extends the run; the third in a row moves one stage on (and starts a new run).
    void RightFirstPick();
    // A wrong first pick steps one stage back and ends the run.
    void WrongFirstPick();
    TFindStage Stage() const { return FStage; }
    void Reset() { *this = TFindStages(); }

private:
    TFindStage FStage = TFindStage::fsTwo;
    int FRun = 0;
};

// Whether B stands far from A (the same consonant, another vowel that is not A's hard or soft
// partner, both open or both closed): МУ and МО beside МА.
bool FarApart(const syllables::TSyllable& A, const syllables::TSyllable& B);
// Whether B stands near A: the same vowel after another consonant (НА), A's hard or soft partner
// (МЯ beside МА, МИ beside МЫ), or A turned round (АМ).
bool Near(const syllables::TSyllable& A, const syllables::TSyllable& B);

// The tiles beside Wanted at Stage (TileCount - 1 of them, fewer when Pool has too few): far ones
// from Pool at the first two stages, near ones at the last, each stage making up with any other
// syllable of Pool when it lacks its own kind. Pool holds the syllables that may be shown; Draw(n)
// draws a number in 0 .. n - 1.
QList<syllables::TSyllable> Distractors(const syllables::TSyllable& Wanted, TFindStage Stage,
                                        const QList<syllables::TSyllable>& Pool, const std::function<int(int)>& Draw);

// Items in a random order by Draw.
template <class T>
void Shuffle(QList<T>& Items, const std::function<int(int)>& Draw)
{
    for (qsizetype i = Items.size() - 1; i > 0; --i) Items.swapItemsAt(i, Draw(int(i + 1)));
}
