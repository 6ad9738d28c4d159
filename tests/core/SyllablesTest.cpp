// The syllables, lessons and first words: the table against the spelling rules it stands for, the
// lessons' order and contents, and every word against the lessons it needs.
#include "core/ContentLayout.h"
#include "core/Syllables.h"

#include <gtest/gtest.h>

#include <map>

using namespace syllables;

namespace {

QStringList Texts(const QList<TSyllable>& Syllables)
{
    QStringList texts;
    for (const TSyllable& s : Syllables) texts << s.Text;
    return texts;
}

// The syllables known once lessons 0 … Lesson are done, and the consonants met by then.
QSet<QString> KnownThrough(int Lesson)
{
    QSet<QString> known;
    for (int i = 0; i <= Lesson && i < Lessons().size(); ++i)
        for (const TSyllable& s : Lessons()[i].Syllables()) known.insert(s.Text);
    return known;
}

bool Readable(const TWord& Word, int Lesson)
{
    const QSet<QString> known = KnownThrough(Lesson);
    for (const QString& part : Word.Parts) {
        if (known.contains(part)) continue;
        if (part.size() != 3 || !known.contains(part.left(2))) return false;
        bool consonantMet = false;
        for (const QString& s : known) consonantMet |= s.contains(part[2]) && s.size() == 2;
        if (!consonantMet) return false;
    }
    return true;
}

}  // namespace

TEST(Syllables, OpenSyllablesAreEveryWrittenConsonantAndVowel)
{
    // The rules, written out here on their own: twenty consonants with nine vowels, less those
    // Russian spelling does not write (and э, found in borrowed words only).
    const QString consonants = QStringLiteral("БВГДЖЗКЛМНПРСТФХЦЧШЩ").toLower();
    const QString vowels = QStringLiteral("АОУЫИЕЁЮЯ").toLower();
    const std::map<QString, QString> notWith = {
        {QStringLiteral("ж"), QStringLiteral("ыяю")},  {QStringLiteral("ш"), QStringLiteral("ыяю")},
        {QStringLiteral("ч"), QStringLiteral("ыяю")},  {QStringLiteral("щ"), QStringLiteral("ыяю")},
        {QStringLiteral("ц"), QStringLiteral("яюё")},  {QStringLiteral("к"), QStringLiteral("ыяюё")},
        {QStringLiteral("г"), QStringLiteral("ыяюё")}, {QStringLiteral("х"), QStringLiteral("ыяюё")}};
    QSet<QString> expected;
    for (QChar c : consonants)
        for (QChar v : vowels) {
            const auto rule = notWith.find(QString(c));
            if (rule == notWith.end() || !rule->second.contains(v)) expected.insert(QString(c) + v);
        }
    ASSERT_EQ(expected.size(), 153);

    const QStringList table = Texts(OpenSyllables());
    EXPECT_EQ(table.size(), 153) << "a syllable listed twice?";
    EXPECT_EQ(QSet<QString>(table.begin(), table.end()), expected);
}

TEST(Syllables, EachSyllableKnowsItsLettersRowAndKind)
{
    const QString stops = QStringLiteral("пткбдг");
    for (const TSyllable& s : AllSyllables()) {
        SCOPED_TRACE(s.Text.toStdString());
        ASSERT_EQ(s.Text.size(), 2);
        EXPECT_EQ(s.Text, s.Closed ? QString(s.Vowel) + s.Consonant : QString(s.Consonant) + s.Vowel);
        EXPECT_EQ(s.Stop, stops.contains(s.Consonant));
        const TTileColour consonant = LetterColour(s.Text, s.Text.indexOf(s.Consonant));
        EXPECT_EQ(s.Row == TSyllableRow::Soft, consonant == TTileColour::SoftConsonant);
        EXPECT_EQ(LetterColour(s.Text, s.Text.indexOf(s.Vowel)), TTileColour::Vowel);
        EXPECT_EQ(FindSyllable(s.Text), s);
    }
    EXPECT_EQ(Texts(ClosedSyllables()), QStringLiteral("ам ом ум ым ас ос ус ыс ан он ун ын").split(u' '));
    EXPECT_FALSE(FindSyllable(QStringLiteral("мэ")));
    EXPECT_FALSE(FindSyllable(QStringLiteral("жы")));
    EXPECT_FALSE(FindSyllable(QStringLiteral("ма-")));
}

TEST(Syllables, LetterTileColours)
{
    const auto V = TTileColour::Vowel, H = TTileColour::HardConsonant, S = TTileColour::SoftConsonant;
    const struct {
        const char* Written;
        std::vector<TTileColour> Colours;
    } cases[] = {
        {"ма", {H, V}},     {"мя", {S, V}},     {"ми", {S, V}},     {"ме", {S, V}},     {"мё", {S, V}},  // a pair consonant
        {"жи", {H, V}},     {"ше", {H, V}},     {"цы", {H, V}},     {"ци", {H, V}},                      // always hard
        {"ча", {S, V}},     {"щу", {S, V}},     {"чо", {S, V}},                                          // always soft
        {"ам", {V, H}},     {"ын", {V, H}},                                                              // closed
        {"кит", {S, V, H}}, {"лук", {H, V, H}}, {"лаш", {H, V, H}}, {"щук", {S, V, H}},                  // a final consonant
    };
    for (const auto& c : cases)
        for (qsizetype i = 0; i < qsizetype(c.Colours.size()); ++i)
            EXPECT_EQ(LetterColour(QString::fromUtf8(c.Written), i), c.Colours[std::size_t(i)]) << c.Written << " " << i;
}

TEST(Syllables, LessonsComeInTeachingOrderAndHoldEveryOpenSyllableOnce)
{
    QString order;
    for (const TLesson& l : Lessons()) order += l.Consonant;
    EXPECT_EQ(order, QStringLiteral("МСНЛШХРПТКБДГВЗЖФЦЧЩ").toLower());

    std::map<QString, int> seen;
    for (int i = 0; i < Lessons().size(); ++i) {
        const TLesson& l = Lessons()[i];
        SCOPED_TRACE(QString(l.Consonant).toStdString());
        for (const TSyllable& s : l.Syllables()) {
            EXPECT_EQ(s.Consonant, l.Consonant) << s.Text.toStdString();
            ++seen[s.Text];
            EXPECT_EQ(LessonOf(s.Text), i);
        }
        for (const TSyllablePair& p : l.Pairs) {
            EXPECT_EQ(p.Hard.Row, TSyllableRow::Hard);
            EXPECT_EQ(p.Soft.Row, TSyllableRow::Soft);
            EXPECT_EQ(kSoftVowels.indexOf(p.Soft.Vowel), kHardVowels.indexOf(p.Hard.Vowel));
            EXPECT_TRUE(l.FirstRow.contains(p.Hard)) << p.Hard.Text.toStdString();
        }
        // The closed syllables come after every open one.
        const QList<TSyllable> all = l.Syllables();
        EXPECT_TRUE(std::is_partitioned(all.begin(), all.end(), [](const TSyllable& s) { return !s.Closed; }));
    }
    for (const TSyllable& s : AllSyllables()) EXPECT_EQ(seen[s.Text], 1) << s.Text.toStdString();
    EXPECT_EQ(seen.size(), std::size_t(AllSyllables().size()));
}

TEST(Syllables, LessonsOfConsonantsWithAndWithoutASoftPartner)
{
    const struct {
        int Lesson;
        const char* FirstRow;
        const char* Pairs;  // hard and soft, pair after pair
        const char* Others;
        const char* Closed;
    } cases[] = {
        {0, "ма мо му мы", "ма мя му мю мо мё мы ми", "ме", "ам ом ум ым"},
        {1, "са со су сы", "са ся су сю со сё сы си", "се", "ас ос ус ыс"},
        {2, "на но ну ны", "на ня ну ню но нё ны ни", "не", "ан он ун ын"},
        {4, "ша шо шу", "", "ши ше шё", ""},
        {9, "ка ко ку", "", "ки ке", ""},
        {15, "жа жо жу", "", "жи же жё", ""},
        {17, "ца цо цу цы", "", "ци це", ""},
        {18, "ча чо чу", "", "чи че чё", ""},
        {19, "ща що щу", "", "щи ще щё", ""},
    };
    for (const auto& c : cases) {
        const TLesson& l = Lessons()[c.Lesson];
        SCOPED_TRACE(QString(l.Consonant).toStdString());
        QStringList pairs;
        for (const TSyllablePair& p : l.Pairs) pairs << p.Hard.Text << p.Soft.Text;
        EXPECT_EQ(Texts(l.FirstRow).join(u' '), QString::fromUtf8(c.FirstRow));
        EXPECT_EQ(pairs.join(u' '), QString::fromUtf8(c.Pairs));
        EXPECT_EQ(Texts(l.Others).join(u' '), QString::fromUtf8(c.Others));
        EXPECT_EQ(Texts(l.Closed).join(u' '), QString::fromUtf8(c.Closed));
    }
}

TEST(Syllables, EveryWordIsReadAfterItsLessonAndNotBefore)
{
    ASSERT_GE(Words().size(), 40);
    QSet<QString> texts;
    int previous = 0;
    for (const TWord& w : Words()) {
        SCOPED_TRACE(w.Text.toStdString());
        EXPECT_FALSE(texts.contains(w.Text)) << "twice";
        texts.insert(w.Text);
        for (QChar ch : w.Text) EXPECT_TRUE(content::kSmallLetters.contains(ch));
        EXPECT_EQ(w.Parts.join(QString()), w.Text);
        // A voiced consonant at the end is said voiceless: such a word is not read as written.
        EXPECT_FALSE(QStringLiteral("бвгджз").contains(w.Text.back()));
        ASSERT_GE(w.Lesson, 0);
        ASSERT_LT(w.Lesson, Lessons().size());
        EXPECT_TRUE(Readable(w, w.Lesson));
        EXPECT_FALSE(Readable(w, w.Lesson - 1));
        EXPECT_GE(w.Lesson, previous) << "the words come in the order of their lessons";
        previous = w.Lesson;
    }
    // The words a primer begins with are among them.
    for (const char* w : {"мама", "папа", "лапа", "рама",   "каша", "маша", "вата", "луна", "рука", "муха",
                          "шуба", "рыба", "нота", "панама", "сом",  "сок",  "кот",  "нос",  "мак",  "дом"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(w))) << w;
}

TEST(Syllables, WhatTheScreensAsk)
{
    EXPECT_EQ(LessonOf(QStringLiteral("ма")), 0);
    EXPECT_EQ(LessonOf(QStringLiteral("ым")), 0);
    EXPECT_EQ(LessonOf(QStringLiteral("ас")), 1);
    EXPECT_EQ(LessonOf(QStringLiteral("щё")), 19);
    EXPECT_EQ(LessonOf(QStringLiteral("ал")), -1) << "closed syllables only for м, с, н";
    EXPECT_EQ(LessonOf(QStringLiteral("мэ")), -1);
    EXPECT_EQ(LessonOf(QString()), -1);

    EXPECT_EQ(FirstLessonWith({}), -1);
    EXPECT_EQ(FirstLessonWith({QStringLiteral("щу")}), 19);
    EXPECT_EQ(FirstLessonWith({QStringLiteral("ка"), QStringLiteral("ос"), QStringLiteral("щу")}), 1);
    EXPECT_EQ(FirstLessonWith({QStringLiteral("щу"), QStringLiteral("ым")}), 0);
    EXPECT_EQ(FirstLessonWith({QStringLiteral("мама"), QStringLiteral("хы")}), -1);

    EXPECT_TRUE(WordsReadableAfter(-1).isEmpty());
    EXPECT_EQ(WordsReadableAfter(0).size(), 1);
    EXPECT_EQ(WordsReadableAfter(0).value(0).Text, QStringLiteral("мама"));
    EXPECT_EQ(WordsReadableAfter(19).size(), Words().size());
    for (int lesson = 0; lesson < Lessons().size(); ++lesson)
        for (const TWord& w : WordsReadableAfter(lesson)) EXPECT_TRUE(Readable(w, lesson)) << w.Text.toStdString();
}
