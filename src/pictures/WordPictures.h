#pragma once
// A family's own word pictures: a photo added for a word ("кот"), kept as <word>.jpg in the user's
// layer (Pic/Images/Rus/), where the picture games find it beside the installed ones and prefer it
// to an installed picture of the same word.
#include <QString>
#include <QStringList>

#include <optional>

namespace wordpics {

// The longest side a kept picture has: sharp on any screen the games fill, small on disk.
inline constexpr int kLongestSide = 1600;
// The largest file a kept picture may become; the quality is lowered until it fits.
inline constexpr qint64 kLargestKeptFile = 400 * 1024;

struct TWordCheck {
    bool Ok = false;
    QString Word;      // the word as kept: small letters, single spaces
    QString Refusal;   // for a word that cannot be kept, the one sentence that says why
    QString UsedBy;    // which games will show the picture and for which letters
    QString Question;  // for a word that already has a picture: "Заменить картинку «кот»?"
};

// Whether Typed names a word picture: capitals are lowered and runs of spaces made single; only
// Russian letters and spaces may stay. Roots are the content roots, the user's own layer among them.
TWordCheck CheckWord(const QString& Typed, const QStringList& Roots);

// Adds the picture in the file Source for Word (as CheckWord gives it): turned upright as its
// EXIF says, scaled to at most kLongestSide, written as a JPEG into the user's layer UserRoot.
// Nothing on success; otherwise the one sentence to show, and nothing is written.
std::optional<QString> ImportWordPicture(const QString& Source, const QString& Word, const QString& UserRoot);

// The words of the family's own pictures, in listing order.
QStringList OwnWords(const QString& UserRoot);
// The path of the family's own picture of Word.
QString OwnPicturePath(const QString& UserRoot, const QString& Word);
// Renames the own picture of Word to NewWord (checked as CheckWord does); the sentence on failure.
std::optional<QString> RenameOwnPicture(const QString& UserRoot, const QString& Word, const QString& NewWord);
// Removes the own picture of Word; the sentence on failure.
std::optional<QString> RemoveOwnPicture(const QString& UserRoot, const QString& Word);

// Why a picture file cannot be added, in the words the games use for a picture they cannot read
// ("не открывается: HEIC", "слишком большой рисунок (…)"), as one sentence naming the file.
QString UnreadablePictureSentence(const QString& Path);

}  // namespace wordpics
