#pragma once
// The demo content described by the plain-text tables in tools/data: the alphabet with its spoken
// names and sounds, the phrases, the voices, the word pictures and the colouring pages.
#include "core/ContentLayout.h"

#include <QList>
#include <QString>

namespace content {

// A picture drawn from an emoji: its Fluent Emoji "flat" name and its code points ("1f9dd-200d-2642").
struct TPictureRef {
    QString Icon;
    QString CodePoints;
    QString EmojiText() const;  // the code points as a string, for the colour emoji font
};

struct TLetterEntry {
    QString Small;
    QString Capital;
    QString Kind;           // "vowel", "consonant" or "sign"
    QString NameText;       // the letter's name spelled so that the synthesizer reads it right
    QString SoundPhonemes;  // espeak-ng phonemes of the letter's sound; empty for the signs
    QString CardWord;       // a word containing the letter, pictured on the letter's card
    TPictureRef CardPicture;
    bool HasSound() const { return !SoundPhonemes.isEmpty(); }
};

struct TWordEntry {
    QString Word;
    TPictureRef Picture;
};

struct TPhraseEntry {
    QString RelativePath;  // under the voice's "Фразы/" folder
    QString Text;
};

struct TVoiceEntry {
    QString Folder;  // "Женский голос" or "Мужской голос"
    QString EspeakVoice;
};

struct TColouringPage {
    QString Theme;
    QString Word;
    TPictureRef Picture;
};

struct TContentData {
    QList<TLetterEntry> Letters;
    QList<TWordEntry> Words;
    QList<TPhraseEntry> Phrases;
    QList<TVoiceEntry> Voices;
    QList<TColouringPage> Pages;
    // The clips of "Слоги" (its syllables and words, core/Syllables.h) are part of the content.
    bool Syllables = false;

    // Reads letters.txt, words.txt, phrases.txt, voices.txt and themes.txt of Folder. On a missing
    // file or a malformed line, Error names it and the result is incomplete.
    static TContentData Load(const QString& Folder, QString& Error);
};

// True when both word games can ask for Word: not empty and made of the 33 small letters only.
bool IsAnswerableWord(const QString& Word);

}  // namespace content
