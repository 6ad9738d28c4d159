#include "slogi/SlogBuildGame.h"

#include "core/AppContext.h"
#include "core/ContentLayout.h"
#include "core/Speech.h"
#include "platform/Random.h"
#include "slogi/SlogSounds.h"
#include "slogi/SlogStages.h"

using syllables::TSyllable;

TSlogFusion FusionOf(const TSyllable& Syllable)
{
    if (Syllable.Stop && !Syllable.Closed) return {Syllable, 1, kStopRunEnd};
    return {Syllable, 0, 1};
}

TSlogBuildGame::TSlogBuildGame(TAppContext& Context, const TSlogSounds& Sounds)
    : TSlogRound(Context, TSyllableMode::smBuildSyllable),
      Draw([](int n) {
          Randomize();
          return Random(n);
      }),
      FSounds(Sounds)
{}

void TSlogBuildGame::Start(const TSlogLesson& Lesson, const QList<TSlogLesson>& Lessons)
{
    Stop();
    FTasks = false;
    FConsonants = QString(Lesson.Consonant);
    for (qsizetype i = 1; i < Lessons.size(); ++i)
        if (Lessons[i].Number == Lesson.Number) FConsonants += Lessons[i - 1].Consonant;
    FVowels.clear();
    for (QChar v : syllables::kVowels)
        for (const TSyllable& s : Lesson.Syllables)
            if (s.Vowel == v && !FVowels.contains(v)) FVowels += v;
    FOrder = Lesson.Syllables;
    Clear();
    if (Changed) Changed();
}

void TSlogBuildGame::StartTasks()
{
    FTasks = true;
    Shuffle(FOrder, Draw);
    Clear();
    Begin();
}

void TSlogBuildGame::Clear()
{
    FSlots.clear();
    FBuilt.reset();
    FJoining = false;
    ++FJoin;
}

std::optional<TSyllable> TSlogBuildGame::Joinable(QChar First, QChar Second) const
{
    const std::optional<TSyllable> s = syllables::FindSyllable(QString(First) + Second);
    if (!s || !FSounds.Clips().Syllables.contains(s->Text)) return std::nullopt;
    return s;
}

void TSlogBuildGame::Press(QChar Letter)
{
    if (FJoining || Praising() || (!FConsonants.contains(Letter) && !FVowels.contains(Letter))) return;
    if (FSlots.size() == 1)
        if (const std::optional<TSyllable> s = Joinable(FSlots.at(0), Letter)) return Join(*s);
    FSlots = QString(Letter);
    FBuilt.reset();
    if (Changed) Changed();
    FContext.Speech->PlaySoundFile(FSounds.LetterSound(Letter));
}

void TSlogBuildGame::Join(const TSyllable& Syllable)
{
    FSlots = Syllable.Text;
    FBuilt = Syllable;
    FJoining = true;
    const int join = ++FJoin;
    if (Changed) Changed();
    if (Joined) Joined(FusionOf(Syllable));
    FContext.Speech->PlaySoundPair(FSounds.DrawnOut(Syllable.Text), FSounds.Syllable(Syllable.Text));
    FContext.Speech->AfterSound([this, join, life = std::weak_ptr<int>(Life())] {
        if (!life.lock() || join != FJoin) return;
        FJoining = false;
        if (Changed) Changed();
        if (FTasks && Open() && (!OnScreen || OnScreen())) Judge(FBuilt == Task(), Task().Text, FBuilt->Text);
    });
}

void TSlogBuildGame::Ask()
{
    FContext.Speech->PlaySoundPair(FSounds.Phrase(content::layout::kBuildSyllablePhrase), FSounds.Syllable(Task().Text));
}

void TSlogBuildGame::SayAgain()
{
    FContext.Speech->PlaySoundFile(FSounds.Syllable(Task().Text));
}

void TSlogBuildGame::Repeat()
{
    if (FTasks && Open() && !FJoining) Ask();
}
