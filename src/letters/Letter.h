#pragma once
// The alphabet in memory: the letter record and the catalogue that builds the Russian alphabet for
// the current letter-set mode, with each letter's sound file name and decoded picture.
#include "core/Settings.h"
#include "platform/Collection.h"
#include "platform/Cp1251.h"

#include <QImage>
#include <functional>
#include <stdexcept>

// A letter picture file that exists but cannot be decoded.
class EPictureDecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Letter kinds as the letter table gives them; kept and copied, never read by the program.
enum TLetterKind : short {
    lkVowel = 0,
    lkConsonant = 1,
    lkSign = 2,  // Ъ and Ь
};

class TLetter : public TCollectionItem {
public:
    explicit TLetter(TCollection* Collection);

    unsigned char UpperLetter = 0;  // cp1251 code of the capital: the tile's caption
    unsigned char LowerLetter = 0;  // cp1251 code of the small letter: the letter's identity
    AnsiString SoundFileName;       // small letter + ".mp3"; the folder is chosen when it is played
    short LetterKind = lkVowel;
    // The decoded picture. QImage is implicitly shared, so a copy costs nothing until one side
    // is changed, and then behaves as a deep copy.
    QImage Picture;

    // Copies the letter's fields and picture content; Source must be a TLetter (EInvalidCast otherwise).
    void Assign(const TCollectionItem& Source) override;
};

class TLetterCollection : public TCollection {
public:
    // Settings supply the content the pictures are read from, and the letter-set mode.
    TLetterCollection(TItemClass ItemClass, const TSettings& Settings);

    // Appends a new, zeroed letter.
    TLetter* AddLetter();
    // The letter at Index; EListError at or beyond Count().
    TLetter* GetLetter(unsigned short Index) const;
    // Reads every letter's picture from "Pic/Alphabet/Rus/<small letter>.jpg" in the first content
    // root that has it. A missing file leaves the picture empty; a file that does not decode raises
    // EPictureDecodeError (the letters before it keep their new pictures). Returns true. When
    // Ending says so, it stops before the next file with ELoadingStopped.
    bool LoadPictures(const std::function<bool()>& Ending = {});
    // Where the picture file of a letter code is expected: under the base content root of Settings.
    static QString PictureFileName(const TSettings& Settings, unsigned char LowerLetter);

    // False for a catalogue whose letters are never shown as pictures: LoadPictures still decodes
    // each file, so a damaged one stops the build as before, but keeps none (33 pictures hold
    // about 11 MiB), and the letters' pictures stay empty.
    bool KeepPictures = true;

protected:
    const TSettings& FSettings;
};

class TRusLetterCollection : public TLetterCollection {
public:
    explicit TRusLetterCollection(const TSettings& Settings);

    // Empties the catalogue and fills it from the letter table for the LetterSetMode in force now:
    // 33 letters for lsNames, 31 (without Ъ and Ь) for lsSounds, none for any other value.
    void MakeLetters();
    // MakeLetters, then the sound file names, then LoadPictures(Ending).
    void BuildAlphabet(const std::function<bool()>& Ending = {});
};
