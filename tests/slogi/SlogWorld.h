#pragma once
// "Слоги" without the window: a content tree of its own where any clip can be put (the files hold
// no sound: the speech is a recording stand-in), the context the exercises need, and draws that
// repeat as a test wants them.
#include "core/AppContext.h"
#include "core/ContentLayout.h"
#include "core/Settings.h"
#include "slogi/SlogSounds.h"
#include "support/FakeDialogs.h"
#include "support/FakeSpeech.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <vector>

struct TSlogWorld {
    QTemporaryDir Dir;
    TFakeDialogs Dialogs;
    TFakeSpeech Speech;
    TAppContext Context;
    TSlogContent Content;
    TSlogSounds Sounds{Context.Settings, Content};
    std::vector<TAnswer> Answers;
    QRandomGenerator Random{7};

    TSlogWorld()
    {
        Context.Settings = TSettings::ForProgramFolder(Dir.path() + u'/');
        Context.Dialogs = &Dialogs;
        Context.Speech = &Speech;
        Context.Answers.Listen([this](const TAnswer& A) { Answers.push_back(A); });
    }

    QString Voice(const QString& Folder = kFemaleVoice) const { return Context.Settings.SoundRoot + Folder; }
    // An empty file at Relative below the voice's folder.
    void Put(const QString& Relative, const QString& Folder = kFemaleVoice) const
    {
        const QString path = Voice(Folder) + Relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("x");
    }
    // Each syllable's plain and drawn-out clip in the female voice.
    void PutSyllables(const QStringList& Syllables) const
    {
        for (const QString& s : Syllables) {
            Put(content::layout::kSyllables + s + QStringLiteral(".mp3"));
            Put(content::layout::kDrawnOutSyllables + s + QStringLiteral(".mp3"));
        }
    }
    // Every syllable of the lessons up to Last, and every word of theirs.
    void PutLessons(int Last) const
    {
        QStringList all;
        for (int i = 0; i <= Last; ++i)
            for (const syllables::TSyllable& s : syllables::Lessons().at(i).Syllables()) all << s.Text;
        PutSyllables(all);
        for (const syllables::TWord& w : syllables::WordsReadableAfter(Last))
            Put(content::layout::kWords + w.Text + QStringLiteral(".mp3"));
    }
    void Scan() { Content = TSlogContent::Scan(Context.Settings); }

    std::function<int(int)> Draw()
    {
        return [this](int n) { return int(Random.bounded(n)); };
    }

    QString Syllable(const QString& Text) const { return Voice() + content::layout::kSyllables + Text + ".mp3"; }
    QString DrawnOut(const QString& Text) const { return Voice() + content::layout::kDrawnOutSyllables + Text + ".mp3"; }
    QString Phrase(const QString& Name) const { return Voice() + content::layout::kPhrases + Name; }
    QString Sound(const QString& Letter) const { return Voice() + content::layout::kLetterSounds + Letter + ".mp3"; }
    QString Word(const QString& Text) const { return Voice() + content::layout::kWords + Text + ".mp3"; }
};

inline syllables::TSyllable Syl(const char* Text)
{
    return *syllables::FindSyllable(QString::fromUtf8(Text));
}
