#include "core/Syllables.h"

#include <algorithm>

namespace syllables {

namespace {

// The order of a consonant's open syllables: as a primer lists them.
const QString kVowelOrder = QStringLiteral("аоуыиеёюя");
// The vowels of a lesson's first row, and the order its hard|soft pairs are shown in.
const QString kFirstRowVowels = QStringLiteral("аоуы");
const QString kPairVowels = QStringLiteral("ауоы");
// The vowels of the closed syllables, and the consonants whose lessons have them.
const QString kClosedVowels = QStringLiteral("аоуы");
const QString kClosedConsonants = QStringLiteral("мсн");

// Syllables not written in Russian words (or only in borrowed ones): consonants and the vowels
// they never take. No consonant takes э.
struct TNotWritten {
    QString Consonants;
    QString Vowels;
};
const TNotWritten kNotWritten[] = {{QStringLiteral("жшчщ"), QStringLiteral("ыяю")},
                                   {QStringLiteral("ц"), QStringLiteral("яюё")},
                                   {QStringLiteral("кгх"), QStringLiteral("ыяюё")}};

bool Written(QChar Consonant, QChar Vowel)
{
    if (Vowel == u'э') return false;
    for (const TNotWritten& n : kNotWritten)
        if (n.Consonants.contains(Consonant) && n.Vowels.contains(Vowel)) return false;
    return true;
}

TSyllable MakeSyllable(QChar Consonant, QChar Vowel, bool Closed)
{
    TSyllable s;
    s.Text = Closed ? QString(Vowel) + Consonant : QString(Consonant) + Vowel;
    s.Consonant = Consonant;
    s.Vowel = Vowel;
    s.Closed = Closed;
    s.Row = LetterColour(s.Text, s.Text.indexOf(Consonant)) == TTileColour::SoftConsonant ? TSyllableRow::Soft
                                                                                          : TSyllableRow::Hard;
    s.Stop = kStops.contains(Consonant);
    return s;
}

// The first words, split into syllables. Each is read as it is written: no unstressed о, е or я,
// no voiced consonant at the end.
const char kWordParts[] =
    "ма-ма мыс сом сам нос сон сын ла-ма лу-на ли-са си-ла ма-ли-на ли-мон лом "
    "шум ши-на ма-ша ма-ши-на мы-ши ша-лаш му-ха мох ра-ма сыр шар "
    "па-па ла-па пи-ла лу-па суп па-на-ма но-та рот ка-ша ру-ка сок мак кот кит лук ку-лак ма-ки ру-ки "
    "ба-нан ры-ба шу-ба гу-бы ку-бик ба-ра-бан бу-сы дом дым но-ги ги-та-ра "
    "ва-та ва-гон ва-за зу-бы ку-ку-ру-за жук лы-жи фа-ра ту-ча щу-ка";

// The lesson in which a consonant is first met: the lesson of its own letter.
int LessonOfConsonant(QChar Consonant)
{
    return int(kLessonConsonants.indexOf(Consonant));
}

// The lesson after which a word's syllable can be read: a syllable of the table, or an open one
// with a final consonant. -1 when it is neither.
int LessonOfPart(const QString& Part)
{
    const int lesson = LessonOf(Part);
    if (lesson >= 0 || Part.size() != 3) return lesson;
    const int open = LessonOf(Part.left(2));
    const int final = LessonOfConsonant(Part[2]);
    return open < 0 || final < 0 ? -1 : std::max(open, final);
}

}  // namespace

QList<TSyllable> TLesson::Syllables() const
{
    QList<TSyllable> all = FirstRow;
    for (const TSyllablePair& p : Pairs)
        if (!all.contains(p.Soft)) all.append(p.Soft);
    return all + Others + Closed;
}

const QList<TSyllable>& OpenSyllables()
{
    static const QList<TSyllable> open = [] {
        QList<TSyllable> all;
        for (QChar c : kConsonants)
            for (QChar v : kVowelOrder)
                if (Written(c, v)) all.append(MakeSyllable(c, v, false));
        return all;
    }();
    return open;
}

const QList<TSyllable>& ClosedSyllables()
{
    static const QList<TSyllable> closed = [] {
        QList<TSyllable> all;
        for (QChar c : kClosedConsonants)
            for (QChar v : kClosedVowels) all.append(MakeSyllable(c, v, true));
        return all;
    }();
    return closed;
}

QList<TSyllable> AllSyllables()
{
    return OpenSyllables() + ClosedSyllables();
}

std::optional<TSyllable> FindSyllable(const QString& Text)
{
    for (const QList<TSyllable>* list : {&OpenSyllables(), &ClosedSyllables()})
        for (const TSyllable& s : *list)
            if (s.Text == Text) return s;
    return std::nullopt;
}

const QList<TLesson>& Lessons()
{
    static const QList<TLesson> lessons = [] {
        QList<TLesson> all;
        for (QChar c : kLessonConsonants) {
            TLesson lesson;
            lesson.Consonant = c;
            const auto find = [c](QChar Vowel) { return FindSyllable(QString(c) + Vowel); };
            QString taken;
            for (QChar v : kFirstRowVowels)
                if (const auto s = find(v)) lesson.FirstRow.append(*s), taken += v;
            for (QChar hard : kPairVowels) {
                const QChar soft = kSoftVowels[kHardVowels.indexOf(hard)];
                const auto h = find(hard), s = find(soft);
                // A pair shows a consonant's two sounds; ж ш ц and ч щ have one only.
                if (h && s && h->Row != s->Row) lesson.Pairs.append({*h, *s}), taken += soft;
            }
            for (QChar v : kVowelOrder)
                if (!taken.contains(v))
                    if (const auto s = find(v)) lesson.Others.append(*s);
            for (const TSyllable& s : ClosedSyllables())
                if (s.Consonant == c) lesson.Closed.append(s);
            all.append(lesson);
        }
        return all;
    }();
    return lessons;
}

int LessonOf(const QString& Syllable)
{
    const QList<TLesson>& lessons = Lessons();
    for (int i = 0; i < lessons.size(); ++i)
        for (const TSyllable& s : lessons[i].Syllables())
            if (s.Text == Syllable) return i;
    return -1;
}

int FirstLessonWith(const QSet<QString>& NotYetKnown)
{
    const QList<TLesson>& lessons = Lessons();
    for (int i = 0; i < lessons.size(); ++i)
        for (const TSyllable& s : lessons[i].Syllables())
            if (NotYetKnown.contains(s.Text)) return i;
    return -1;
}

const QList<TWord>& Words()
{
    static const QList<TWord> words = [] {
        QList<TWord> all;
        for (const QString& parts : QString::fromUtf8(kWordParts).split(u' ')) {
            TWord w;
            w.Parts = parts.split(u'-');
            w.Text = w.Parts.join(QString());
            for (const QString& part : std::as_const(w.Parts)) {
                const int lesson = LessonOfPart(part);
                w.Lesson = lesson < 0 ? -1 : std::max(w.Lesson, lesson);
                if (lesson < 0) break;
            }
            all.append(w);
        }
        std::stable_sort(all.begin(), all.end(), [](const TWord& A, const TWord& B) { return A.Lesson < B.Lesson; });
        return all;
    }();
    return words;
}

QList<TWord> WordsReadableAfter(int Lesson)
{
    QList<TWord> readable;
    for (const TWord& w : Words())
        if (w.Lesson >= 0 && w.Lesson <= Lesson) readable.append(w);
    return readable;
}

TTileColour LetterColour(const QString& Written, qsizetype Index)
{
    const QChar letter = Written.at(Index);
    if (kVowels.contains(letter)) return TTileColour::Vowel;
    if (kAlwaysSoft.contains(letter)) return TTileColour::SoftConsonant;
    if (kAlwaysHard.contains(letter)) return TTileColour::HardConsonant;
    const bool beforeSoftVowel = Index + 1 < Written.size() && kSoftVowels.contains(Written.at(Index + 1));
    return beforeSoftVowel ? TTileColour::SoftConsonant : TTileColour::HardConsonant;
}

}  // namespace syllables
