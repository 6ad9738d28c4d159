#include "app/ContentCheck.h"

#include "core/ContentLayout.h"
#include "core/Reasons.h"
#include "pictures/PictureDecoding.h"
#include "pictures/PictureName.h"
#include "platform/Cp1251.h"
#include "platform/FileSystem.h"
#include "platform/audio/Mp3Decoder.h"

#include <algorithm>

namespace content {

namespace {

QString Mp3Problem(const TMp3Result& Result)
{
    return Mp3Reason(Result) + QStringLiteral(" (") + Result.Message + u')';
}

}  // namespace

bool IsAnswerablePictureName(const std::string& Name)
{
    if (Name.empty()) return false;
    const AnsiString letters = cp1251::FromUnicode(kSmallLetters);
    return std::all_of(Name.begin(), Name.end(), [&](char c) { return letters.find(c) != std::string::npos; });
}

TContentChecker::TContentChecker(TContentRoots ContentRoots) : Roots(std::move(ContentRoots)), Base(Roots.Base()) {}

QString TContentChecker::Path(const QString& RelPath) const
{
    return Roots.Locate(Base + RelPath);
}

QString TContentChecker::Shown(const QString& RelPath) const
{
    const QString path = Path(RelPath);
    return path.startsWith(Base) ? RelPath : path;
}

QStringList TContentChecker::Problems() const
{
    if (Roots.IsEmpty()) {
        const QString searched = Roots.Searched().isEmpty()
                                     ? QString()
                                     : QStringLiteral("; искали в: ") + Roots.Searched().join(QStringLiteral(", "));
        return {QStringLiteral("содержимое программы не найдено (нет папок Sound и Pic)") + searched};
    }
    QStringList out;
    for (const QString& voice : layout::kVoiceFolders) CheckVoice(voice, out);
    CheckLetterPictures(out);
    CheckWordPictures(out);
    CheckColouringPages(out);
    return out;
}

void TContentChecker::CheckMp3(const QString& RelPath, QStringList& Out) const
{
    const TMp3Result result = Mp3DecodeFile(Path(RelPath));
    if (!result.Ok())
        Out << Shown(RelPath) + QStringLiteral(": ") + Mp3Problem(result);
    else if (result.Sound.Frames() == 0)
        Out << Shown(RelPath) + QStringLiteral(": в файле нет звука");
}

void TContentChecker::CheckNames(const QString& Folder, QStringList& Out) const
{
    for (const QString& root : Roots.Folders())
        for (const QString& name : fs::ListUndecodableNames(root + Folder))
            Out << root + Folder + name + QStringLiteral(": имя файла не в кодировке UTF-8, программа не может его открыть");
}

void TContentChecker::CheckPhraseFolder(const QString& Folder, QStringList& Out) const
{
    CheckNames(Folder, Out);
    if (!Roots.DirectoryExists(Base + Folder)) {
        Out << Folder + QStringLiteral(": нет папки (эти фразы не прозвучат)");
        return;
    }
    const QStringList files = Roots.ListFiles(Base + Folder);
    if (files.isEmpty()) Out << Folder + QStringLiteral(": в папке нет ни одной фразы");
    for (const QString& name : files) CheckMp3(Folder + name, Out);
}

void TContentChecker::CheckVoice(const QString& Voice, QStringList& Out) const
{
    const QString voiceRoot = layout::kSoundRoot + Voice + u'/';
    if (!Roots.DirectoryExists(Base + voiceRoot)) {
        Out << voiceRoot + QStringLiteral(": нет папки голоса");
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
        if (!Roots.FileExists(Base + path))
            Out << path + QStringLiteral(": нет файла");
        else
            CheckMp3(path, Out);
    }
    CheckPhraseFolder(voiceRoot + layout::kPraise, Out);
    CheckPhraseFolder(voiceRoot + layout::kTryAgain, Out);
    CheckSyllables(voiceRoot, Out);
}

void TContentChecker::CheckSyllables(const QString& VoiceRoot, QStringList& Out) const
{
    for (const QString& folder : {layout::kSyllables, layout::kDrawnOutSyllables, layout::kWords}) {
        const QString path = VoiceRoot + folder;
        if (!Roots.DirectoryExists(Base + path)) continue;
        CheckNames(path, Out);
        for (const QString& name : Roots.ListFiles(Base + path, QStringLiteral("*.mp3"))) CheckMp3(path + name, Out);
    }
    if (!Roots.DirectoryExists(Base + VoiceRoot + layout::kSyllables)) return;
    for (const QString& phrase : layout::kSyllablePhrases) {
        const QString path = VoiceRoot + layout::kPhrases + phrase;
        if (!Roots.FileExists(Base + path))
            Out << path + QStringLiteral(": нет файла");
        else
            CheckMp3(path, Out);
    }
}

void TContentChecker::CheckLetterPictures(QStringList& Out) const
{
    // A letter without its picture still works (the tile shows its capital), but a content pack
    // should have all of them.
    for (int i = 0; i < kSmallLetters.size(); ++i) {
        const QString path = layout::kLetterPictures + kSmallLetters.mid(i, 1) + QStringLiteral(".jpg");
        if (!Roots.FileExists(Base + path))
            Out << path + QStringLiteral(": нет картинки буквы");
        else if (!DecodeJpegFile(Path(path)))
            Out << Shown(path) + QStringLiteral(": не читается как картинка JPEG");
    }
}

void TContentChecker::CheckWordPictures(QStringList& Out) const
{
    const QString folder = layout::kWordPictures;
    if (!Roots.DirectoryExists(Base + folder)) {
        Out << folder + QStringLiteral(": нет папки");
        return;
    }
    CheckNames(folder, Out);
    const QStringList names = Roots.ListFiles(Base + folder, layout::kWordPictureMask);
    if (names.isEmpty()) Out << folder + QStringLiteral(": нет ни одной картинки");
    QStringList paths;
    for (const QString& name : names) paths << Path(folder + name);
    const std::vector<TDecodedPicture> decoded = DecodeFiles(paths, DecodeJpegFile, TDecodeMode::Parallel);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString shown = Shown(folder + names[i]);
        if (!decoded[size_t(i)]) Out << shown + QStringLiteral(": не читается как картинка JPEG");
        if (!IsAnswerablePictureName(PictureNameFromFileName(names[i])))
            Out << shown + QStringLiteral(
                               ": слово до первой точки написано не одними 33 строчными буквами, "
                               "поэтому ни одна игра его не загадает");
    }
}

void TContentChecker::CheckColouringPages(QStringList& Out) const
{
    const QString rootFolder = layout::kColouringRoot;
    if (!Roots.DirectoryExists(Base + rootFolder)) {
        Out << rootFolder + QStringLiteral(": нет папки");
        return;
    }
    const QStringList themes = Roots.ListSubFolders(Base + rootFolder);
    if (themes.isEmpty()) Out << rootFolder + QStringLiteral(": нет ни одной темы");
    for (const QString& theme : themes) {
        const QString folder = rootFolder + theme + u'/';
        CheckNames(folder, Out);
        const QStringList names = Roots.ListFiles(Base + folder, layout::kColouringMask);
        if (names.isEmpty()) Out << folder + QStringLiteral(": в теме нет ни одной раскраски");
        QStringList paths;
        for (const QString& name : names) paths << Path(folder + name);
        const std::vector<TDecodedPicture> decoded = DecodeFiles(paths, DecodeScrambledFile, TDecodeMode::Parallel);
        for (qsizetype i = 0; i < names.size(); ++i)
            if (!decoded[size_t(i)]) Out << Shown(folder + names[i]) + QStringLiteral(": не читается как раскраска");
    }
}

}  // namespace content
