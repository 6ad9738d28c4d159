#pragma once
// From letters to reading: the syllables a child learns to hear, build and read, the lessons
// ("ступеньки") they come in, and the first words, each with the lesson after which it can be read.
// The activity "Слоги" and the progress screen both read it. Everything is in small letters
// ("ма", "мама"); the screens show capitals with toUpper().
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace syllables {

// The vowel letters: the hard row and, at the same places, their soft partners (а|я, о|ё, у|ю,
// ы|и, э|е). A syllable's vowel says which row its consonant stands in.
inline const QString kHardVowels = QStringLiteral("аоуыэ");
inline const QString kSoftVowels = QStringLiteral("яёюие");
inline const QString kVowels = kHardVowels + kSoftVowels;
// The consonants that make syllables, in alphabet order (not й, which does not open a syllable).
inline const QString kConsonants = QStringLiteral("бвгджзклмнпрстфхцчшщ");
// The lessons' consonants in teaching order: those that can be drawn out easily, the stops, the rest.
inline const QString kLessonConsonants = QStringLiteral("мснлшхрпткбдгвзжфцчщ");
// Consonants that cannot be drawn out: a syllable of one is read from its vowel on.
inline const QString kStops = QStringLiteral("пткбдг");
// Consonants that are hard, or soft, whatever vowel follows.
inline const QString kAlwaysHard = QStringLiteral("жшц");
inline const QString kAlwaysSoft = QStringLiteral("чщ");

enum class TSyllableRow { Hard, Soft };
// A letter tile's colour class: vowels red, hard consonants blue, soft consonants green.
enum class TTileColour { Vowel, HardConsonant, SoftConsonant };

struct TSyllable {
    QString Text;         // "ма", or "ам" for a closed syllable
    QChar Consonant;      // 'м'
    QChar Vowel;          // 'а'
    bool Closed = false;  // the vowel comes first ("ам")
    TSyllableRow Row = TSyllableRow::Hard;
    bool Stop = false;  // the consonant is a stop (kStops)

    friend bool operator==(const TSyllable&, const TSyllable&) = default;
};

struct TSyllablePair {
    TSyllable Hard;  // "ма"
    TSyllable Soft;  // "мя"
};

// One lesson: a consonant with the vowels, in the order they are taught. Every open syllable of
// the table is in exactly one lesson; the closed ones come in the first three.
struct TLesson {
    QChar Consonant;
    QList<TSyllable> FirstRow;   // with а о у ы, those that are written ("ма мо му мы"; "ча чо чу")
    QList<TSyllablePair> Pairs;  // hard and soft side by side ("ма|мя, му|мю, мо|мё, мы|ми")
    QList<TSyllable> Others;     // the consonant's remaining open syllables ("ме"; "жи же жё")
    QList<TSyllable> Closed;     // "ам ом ум ым", in the lessons of м, с and н only

    // Each syllable once: the first row, the soft ones of the pairs, the others, the closed ones.
    QList<TSyllable> Syllables() const;
};

struct TWord {
    QString Text;       // "панама"
    QStringList Parts;  // its syllables, "па", "на", "ма"; a final consonant joins the last ("сом")
    int Lesson = -1;    // the first lesson (index into Lessons()) after which it can be read
};

// The 153 open syllables, by consonant in alphabet order, then by vowel (а о у ы и е ё ю я).
const QList<TSyllable>& OpenSyllables();
// The closed syllables (vowel and consonant), in their lessons' order.
const QList<TSyllable>& ClosedSyllables();
// The open and the closed syllables.
QList<TSyllable> AllSyllables();
// The syllable written so, open or closed.
std::optional<TSyllable> FindSyllable(const QString& Text);

// The lessons in teaching order (kLessonConsonants); a lesson's number is its index.
const QList<TLesson>& Lessons();
// The lesson a syllable of the table is taught in, or -1.
int LessonOf(const QString& Syllable);
// The first lesson holding one of these syllables (the screen opens there), or -1 when none does.
int FirstLessonWith(const QSet<QString>& NotYetKnown);

// The first words, read as they are written, in the order of their lessons.
const QList<TWord>& Words();
// The words readable once lessons 0 … Lesson are done.
QList<TWord> WordsReadableAfter(int Lesson);

// The colour class of the letter at Index in a written syllable (open, closed, or a word's last
// syllable with its final consonant): a consonant before я ё ю и е is soft, except ж ш ц; ч and
// щ are always soft; a consonant before a hard vowel or at the end is hard.
TTileColour LetterColour(const QString& Written, qsizetype Index);

}  // namespace syllables
