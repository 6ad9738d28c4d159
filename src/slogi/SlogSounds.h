#pragma once
// What "Слоги" says and which of it the content holds: the clips of the syllables (said as read
// and drawn out) and of the first words in each voice, found once by listing their folders, and
// the path of every sound the activity plays, in the voice chosen now. A syllable without its clip
// in the voice is left out of its lesson; a missing drawn-out clip gives way to the plain one.
#include "core/Syllables.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

struct TSettings;

// The clips one voice has, by their syllable or word ("ма", "мама").
struct TSlogClips {
    QSet<QString> Syllables;
    QSet<QString> DrawnOut;
    QSet<QString> Words;
};

// A lesson as the clips allow it: its syllables with a clip, in the lesson's order.
struct TSlogLesson {
    int Number = -1;  // its index in syllables::Lessons()
    QChar Consonant;
    QList<syllables::TSyllable> Syllables;
};

// The clips of both voices.
class TSlogContent {
public:
    // Lists the clip folders of every voice in every content root (any thread; files are not opened).
    static TSlogContent Scan(const TSettings& Settings);
    // The clips of the voice folder Voice ("Женский голос/"); none for a voice it does not know.
    const TSlogClips& Of(const QString& Voice) const;
    void Set(const QString& Voice, TSlogClips Clips) { FVoices.insert(Voice, std::move(Clips)); }
    // Whether any voice has a syllable clip at all.
    bool AnySyllable() const;

private:
    QHash<QString, TSlogClips> FVoices;
};

// The lessons that keep a syllable with Clips, each with those syllables only.
QList<TSlogLesson> AvailableLessons(const TSlogClips& Clips);

// The paths of the activity's sounds in the voice the settings hold when asked.
class TSlogSounds {
public:
    TSlogSounds(const TSettings& Settings, const TSlogContent& Content) : FSettings(Settings), FContent(Content) {}

    const TSlogClips& Clips() const;
    QString Syllable(const QString& Text) const;
    // Drawn out ("мммаа"), or said as read when the voice has no drawn-out clip of it.
    QString DrawnOut(const QString& Text) const;
    QString Word(const QString& Text) const;
    // A letter's sound ("Звуки/м.mp3").
    QString LetterSound(QChar Letter) const;
    QString Phrase(const QString& Name) const;
    // What a part of a written word sounds like: the syllable's clip, or for an open syllable with
    // a final consonant ("мон") the open syllable then the consonant's sound. Empty Second: one file.
    struct TPair {
        QString First;
        QString Second;
    };
    TPair Part(const QString& Part) const;

private:
    QString Voice() const;

    const TSettings& FSettings;
    const TSlogContent& FContent;
};
