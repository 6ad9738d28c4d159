#include "slogi/SlogReadGame.h"

#include "core/AppContext.h"
#include "core/ContentLayout.h"
#include "core/Speech.h"
#include "platform/Random.h"
#include "slogi/SlogSounds.h"
#include "slogi/SlogStages.h"

using syllables::TWord;

TSlogReadGame::TSlogReadGame(TAppContext& Context, const TSlogSounds& Sounds)
    : TSlogRound(Context, TSyllableMode::smReadWords),
      Draw([](int n) {
          Randomize();
          return Random(n);
      }),
      FSounds(Sounds)
{}

void TSlogReadGame::Start(int Lesson, const QStringList& Pictures)
{
    Stop();
    FPictures = Pictures;
    QList<TWord> own, earlier;
    for (const TWord& w : syllables::WordsReadableAfter(Lesson))
        if (FSounds.Clips().Words.contains(w.Text)) (w.Lesson == Lesson ? own : earlier).append(w);
    Shuffle(earlier, Draw);
    FWords = own.mid(0, kRoundWords) + earlier.mid(0, std::max<qsizetype>(0, kRoundWords - own.size()));
    Begin();
}

void TSlogReadGame::Prepare()
{
    FChoices.clear();
    const QString word = Word().Text;
    if (!FPictures.contains(word)) return;
    QStringList others = FPictures;
    others.removeAll(word);
    Shuffle(others, Draw);
    FChoices = others.mid(0, 2);
    FChoices.append(word);
    Shuffle(FChoices, Draw);
}

void TSlogReadGame::Ask()
{
    FContext.Speech->PlaySoundFile(FSounds.Phrase(content::layout::kReadWordPhrase));
}

void TSlogReadGame::SayPart(int Index)
{
    if (!MaySay() || Index < 0 || Index >= Word().Parts.size()) return;
    const TSlogSounds::TPair part = FSounds.Part(Word().Parts.at(Index));
    if (part.Second.isEmpty())
        FContext.Speech->PlaySoundFile(part.First);
    else
        FContext.Speech->PlaySoundPair(part.First, part.Second);
}

void TSlogReadGame::SayWord()
{
    if (MaySay()) FContext.Speech->PlaySoundFile(FSounds.Word(Word().Text));
}

void TSlogReadGame::Pick(const QString& PictureWord)
{
    if (Open() && Asked()) Judge(PictureWord == Word().Text, Word().Text, PictureWord, Word().Text);
}

void TSlogReadGame::Next()
{
    if (Open() && !Asked()) Advance();
}

void TSlogReadGame::Repeat()
{
    if (Open()) Ask();
}
