#pragma once
// Letter keys on "Найди слог": a consonant key marks its consonant and the next vowel key picks the
// syllable of the two (М then А picks МА); for a closed syllable the vowel marks and the consonant
// picks (А then М picks АМ). A letter that begins no syllable shown, and a vowel alone, do nothing.
#include <QChar>
#include <QStringList>

struct TSlogKeyStep {
    enum TKind { ksNothing, ksMarked, ksPicked } Kind = ksNothing;
    int Tile = -1;  // the tile picked, or the first one the marked letter begins
};

class TSlogKeyPicks {
public:
    // What Letter (small) typed now would do while Tiles (small, in their places) are shown.
    TSlogKeyStep Step(QChar Letter, const QStringList& Tiles) const;
    // Letter is pressed: a step that marks marks it, one that picks ends the mark.
    void Take(QChar Letter, const TSlogKeyStep& Step);
    void Reset() { FMarked = QChar(); }
    QChar Marked() const { return FMarked; }

private:
    QChar FMarked;
};
