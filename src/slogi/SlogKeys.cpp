#include "slogi/SlogKeys.h"

TSlogKeyStep TSlogKeyPicks::Step(QChar Letter, const QStringList& Tiles) const
{
    if (!FMarked.isNull())
        if (const qsizetype picked = Tiles.indexOf(QString(FMarked) + Letter); picked >= 0)
            return {TSlogKeyStep::ksPicked, int(picked)};
    for (qsizetype i = 0; i < Tiles.size(); ++i)
        if (Tiles[i].size() == 2 && Tiles[i].at(0) == Letter) return {TSlogKeyStep::ksMarked, int(i)};
    return {};
}

void TSlogKeyPicks::Take(QChar Letter, const TSlogKeyStep& Step)
{
    if (Step.Kind == TSlogKeyStep::ksMarked)
        FMarked = Letter;
    else if (Step.Kind == TSlogKeyStep::ksPicked)
        Reset();
}
