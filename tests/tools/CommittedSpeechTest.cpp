// The natural-voice clips kept in tools/data/speech, measured as the program decodes them: trims,
// peak, one loudness, lengths per kind of sound, distinct clips, pitch per voice; clips.txt
// records exactly the clips present, and every syllable and word of "Слоги" has its clips.
#include "content/CommittedSpeech.h"
#include "content/ContentData.h"
#include "content/ContentGenerator.h"
#include "content/SpeechAnalysis.h"
#include "core/ContentLayout.h"
#include "core/Loudness.h"
#include "core/Syllables.h"
#include "platform/audio/Mp3Decoder.h"

#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <algorithm>
#include <map>

using namespace content;

namespace {

const QString kSpeechFolder = QStringLiteral(KV_CONTENT_DATA "/speech/");

struct TMeasuredClip {
    QString RelPath;  // under Sound/
    QString Kind;     // "name", "phrase", "vowel", "continuant", "stop", "syllable", "drawn-out" or "word"
    int Channels = 0;
    int SampleRate = 0;
    loudness::TClipMeasure Measure;
    double PitchHz = 0;
    QByteArray SoundHash;
};

QString KindOf(const QString& RelPath)
{
    if (RelPath.contains(u'/' + layout::kDrawnOutSyllables)) return QStringLiteral("drawn-out");
    if (RelPath.contains(u'/' + layout::kSyllables)) return QStringLiteral("syllable");
    if (RelPath.contains(u'/' + layout::kWords)) return QStringLiteral("word");
    if (RelPath.contains(QStringLiteral("/Буквы/"))) return QStringLiteral("name");
    if (RelPath.contains(QStringLiteral("/Фразы/"))) return QStringLiteral("phrase");
    const QString letter = RelPath.section(u'/', -1).section(u'.', 0, 0);
    if (QStringLiteral("аеёиоуыэюя").contains(letter)) return QStringLiteral("vowel");
    if (QStringLiteral("бпдтгкцч").contains(letter)) return QStringLiteral("stop");
    return QStringLiteral("continuant");
}

const std::vector<TMeasuredClip>& Clips()
{
    static const std::vector<TMeasuredClip> clips = [] {
        std::vector<TMeasuredClip> all;
        QDirIterator it(kSpeechFolder, {QStringLiteral("*.mp3")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const TMp3Result decoded = Mp3DecodeFile(path);
            TMeasuredClip c;
            c.RelPath = QDir(kSpeechFolder).relativeFilePath(path);
            c.Kind = KindOf(c.RelPath);
            c.Channels = decoded.Sound.Channels;
            c.SampleRate = decoded.Sound.SampleRate;
            const std::vector<float> mono = loudness::ToMonoFloat(decoded.Sound.Samples, decoded.Sound.Channels);
            c.Measure = loudness::Measure(mono, decoded.Sound.SampleRate);
            // The pitch takes most of the time, and only names and phrases are asked for it.
            if (c.Kind == u"name" || c.Kind == u"phrase") c.PitchHz = MedianPitchHz(mono, decoded.Sound.SampleRate);
            c.SoundHash =
                QCryptographicHash::hash(QByteArrayView(reinterpret_cast<const char*>(decoded.Sound.Samples.data()),
                                                        qsizetype(decoded.Sound.Samples.size() * sizeof(int16_t))),
                                         QCryptographicHash::Sha1);
            all.push_back(c);
        }
        return all;
    }();
    return clips;
}

double Median(std::vector<double> Values)
{
    std::sort(Values.begin(), Values.end());
    return Values.empty() ? 0 : Values[Values.size() / 2];
}

}  // namespace

TEST(CommittedSpeech, EveryClipIsMonoTrimmedAndUnderTheCeiling)
{
    ASSERT_GT(Clips().size(), 100u) << "no committed clips in " << kSpeechFolder.toStdString();
    for (const TMeasuredClip& c : Clips()) {
        SCOPED_TRACE(c.RelPath.toStdString());
        EXPECT_EQ(c.Channels, 1);
        EXPECT_GE(c.SampleRate, 22050);
        EXPECT_FALSE(c.Measure.Silent);
        EXPECT_LE(c.Measure.LeadingSilence, 0.030);
        EXPECT_LE(c.Measure.TrailingSilence, 0.080);
        EXPECT_LE(c.Measure.PeakDb, -1.0);
    }
}

TEST(CommittedSpeech, BothVoicesShareOneLoudness)
{
    std::vector<double> levels;
    for (const TMeasuredClip& c : Clips()) levels.push_back(c.Measure.LoudnessDb);
    const double median = Median(levels);
    for (const TMeasuredClip& c : Clips()) EXPECT_NEAR(c.Measure.LoudnessDb, median, 1.5) << c.RelPath.toStdString();
}

TEST(CommittedSpeech, EachKindOfSoundLastsAsLongAsItShould)
{
    const std::map<QString, std::pair<double, double>> range = {
        {QStringLiteral("vowel"), {0.35, 0.70}},    {QStringLiteral("continuant"), {0.35, 0.90}},
        {QStringLiteral("stop"), {0.08, 0.45}},     {QStringLiteral("name"), {0.25, 1.20}},
        {QStringLiteral("syllable"), {0.25, 0.80}}, {QStringLiteral("drawn-out"), {0.60, 1.30}},
        {QStringLiteral("word"), {0.30, 1.60}}};
    int kinds = 0;
    for (const TMeasuredClip& c : Clips()) {
        const auto it = range.find(c.Kind);
        if (it == range.end()) continue;
        ++kinds;
        EXPECT_GE(c.Measure.SoundingSeconds, it->second.first) << c.RelPath.toStdString();
        EXPECT_LE(c.Measure.SoundingSeconds, it->second.second) << c.RelPath.toStdString();
    }
    EXPECT_GT(kinds, 100);
}

TEST(CommittedSpeech, EverySyllableAndWordOfTheTableIsSaidFromItsOwnText)
{
    QString error;
    const TCommittedSpeech speech = TCommittedSpeech::Load(kSpeechFolder, error);
    int cut = 0;
    for (const QString& voice : layout::kVoiceFolders) {
        const QString root = voice + u'/';
        for (const syllables::TSyllable& s : syllables::AllSyllables()) {
            SCOPED_TRACE((voice + u' ' + s.Text).toStdString());
            const TSpeechRecord* read = speech.Find(root + layout::kSyllables + s.Text + QStringLiteral(".mp3"));
            const TSpeechRecord* drawn = speech.Find(root + layout::kDrawnOutSyllables + s.Text + QStringLiteral(".mp3"));
            ASSERT_TRUE(read && drawn);
            EXPECT_EQ(drawn->Text, s.Text);
            // Said alone, or cut from a word that begins with it (and the record says so).
            if (read->Text != s.Text) {
                ++cut;
                EXPECT_TRUE(read->Text.startsWith(s.Text)) << read->Text.toStdString();
                EXPECT_TRUE(read->Making.startsWith(QStringLiteral("cut from the word"))) << read->Making.toStdString();
            }
        }
        for (const syllables::TWord& w : syllables::Words()) {
            const TSpeechRecord* word = speech.Find(root + layout::kWords + w.Text + QStringLiteral(".mp3"));
            ASSERT_TRUE(word) << w.Text.toStdString();
            EXPECT_EQ(word->Text, w.Text);
        }
    }
    EXPECT_LT(cut, 20) << "most syllables are said by the engine as they are";
}

namespace {

// A syllable's clip as it is said: after ж ш ч щ, ё is said as о; after ц, и as ы. Two syllables
// written differently but said alike ("жё" and "жо") may share their sound.
QString SaidAs(const QString& RelPath)
{
    if (!RelPath.contains(u'/' + layout::kSyllables)) return RelPath;
    QString said = RelPath;
    for (qsizetype i = 1; i < said.size(); ++i) {
        if (said[i] == u'ё' && QStringLiteral("жшчщ").contains(said[i - 1])) said[i] = u'о';
        if (said[i] == u'и' && said[i - 1] == u'ц') said[i] = u'ы';
    }
    return said;
}

}  // namespace

TEST(CommittedSpeech, NoTwoClipsOfAVoiceSoundTheSame)
{
    std::map<QByteArray, QString> seen;
    for (const TMeasuredClip& c : Clips()) {
        const auto [it, fresh] = seen.emplace(c.RelPath.section(u'/', 0, 0).toUtf8() + c.SoundHash, c.RelPath);
        EXPECT_TRUE(fresh || SaidAs(it->second) == SaidAs(c.RelPath))
            << c.RelPath.toStdString() << " sounds exactly like " << it->second.toStdString();
    }
}

TEST(CommittedSpeech, FemaleVoiceIsHighAndMaleVoiceLow)
{
    std::map<QString, std::vector<double>> pitches;
    for (const TMeasuredClip& c : Clips())
        if (c.PitchHz > 0 && (c.Kind == u"name" || c.Kind == u"phrase"))
            pitches[c.RelPath.section(u'/', 0, 0)].push_back(c.PitchHz);
    EXPECT_GT(Median(pitches[QStringLiteral("Женский голос")]), 170);
    EXPECT_LT(Median(pitches[QStringLiteral("Мужской голос")]), 150);
    EXPECT_GT(Median(pitches[QStringLiteral("Мужской голос")]), 70) << "no voiced frame found";
}

TEST(CommittedSpeech, RecordNamesExactlyTheClipsPresentAndEveryClipTheTablesAskFor)
{
    QString error;
    const TCommittedSpeech speech = TCommittedSpeech::Load(kSpeechFolder, error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    QStringList present;
    for (const TMeasuredClip& c : Clips()) present << c.RelPath;
    present.sort();
    EXPECT_EQ(speech.Records.keys(), present);
    for (const TSpeechRecord& r : speech.Records) {
        EXPECT_EQ(r.Engine, QStringLiteral("RHVoice")) << r.RelPath.toStdString();
        EXPECT_FALSE(r.Text.isEmpty()) << r.RelPath.toStdString();
        EXPECT_FALSE(speech.Voices.value(r.Voice).Licence.contains(QStringLiteral("NC"))) << r.Voice.toStdString();
    }
    const TContentData tables = TContentData::Load(QStringLiteral(KV_CONTENT_DATA), error);
    for (const QString& file : TContentGenerator(tables, {}).PlannedFiles()) {
        if (!file.startsWith(layout::kSoundRoot)) continue;
        EXPECT_NE(speech.Find(file.mid(layout::kSoundRoot.size())), nullptr) << file.toStdString();
    }
}
