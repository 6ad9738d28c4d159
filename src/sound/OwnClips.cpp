#include "sound/OwnClips.h"

#include "core/ContentLayout.h"
#include "core/Syllables.h"
#include "platform/FileSystem.h"
#include "platform/UserFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace ownclips {

namespace {

using namespace content::layout;
namespace layout = content::layout;

// The names of the 33 letters in alphabet order.
const QStringList kSpokenLetterNames = {
    QStringLiteral("а"),   QStringLiteral("бэ"),          QStringLiteral("вэ"),        QStringLiteral("гэ"),
    QStringLiteral("дэ"),  QStringLiteral("е"),           QStringLiteral("ё"),         QStringLiteral("жэ"),
    QStringLiteral("зэ"),  QStringLiteral("и"),           QStringLiteral("и краткое"), QStringLiteral("ка"),
    QStringLiteral("эль"), QStringLiteral("эм"),          QStringLiteral("эн"),        QStringLiteral("о"),
    QStringLiteral("пэ"),  QStringLiteral("эр"),          QStringLiteral("эс"),        QStringLiteral("тэ"),
    QStringLiteral("у"),   QStringLiteral("эф"),          QStringLiteral("ха"),        QStringLiteral("цэ"),
    QStringLiteral("че"),  QStringLiteral("ша"),          QStringLiteral("ща"),        QStringLiteral("твёрдый знак"),
    QStringLiteral("ы"),   QStringLiteral("мягкий знак"), QStringLiteral("э"),         QStringLiteral("ю"),
    QStringLiteral("я")};

QString WithSlash(const QString& Folder)
{
    return Folder.endsWith(u'/') ? Folder : Folder + u'/';
}

QString VoiceRoot(const QString& Voice)
{
    return kSoundRoot + WithSlash(Voice);
}

TClipSource SourceOf(const QString& UserRoot, const QStringList& Installed, const QString& Relative)
{
    if (fs::FileExists(WithSlash(UserRoot) + Relative)) return TClipSource::Own;
    for (const QString& root : Installed)
        if (fs::FileExists(WithSlash(root) + Relative)) return TClipSource::Installed;
    return TClipSource::None;
}

QStringList PhraseFiles(const QString& UserRoot, const QStringList& Installed, const QString& Folder)
{
    QStringList names;
    QSet<QString> seen;
    for (const QString& root : QStringList{UserRoot} + Installed)
        for (const QString& name : fs::ListFiles(WithSlash(root) + Folder, QStringLiteral("*.mp3")))
            if (!seen.contains(name)) {
                seen.insert(name);
                names << name;
            }
    fs::SortNames(names);
    return names;
}

QString GroupFolder(TClipGroup Group)
{
    return Group == TClipGroup::Praise ? kPraise : kTryAgain;
}

}  // namespace

QStringList InstalledRoots(const TContentRoots& Roots, const QString& UserRoot)
{
    QStringList installed;
    const QString user = QFileInfo(UserRoot).canonicalFilePath();
    for (const QString& root : Roots.Folders())
        if (QDir::cleanPath(root) != QDir::cleanPath(UserRoot) &&
            (user.isEmpty() || QFileInfo(root).canonicalFilePath() != user))
            installed << root;
    return installed;
}

QString LetterName(QChar Small)
{
    const qsizetype i = content::kSmallLetters.indexOf(Small);
    return i < 0 ? QString(Small) : kSpokenLetterNames.at(i);
}

std::vector<TSpokenClip> SpokenClips(const QString& UserRoot, const QStringList& Installed, const QString& Voice)
{
    std::vector<TSpokenClip> clips;
    const QString voiceRoot = VoiceRoot(Voice);
    const auto add = [&](TClipGroup Group, const QString& Text, const QString& Relative) {
        clips.push_back({Group, Text, Relative, SourceOf(UserRoot, Installed, Relative)});
    };
    for (QChar letter : content::kSmallLetters)
        add(TClipGroup::LetterNames, LetterName(letter), voiceRoot + layout::kLetterNames + letter + QStringLiteral(".mp3"));
    for (QChar letter : content::kSmallLetters)
        if (!kSilentLetters.contains(letter))
            add(TClipGroup::LetterSounds, QStringLiteral("звук ") + letter,
                voiceRoot + kLetterSounds + letter + QStringLiteral(".mp3"));
    for (const QString& phrase : kNamedPhrases + kSyllablePhrases)
        add(TClipGroup::Phrases, PhraseText(phrase), voiceRoot + kPhrases + phrase);
    for (TClipGroup group : {TClipGroup::Praise, TClipGroup::TryAgain})
        for (const QString& name : PhraseFiles(UserRoot, Installed, voiceRoot + GroupFolder(group)))
            add(group, PhraseText(name), voiceRoot + GroupFolder(group) + name);
    const auto addSlog = [&](TClipGroup Group, const QString& Text, const QString& Folder, int Lesson,
                             const QString& Written) {
        add(Group, Text, voiceRoot + Folder + Written + QStringLiteral(".mp3"));
        clips.back().Lesson = Lesson;
        clips.back().Written = Written;
    };
    const QList<syllables::TLesson>& lessons = syllables::Lessons();
    for (int i = 0; i < lessons.size(); ++i)
        for (const syllables::TSyllable& s : lessons[i].Syllables())
            addSlog(TClipGroup::Syllables, QStringLiteral("слог ") + s.Text, kSyllables, i, s.Text);
    for (int i = 0; i < lessons.size(); ++i)
        for (const syllables::TSyllable& s : lessons[i].Syllables())
            addSlog(TClipGroup::DrawnOutSyllables, QStringLiteral("слог %1 протяжно").arg(s.Text), kDrawnOutSyllables, i,
                    s.Text);
    for (const syllables::TWord& w : syllables::Words())
        addSlog(TClipGroup::Words, QStringLiteral("слово ") + w.Text, kWords, w.Lesson, w.Text);
    return clips;
}

std::optional<QString> KeepOwnClip(const QString& UserRoot, const QString& Relative, const QByteArray& Mp3)
{
    return userfiles::WriteFileAtomically(WithSlash(UserRoot) + Relative, Mp3);
}

std::optional<QString> RemoveOwnClip(const QString& UserRoot, const QString& Relative)
{
    return userfiles::RemoveFile(WithSlash(UserRoot) + Relative);
}

QString PhraseFileName(const QString& Text)
{
    QStringList words;
    for (const QString& word : Text.split(u' ', Qt::SkipEmptyParts)) {
        QString kept;
        for (QChar c : word)
            if (c.isLetterOrNumber()) kept += c;
        if (!kept.isEmpty()) words << kept;
    }
    return words.isEmpty() ? QString() : words.join(u'_') + QStringLiteral(".mp3");
}

QString PhraseText(const QString& FileName)
{
    QString name = FileName;
    if (name.endsWith(QStringLiteral(".mp3"), Qt::CaseInsensitive)) name.chop(4);
    return name.replace(u'_', u' ');
}

TNewPhrase CheckNewPhrase(const QString& UserRoot, const QStringList& Installed, const QString& Voice, TClipGroup Group,
                          const QString& Text)
{
    TNewPhrase result;
    const QString name = PhraseFileName(Text.simplified());
    if (name.isEmpty()) {
        result.Message = QStringLiteral("Напишите, что говорит фраза: хотя бы одно слово.");
        return result;
    }
    result.Relative = VoiceRoot(Voice) + GroupFolder(Group) + name;
    const bool exists = SourceOf(UserRoot, Installed, result.Relative) != TClipSource::None;
    result.Check = exists ? TNewPhrase::Exists : TNewPhrase::Ok;
    if (exists) result.Message = QStringLiteral("Заменить?");
    return result;
}

}  // namespace ownclips
