#include "slogi/SlogStages.h"

using syllables::TSyllable;

namespace {

// The vowel's partner in the other row (а|я, о|ё, у|ю, ы|и, э|е).
QChar Partner(QChar Vowel)
{
    if (const qsizetype hard = syllables::kHardVowels.indexOf(Vowel); hard >= 0) return syllables::kSoftVowels[hard];
    if (const qsizetype soft = syllables::kSoftVowels.indexOf(Vowel); soft >= 0) return syllables::kHardVowels[soft];
    return {};
}

// Draws up to Count of Candidates into Into, leaving out those already there.
void DrawInto(QList<TSyllable>& Into, QList<TSyllable> Candidates, qsizetype Count, const std::function<int(int)>& Draw)
{
    Shuffle(Candidates, Draw);
    for (const TSyllable& s : std::as_const(Candidates)) {
        if (Into.size() >= Count) return;
        if (!Into.contains(s)) Into.append(s);
    }
}

}  // namespace

int TileCount(TFindStage Stage)
{
    switch (Stage) {
        case TFindStage::fsTwo:
            return 2;
        case TFindStage::fsThreeFar:
            return 3;
        case TFindStage::fsFourNear:
            return 4;
    }
    return 2;
}

void TFindStages::RightFirstPick()
{
    if (++FRun < 3) return;
    FRun = 0;
    if (FStage == TFindStage::fsTwo)
        FStage = TFindStage::fsThreeFar;
    else if (FStage == TFindStage::fsThreeFar)
        FStage = TFindStage::fsFourNear;
}

void TFindStages::WrongFirstPick()
{
    FRun = 0;
    if (FStage == TFindStage::fsFourNear)
        FStage = TFindStage::fsThreeFar;
    else if (FStage == TFindStage::fsThreeFar)
        FStage = TFindStage::fsTwo;
}

bool FarApart(const TSyllable& A, const TSyllable& B)
{
    return A.Consonant == B.Consonant && A.Closed == B.Closed && A.Vowel != B.Vowel && Partner(A.Vowel) != B.Vowel;
}

bool Near(const TSyllable& A, const TSyllable& B)
{
    if (A == B) return false;
    const bool otherConsonant = A.Vowel == B.Vowel && A.Closed == B.Closed && A.Consonant != B.Consonant;
    const bool partner = A.Consonant == B.Consonant && A.Closed == B.Closed && Partner(A.Vowel) == B.Vowel;
    const bool turned = A.Consonant == B.Consonant && A.Vowel == B.Vowel && A.Closed != B.Closed;
    return otherConsonant || partner || turned;
}

QList<TSyllable> Distractors(const TSyllable& Wanted, TFindStage Stage, const QList<TSyllable>& Pool,
                             const std::function<int(int)>& Draw)
{
    const qsizetype count = TileCount(Stage) - 1;
    QList<TSyllable> far, near, others;
    for (const TSyllable& s : Pool) {
        if (s == Wanted) continue;
        if (FarApart(Wanted, s)) far.append(s);
        if (Near(Wanted, s)) near.append(s);
        others.append(s);
    }
    QList<TSyllable> chosen;
    if (Stage == TFindStage::fsFourNear) {
        // One of each kind of nearness first, so that the four are not all МА НА ЛА РА.
        QList<TSyllable> byConsonant, partnerOrTurned;
        for (const TSyllable& s : std::as_const(near))
            (s.Consonant == Wanted.Consonant ? partnerOrTurned : byConsonant).append(s);
        DrawInto(chosen, partnerOrTurned, count, Draw);
        DrawInto(chosen, byConsonant, count, Draw);
    }
    DrawInto(chosen, far, count, Draw);
    DrawInto(chosen, others, count, Draw);
    return chosen;
}
