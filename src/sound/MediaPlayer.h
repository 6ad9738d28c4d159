#pragma once
// A media player as the main window uses it: one file at a time, opened by name, played without
// waiting, closed, and asked for its mode.
#include <QString>

#include <array>
#include <functional>
#include <stdexcept>

// The modes of a media device, in the order the media control interface numbers them.
enum TMPModes : int {
    mpNotReady = 0,
    mpStopped = 1,
    mpPlaying = 2,
    mpRecording = 3,
    mpSeeking = 4,
    mpPaused = 5,
    mpOpen = 6,
};

inline constexpr std::array<const char*, 7> ModeNames = {"Not ready", "Stopped", "Playing", "Recording",
                                                         "Seeking",   "Paused",  "Open"};

// Opening a file failed: it is missing, not an MP3 file, or damaged. what() tells which.
class EMediaPlayerError : public std::runtime_error {
public:
    // What happened in the decoder's words, and why in the user's (may be empty).
    explicit EMediaPlayerError(const std::string& What, QString WhyForUser = QString())
        : std::runtime_error(What), Reason(std::move(WhyForUser))
    {}
    QString Reason;
};

class IMediaPlayer {
public:
    virtual ~IMediaPlayer() = default;

    // The path of the file the next Open opens.
    const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& Path) { FFileName = Path; }

    // Closes whatever the player held (its sound stops), then opens FileName, stopped at its
    // beginning. Throws EMediaPlayerError on failure, leaving the player closed. A damaged file
    // that still holds sound opens and plays what it holds; Damage then says what is wrong.
    virtual void Open() = 0;
    // Why the open file is not whole, in the user's words ("MP3 обрезан: …"); empty when it is
    // whole or none is open.
    virtual QString Damage() const { return QString(); }
    // Starts the open file from its current position and returns at once.
    virtual void Play() = 0;
    // Stops and releases the open file; nothing happens when none is open. A wait begun with
    // PlayAfter ends with it.
    virtual void Close() = 0;
    virtual TMPModes Mode() const = 0;
    // Plays the open file once Leader is not playing: at once when it is not playing now, otherwise
    // the moment the sound it plays ends, whatever sound that is by then (Leader may be given
    // another file meanwhile). Opening or closing this player drops the wait.
    virtual void PlayAfter(IMediaPlayer& Leader) = 0;
    // Whether the open file waits for a leader (PlayAfter) and has not started yet.
    virtual bool Waiting() const = 0;

    // Called on the user-interface thread after the open file has played to its end.
    std::function<void()> OnEnded;

private:
    QString FFileName;
};
