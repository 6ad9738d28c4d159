#include "slogi/SlogSounds.h"

#include "core/ContentLayout.h"
#include "core/Settings.h"

namespace {

const QString kMp3 = QStringLiteral(".mp3");

// The clips in one folder of every content root, by their names without ".mp3".
QSet<QString> ClipsIn(const TSettings& Settings, const QString& Folder)
{
    QSet<QString> names;
    for (const QString& file : Settings.Content.ListFiles(Folder, QStringLiteral("*.mp3")))
        names.insert(file.chopped(kMp3.size()));
    return names;
}

}  // namespace

TSlogContent TSlogContent::Scan(const TSettings& Settings)
{
    namespace layout = content::layout;
    TSlogContent content;
    for (const QString& folder : layout::kVoiceFolders) {
        const QString voice = Settings.SoundRoot + folder + u'/';
        TSlogClips clips;
        clips.Syllables = ClipsIn(Settings, voice + layout::kSyllables);
        clips.DrawnOut = ClipsIn(Settings, voice + layout::kDrawnOutSyllables);
        clips.Words = ClipsIn(Settings, voice + layout::kWords);
        content.Set(folder + u'/', std::move(clips));
    }
    return content;
}

const TSlogClips& TSlogContent::Of(const QString& Voice) const
{
    static const TSlogClips none;
    const auto it = FVoices.constFind(Voice);
    return it == FVoices.constEnd() ? none : *it;
}

bool TSlogContent::AnySyllable() const
{
    for (const TSlogClips& clips : FVoices)
        for (const syllables::TSyllable& s : syllables::AllSyllables())
            if (clips.Syllables.contains(s.Text)) return true;
    return false;
}

QList<TSlogLesson> AvailableLessons(const TSlogClips& Clips)
{
    QList<TSlogLesson> available;
    const QList<syllables::TLesson>& lessons = syllables::Lessons();
    for (int i = 0; i < lessons.size(); ++i) {
        TSlogLesson lesson{i, lessons[i].Consonant, {}};
        for (const syllables::TSyllable& s : lessons[i].Syllables())
            if (Clips.Syllables.contains(s.Text)) lesson.Syllables.append(s);
        if (!lesson.Syllables.isEmpty()) available.append(lesson);
    }
    return available;
}

QString TSlogSounds::Voice() const
{
    return FSettings.SoundRoot + FSettings.VoiceFolder;
}

const TSlogClips& TSlogSounds::Clips() const
{
    return FContent.Of(FSettings.VoiceFolder);
}

QString TSlogSounds::Syllable(const QString& Text) const
{
    return Voice() + content::layout::kSyllables + Text + kMp3;
}

QString TSlogSounds::DrawnOut(const QString& Text) const
{
    if (!Clips().DrawnOut.contains(Text)) return Syllable(Text);
    return Voice() + content::layout::kDrawnOutSyllables + Text + kMp3;
}

QString TSlogSounds::Word(const QString& Text) const
{
    return Voice() + content::layout::kWords + Text + kMp3;
}

QString TSlogSounds::LetterSound(QChar Letter) const
{
    return Voice() + content::layout::kLetterSounds + Letter + kMp3;
}

QString TSlogSounds::Phrase(const QString& Name) const
{
    return Voice() + content::layout::kPhrases + Name;
}

TSlogSounds::TPair TSlogSounds::Part(const QString& Part) const
{
    if (Part.size() == 3 && !Clips().Syllables.contains(Part)) return {Syllable(Part.left(2)), LetterSound(Part.at(2))};
    return {Syllable(Part), QString()};
}
