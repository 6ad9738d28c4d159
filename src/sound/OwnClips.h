#pragma once
// Everything the program says, as a grown-up sees it in the corner, and the family's own
// recordings of it. An own clip is an MP3 file in the user's content layer under the very path the
// installed clip has (Sound/<voice>/<folder>/<file>.mp3), so the content roots play it instead of
// the installed one; taking it away brings the installed one back.
#include "platform/ContentRoots.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace ownclips {

enum class TClipGroup { LetterNames, LetterSounds, Phrases, Praise, TryAgain, Syllables, DrawnOutSyllables, Words };
enum class TClipSource {
    Installed,  // the program plays the installed clip
    Own,        // the family's own recording
    None,       // no clip at all yet
};

struct TSpokenClip {
    TClipGroup Group;
    QString Text;  // as the corner shows it and names its buttons: "бэ", "звук б", "Покажи букву", "слог ма"
    QString Relative;  // below a content root: "Sound/Женский голос/Буквы/б.mp3"
    TClipSource Source = TClipSource::None;
    // "Слоги"'s clips only: the lesson (index into syllables::Lessons()) the syllable is taught in, or
    // after which the word can be read, and the syllable or word alone ("ма", "мама").
    int Lesson = -1;
    QString Written = QString();
};

// The roots of Roots other than the user's own layer UserRoot, in search order: where installed clips lie.
QStringList InstalledRoots(const TContentRoots& Roots, const QString& UserRoot);

// The name of a letter as spoken: "бэ" for б, "и краткое" for й, the letter itself for a vowel.
QString LetterName(QChar Small);

// What the program speaks in Voice ("Женский голос"): the 33 letter names, the sounds of the 31
// letters that have one, the named phrases (the letter games' and "Слоги"'s), every praise and
// try-again phrase in any layer, then "Слоги"'s syllables ("слог ма"), the same drawn out ("слог ма
// протяжно") and its words ("слово мама"), each of those three by lesson, in that order. UserRoot
// is the user's own layer; Installed are the other roots, in search order.
std::vector<TSpokenClip> SpokenClips(const QString& UserRoot, const QStringList& Installed, const QString& Voice);

// Keeps Mp3 as the family's own clip at Relative; the sentence to show when it cannot be written.
std::optional<QString> KeepOwnClip(const QString& UserRoot, const QString& Relative, const QByteArray& Mp3);
// Takes the family's own clip at Relative away (only that file); the sentence on failure.
std::optional<QString> RemoveOwnClip(const QString& UserRoot, const QString& Relative);

// The file name a new phrase is kept under: words joined by '_', anything but letters and digits
// dropped, ".mp3" added ("Так держать!" gives "Так_держать.mp3"); empty when no word is left.
QString PhraseFileName(const QString& Text);
// The phrase a file name stands for ("Так_держать.mp3" gives "Так держать").
QString PhraseText(const QString& FileName);

struct TNewPhrase {
    enum TCheck { Ok, Empty, Exists } Check = Empty;
    QString Relative;  // where the phrase is kept
    // For Empty, the sentence that refuses it; for Exists, the question to ask ("Заменить?").
    QString Message;
};
// Whether Text can name a new phrase of Group (Praise or TryAgain) in Voice.
TNewPhrase CheckNewPhrase(const QString& UserRoot, const QStringList& Installed, const QString& Voice, TClipGroup Group,
                          const QString& Text);

}  // namespace ownclips
