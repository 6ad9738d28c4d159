#pragma once
// What the games and the letter tiles ask of the sound: one file, a pair of files one after the
// other, and the spoken feedback. Paths are full paths.
#include <QString>

class ISpeech {
public:
    virtual ~ISpeech() = default;
    // Plays one file on the first player; a box tells of a missing file or one that will not open.
    virtual void PlaySoundFile(const QString& Path) = 0;
    // Plays First on the first player and Second on the second player once First has ended.
    virtual void PlaySoundPair(const QString& First, const QString& Second) = 0;
    // A random praise phrase, then the "Продолжить" box; returns when the box is closed.
    virtual void SayPraise() = 0;
    // A random try-again phrase, then the "Продолжить" box; returns when the box is closed.
    virtual void SayTryAgain() = 0;
    // The well-done phrase, then the start screen.
    virtual void SayWellDone() = 0;
    // The file names the two players hold now (empty when that file was missing).
    virtual QString FirstPlayerFileName() const = 0;
    virtual QString SecondPlayerFileName() const = 0;
};
