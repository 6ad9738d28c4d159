#pragma once
// "Читаем слова": a word in big letters, split into its syllables. A click on a syllable says it,
// a click on the word says the whole word; to answer, the child picks the word's picture among
// three. A word without a picture is read but not asked: the child goes on to the next word.
#include "core/Syllables.h"
#include "slogi/SlogRound.h"

#include <QList>
#include <QStringList>

class TSlogSounds;

class TSlogReadGame : public TSlogRound {
public:
    // How many words a round reads at most: the lesson's own, then earlier ones.
    static constexpr int kRoundWords = 8;

    TSlogReadGame(TAppContext& Context, const TSlogSounds& Sounds);

    std::function<int(int)> Draw;

    // A new round over the words readable once lesson Lesson is done (those with a clip in the
    // voice): the lesson's own first, the rest drawn from the earlier ones. Pictures are the words
    // that have a picture. The first word is asked.
    void Start(int Lesson, const QStringList& Pictures);

    const syllables::TWord& Word() const { return FWords.at(Question()); }
    // The pictures to pick from, in their places: the word's and up to two others; none for a word
    // without a picture.
    const QStringList& Choices() const { return FChoices; }
    // Whether the word is asked (it has a picture); if not, Next goes on.
    bool Asked() const { return !FChoices.isEmpty(); }

    // A syllable of the word (its index among the parts), or the whole word, said.
    void SayPart(int Index);
    void SayWord();
    // A picture picked, by its word.
    void Pick(const QString& PictureWord);
    // To the next word, for a word that is not asked.
    void Next();
    // "Повторить": "Прочитай слово" again.
    void Repeat();

    int QuestionCount() const override { return int(FWords.size()); }

protected:
    void Prepare() override;
    void Ask() override;
    void SayAgain() override {}

private:
    // Sounds of the word may be played: a word is shown and no praise is being said.
    bool MaySay() const { return QuestionCount() > 0 && !Praising() && !Finished(); }

    const TSlogSounds& FSounds;
    QList<syllables::TWord> FWords;
    QStringList FPictures;
    QStringList FChoices;
};
