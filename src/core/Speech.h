#pragma once
// What the games and the letter tiles ask of the sound: one file, a pair of files one after the
// other, the spoken feedback, and a call once what was asked for has been heard. Paths are full paths.
#include <QString>

#include <functional>

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
    // Then runs once the sound asked for last has played to its end on both players (the second
    // file of a pair too), or at once when nothing plays; never when a later sound replaces it
    // first. A screen that goes on by itself waits so, with no box ("Слоги").
    virtual void AfterSound(std::function<void()> Then) = 0;
    // A random praise or try-again phrase with no box; Then runs once it has ended (AfterSound).
    virtual void SayPraiseThen(std::function<void()> Then) = 0;
    virtual void SayTryAgainThen(std::function<void()> Then) = 0;
    // The file names the two players hold now (empty when that file was missing).
    virtual QString FirstPlayerFileName() const = 0;
    virtual QString SecondPlayerFileName() const = 0;
};
