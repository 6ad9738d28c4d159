#include "slogi/SlogFindGame.h"

#include "core/AppContext.h"
#include "core/ContentLayout.h"
#include "core/Speech.h"
#include "platform/Random.h"
#include "slogi/SlogSounds.h"

using syllables::TSyllable;

TSlogFindGame::TSlogFindGame(TAppContext& Context, const TSlogSounds& Sounds)
    : TSlogRound(Context, TSyllableMode::smFindSyllable),
      Draw([](int n) {
          Randomize();
          return Random(n);
      }),
      FSounds(Sounds)
{}

void TSlogFindGame::Start(const TSlogLesson& Lesson, const QList<TSyllable>& Near)
{
    FLesson = Lesson.Syllables;
    FNear = Near;
    FOrder = FLesson;
    Shuffle(FOrder, Draw);
    FStages.Reset();
    Begin();
}

void TSlogFindGame::Prepare()
{
    const TSyllable& wanted = Wanted();
    QList<TSyllable> pool = FLesson;
    if (Stage() == TFindStage::fsFourNear)
        for (const TSyllable& s : std::as_const(FNear))
            if (!pool.contains(s)) pool.append(s);
    FTiles = Distractors(wanted, Stage(), pool, Draw);
    FTiles.append(wanted);
    Shuffle(FTiles, Draw);
}

void TSlogFindGame::Ask()
{
    FContext.Speech->PlaySoundPair(FSounds.Phrase(content::layout::kFindSyllablePhrase), FSounds.Syllable(Wanted().Text));
}

void TSlogFindGame::SayAgain()
{
    FContext.Speech->PlaySoundFile(FSounds.Syllable(Wanted().Text));
}

void TSlogFindGame::Pick(const TSyllable& Syllable)
{
    if (!Open()) return;
    Judge(Syllable == Wanted(), Wanted().Text, Syllable.Text);
}

void TSlogFindGame::Repeat()
{
    if (Open()) Ask();
}
