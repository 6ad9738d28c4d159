#include "letters/Letter.h"

#include "core/AppContext.h"
#include "core/ContentLayout.h"
#include "core/Reasons.h"
#include "letters/Log.h"
#include "platform/FileSystem.h"
#include "platform/images/SharedPictures.h"

#include <QImageReader>
#include <array>
#include <vector>

namespace {

struct TLetterRow {
    unsigned char Upper;
    unsigned char Lower;
    short Kind;
};

// The whole alphabet in lsNames order. Ё stands after Е although its codes lie outside the
// contiguous block 0xC0..0xFF; Й counts as a consonant and Ы as a vowel.
constexpr std::array<TLetterRow, 33> kAlphabet = {{
    {0xC0, 0xE0, lkVowel},     {0xC1, 0xE1, lkConsonant}, {0xC2, 0xE2, lkConsonant}, {0xC3, 0xE3, lkConsonant},
    {0xC4, 0xE4, lkConsonant}, {0xC5, 0xE5, lkVowel},     {0xA8, 0xB8, lkVowel},     {0xC6, 0xE6, lkConsonant},
    {0xC7, 0xE7, lkConsonant}, {0xC8, 0xE8, lkVowel},     {0xC9, 0xE9, lkConsonant}, {0xCA, 0xEA, lkConsonant},
    {0xCB, 0xEB, lkConsonant}, {0xCC, 0xEC, lkConsonant}, {0xCD, 0xED, lkConsonant}, {0xCE, 0xEE, lkVowel},
    {0xCF, 0xEF, lkConsonant}, {0xD0, 0xF0, lkConsonant}, {0xD1, 0xF1, lkConsonant}, {0xD2, 0xF2, lkConsonant},
    {0xD3, 0xF3, lkVowel},     {0xD4, 0xF4, lkConsonant}, {0xD5, 0xF5, lkConsonant}, {0xD6, 0xF6, lkConsonant},
    {0xD7, 0xF7, lkConsonant}, {0xD8, 0xF8, lkConsonant}, {0xD9, 0xF9, lkConsonant}, {0xDA, 0xFA, lkSign},
    {0xDB, 0xFB, lkVowel},     {0xDC, 0xFC, lkSign},      {0xDD, 0xFD, lkVowel},     {0xDE, 0xFE, lkVowel},
    {0xDF, 0xFF, lkVowel},
}};

// The rows of the letter table in use for a letter-set mode; empty for an unknown mode.
std::vector<TLetterRow> RowsFor(int Mode)
{
    std::vector<TLetterRow> rows;
    if (Mode != lsNames && Mode != lsSounds) return rows;
    for (const TLetterRow& r : kAlphabet)
        if (Mode == lsNames || r.Kind != lkSign) rows.push_back(r);
    return rows;
}

}  // namespace

TLetter::TLetter(TCollection* Collection) : TCollectionItem(Collection) {}

void TLetter::Assign(const TCollectionItem& Source)
{
    const TLetter& s = AssignSource<TLetter>(Source);
    UpperLetter = s.UpperLetter;
    LowerLetter = s.LowerLetter;
    SoundFileName = s.SoundFileName;
    LetterKind = s.LetterKind;
    Picture = s.Picture;
}

TLetterCollection::TLetterCollection(TItemClass ItemClass, const TSettings& Settings)
    : TCollection(std::move(ItemClass)), FSettings(Settings)
{}

TLetter* TLetterCollection::AddLetter()
{
    return static_cast<TLetter*>(Add());
}

TLetter* TLetterCollection::GetLetter(unsigned short Index) const
{
    return ItemAs<TLetter>(Index);
}

QString TLetterCollection::PictureFileName(const TSettings& Settings, unsigned char LowerLetter)
{
    return Settings.ContentFolder + content::layout::kLetterPictures + cp1251::ToUnicode(cp1251::LetterString(LowerLetter)) +
           QStringLiteral(".jpg");
}

bool TLetterCollection::LoadPictures(const std::function<bool()>& Ending)
{
    // One reader for the whole pass; it is released on every way out, exceptions included.
    // Letter pictures are JPEGs: a file of another kind under the name fails with a reason, as a
    // word picture does, rather than going through a reader the content never needed.
    QImageReader reader;
    reader.setFormat("jpeg");
    reader.setDecideFormatFromContent(false);
    for (int i = 0; i < Count(); ++i) {
        if (Ending && Ending()) throw ELoadingStopped();
        TLetter* letter = GetLetter(static_cast<unsigned short>(i));
        letter->Picture = QImage();
        const QString expected = PictureFileName(FSettings, letter->LowerLetter);
        if (!FSettings.Content.FileExists(expected)) continue;
        const QString path = FSettings.Content.Locate(expected);
        // Every board reads the same files: they share the pixels. A catalogue that keeps no
        // pictures leaves nothing behind in the registry either.
        const auto decode = [&] {
            reader.setFileName(path);
            reader.setFormat("jpeg");
            return reader.read();
        };
        QImage decoded = KeepPictures ? shared_pictures::Get(path, QStringLiteral("letter"), decode) : decode();
        if (decoded.isNull()) {
            const QString reason = JpegReaderReason(path, reader.error());
            qCWarning(lcLetters) << "cannot read" << path << reason << reader.errorString();
            throw EPictureDecodeError(ReadErrorText(path, reason).toStdString());
        }
        if (KeepPictures) letter->Picture = std::move(decoded);
    }
    return true;
}

TRusLetterCollection::TRusLetterCollection(const TSettings& Settings)
    : TLetterCollection(TItemClass::Of<TLetter>(), Settings)
{}

void TRusLetterCollection::MakeLetters()
{
    for (int n = Count(); n > 0; --n) Delete(0);
    for (const TLetterRow& row : RowsFor(FSettings.LetterSetMode)) {
        TLetter* letter = AddLetter();
        letter->LowerLetter = row.Lower;
        letter->UpperLetter = row.Upper;
        letter->LetterKind = row.Kind;
    }
}

void TRusLetterCollection::BuildAlphabet(const std::function<bool()>& Ending)
{
    MakeLetters();
    for (int i = 0; i < Count(); ++i) {
        TLetter* letter = GetLetter(static_cast<unsigned short>(i));
        letter->SoundFileName = cp1251::LetterString(letter->LowerLetter) + ".mp3";
    }
    LoadPictures(Ending);
}
