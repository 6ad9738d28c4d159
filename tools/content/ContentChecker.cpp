#include "content/ContentChecker.h"

#include "content/ContentData.h"
#include "content/ContentLayout.h"
#include "pictures/PictureDecoding.h"
#include "pictures/PictureName.h"
#include "platform/Cp1251.h"
#include "platform/FileSystem.h"
#include "platform/Mp3Decoder.h"

#include <QtConcurrent/QtConcurrentMap>

namespace content {

bool IsAnswerablePictureName(const std::string& Name)
{
    if (Name.empty()) return false;
    const AnsiString letters = cp1251::FromUnicode(kSmallLetters);
    return std::all_of(Name.begin(), Name.end(), [&](char c) { return letters.find(c) != std::string::npos; });
}

TContentChecker::TContentChecker(QString ContentRoot) : Root(std::move(ContentRoot))
{
    if (!Root.endsWith(u'/')) Root += u'/';
}

QStringList TContentChecker::Problems() const
{
    QStringList out;
    for (const QString& voice : layout::kVoiceFolders) CheckVoice(voice, out);
    CheckLetterPictures(out);
    CheckWordPictures(out);
    CheckColouringPages(out);
    return out;
}

void TContentChecker::CheckMp3(const QString& RelPath, QStringList& Out) const
{
    const TMp3Result result = Mp3DecodeFile(Root + RelPath);
    if (!result.Ok())
        Out << RelPath + QStringLiteral(": ") + result.Describe();
    else if (result.Sound.Frames() == 0)
        Out << RelPath + QStringLiteral(": no sound in it");
}

void TContentChecker::CheckPhraseFolder(const QString& Folder, QStringList& Out) const
{
    if (!fs::DirectoryExists(Root + Folder)) {
        Out << Folder + QStringLiteral(": folder missing (no phrase will be said)");
        return;
    }
    const QStringList files = fs::ListFiles(Root + Folder);
    if (files.isEmpty()) Out << Folder + QStringLiteral(": no phrase in the folder");
    for (const QString& name : files) CheckMp3(Folder + name, Out);
}

void TContentChecker::CheckVoice(const QString& Voice, QStringList& Out) const
{
    const QString voiceRoot = layout::kSoundRoot + Voice + u'/';
    if (!fs::DirectoryExists(Root + voiceRoot)) {
        Out << voiceRoot + QStringLiteral(": voice folder missing");
        return;
    }
    QStringList expected;
    for (int i = 0; i < kSmallLetters.size(); ++i) {
        const QString letter = kSmallLetters.mid(i, 1);
        expected << voiceRoot + layout::kLetterNames + letter + QStringLiteral(".mp3");
        if (!layout::kSilentLetters.contains(letter))
            expected << voiceRoot + layout::kLetterSounds + letter + QStringLiteral(".mp3");
    }
    for (const QString& phrase : layout::kNamedPhrases) expected << voiceRoot + layout::kPhrases + phrase;
    for (const QString& path : expected) {
        if (!fs::FileExists(Root + path))
            Out << path + QStringLiteral(": file missing");
        else
            CheckMp3(path, Out);
    }
    CheckPhraseFolder(voiceRoot + layout::kPraise, Out);
    CheckPhraseFolder(voiceRoot + layout::kTryAgain, Out);
}

void TContentChecker::CheckLetterPictures(QStringList& Out) const
{
    // A letter without its picture still works (the tile shows its capital), but a content pack
    // should have all of them.
    for (int i = 0; i < kSmallLetters.size(); ++i) {
        const QString path = layout::kLetterPictures + kSmallLetters.mid(i, 1) + QStringLiteral(".jpg");
        if (!fs::FileExists(Root + path))
            Out << path + QStringLiteral(": letter picture missing");
        else if (!DecodeJpegFile(Root + path))
            Out << path + QStringLiteral(": not a readable JPEG picture");
    }
}

void TContentChecker::CheckWordPictures(QStringList& Out) const
{
    const QString folder = layout::kWordPictures;
    if (!fs::DirectoryExists(Root + folder)) {
        Out << folder + QStringLiteral(": folder missing");
        return;
    }
    const QStringList names = fs::ListFiles(Root + folder, layout::kWordPictureMask);
    if (names.isEmpty()) Out << folder + QStringLiteral(": no word pictures");
    QStringList paths;
    for (const QString& name : names) paths << Root + folder + name;
    const std::vector<TDecodedPicture> decoded = DecodeFiles(paths, DecodeJpegFile, TDecodeMode::Parallel);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!decoded[size_t(i)]) Out << folder + names[i] + QStringLiteral(": not a readable JPEG picture");
        if (!IsAnswerablePictureName(PictureNameFromFileName(names[i])))
            Out << folder + names[i] +
                       QStringLiteral(
                           ": the word before the first \".\" is not spelled with the 33 small letters only, "
                           "so no game can ask for it");
    }
}

void TContentChecker::CheckColouringPages(QStringList& Out) const
{
    const QString rootFolder = layout::kColouringRoot;
    if (!fs::DirectoryExists(Root + rootFolder)) {
        Out << rootFolder + QStringLiteral(": folder missing");
        return;
    }
    const QStringList themes = fs::ListSubFolders(Root + rootFolder);
    if (themes.isEmpty()) Out << rootFolder + QStringLiteral(": no themes");
    for (const QString& theme : themes) {
        const QString folder = rootFolder + theme + u'/';
        const QStringList names = fs::ListFiles(Root + folder, layout::kColouringMask);
        if (names.isEmpty()) Out << folder + QStringLiteral(": no colouring pages in the theme");
        QStringList paths;
        for (const QString& name : names) paths << Root + folder + name;
        const std::vector<TDecodedPicture> decoded = DecodeFiles(paths, DecodeScrambledFile, TDecodeMode::Parallel);
        for (qsizetype i = 0; i < names.size(); ++i)
            if (!decoded[size_t(i)]) Out << folder + names[i] + QStringLiteral(": does not unscramble to a readable bitmap");
    }
}

}  // namespace content
