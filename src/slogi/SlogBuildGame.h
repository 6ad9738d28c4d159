#pragma once
// "Собери слог": the lesson's consonants and vowels as letter tiles. A letter alone says its sound;
// a consonant and then a vowel join into their syllable (a vowel and then a consonant, for a
// closed one): a runner travels from the first letter to the second while the drawn-out clip
// plays ("мммаа"; after a stop it starts at the vowel), then the syllable is said as read. Free
// building is judged by no one; the tasks ("Собери слог" + "ма", each syllable of the lesson once)
// judge each syllable built.
#include "core/Syllables.h"
#include "slogi/SlogRound.h"

#include <QList>
#include <QString>

#include <optional>

class TSlogSounds;
struct TSlogLesson;

// The runner's way along the track for one syllable built, in the track's units: 0 stands under
// the first letter, 1 under the second. A stop cannot be drawn out: the runner starts at its vowel
// and runs on along it, to kStopRunEnd.
struct TSlogFusion {
    syllables::TSyllable Syllable;
    double From = 0;
    double To = 1;
};
inline constexpr double kStopRunEnd = 1.4;

TSlogFusion FusionOf(const syllables::TSyllable& Syllable);

class TSlogBuildGame : public TSlogRound {
public:
    TSlogBuildGame(TAppContext& Context, const TSlogSounds& Sounds);

    std::function<int(int)> Draw;
    // A syllable has been built: the screen sends the runner on its way (the sound starts now).
    std::function<void(const TSlogFusion&)> Joined;

    // Free building with Lesson's letters: its consonant and the one of the lesson before it in
    // Lessons (when there is one), and the vowels of its syllables.
    void Start(const TSlogLesson& Lesson, const QList<TSlogLesson>& Lessons);
    // "Задание": the tasks begin, the first is asked.
    void StartTasks();
    bool Tasks() const { return FTasks; }

    // The tiles: consonants, and vowels in the order of syllables::kVowels.
    const QString& Consonants() const { return FConsonants; }
    const QString& Vowels() const { return FVowels; }

    // A letter tile pressed (nothing while a syllable is being joined or the praise is said).
    void Press(QChar Letter);
    // "Повторить": the task again.
    void Repeat();

    // The letters in the two slots, as pressed or built ("м", "ма"; empty at first).
    const QString& Slots() const { return FSlots; }
    // The syllable in the slots, once built.
    const std::optional<syllables::TSyllable>& Built() const { return FBuilt; }
    // A built syllable is being said: its runner runs.
    bool Joining() const { return FJoining; }
    const syllables::TSyllable& Task() const { return FOrder.at(Question()); }

    int QuestionCount() const override { return FTasks ? int(FOrder.size()) : 0; }

protected:
    void Ask() override;
    void SayAgain() override;

private:
    // The syllable First then Second make, when it can be said.
    std::optional<syllables::TSyllable> Joinable(QChar First, QChar Second) const;
    void Join(const syllables::TSyllable& Syllable);
    void Clear();

    const TSlogSounds& FSounds;
    QString FConsonants;
    QString FVowels;
    QList<syllables::TSyllable> FOrder;
    bool FTasks = false;
    QString FSlots;
    std::optional<syllables::TSyllable> FBuilt;
    bool FJoining = false;
    int FJoin = 0;  // counts the syllables built, so that a join's end is told only for the last
};
