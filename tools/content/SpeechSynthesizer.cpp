#include "content/SpeechSynthesizer.h"

#include "content/PcmClip.h"
#include "content/SpeechFinish.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

namespace content {

namespace {
// Words at a calm pace for small listeners; held phonemes slower still, so a sound lasts.
constexpr int kWordsPerMinute = 140;
constexpr int kPhonemeWordsPerMinute = 90;

QByteArray ReadAll(const QString& Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteAll(const QString& Path, const QByteArray& Bytes)
{
    QFile f(Path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(Bytes) == Bytes.size();
}
}  // namespace

bool RunTool(const QString& Program, const QStringList& Arguments, QString& Error, int TimeoutMs)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(Program, Arguments);
    if (!p.waitForStarted()) {
        Error = Program + QStringLiteral(" could not be started");
        return false;
    }
    if (!p.waitForFinished(TimeoutMs)) {
        p.kill();
        p.waitForFinished();
        Error = Program + QStringLiteral(" took too long");
        return false;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        Error = Program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        return false;
    }
    return true;
}

QString TSpeechSynthesizer::Recipe()
{
    return QStringLiteral("speech-v3 wpm=%1/%2 loudness=%3 peak=%4 pad=%5/%6 lame-64k-44.1")
        .arg(kWordsPerMinute)
        .arg(kPhonemeWordsPerMinute)
        .arg(TSpeechLevels::kLoudnessDb)
        .arg(TSpeechLevels::kPeakCeilingDb)
        .arg(TSpeechLevels::kLeadSeconds)
        .arg(TSpeechLevels::kTailSeconds);
}

bool TSpeechSynthesizer::MakeMp3(const TSpeechRequest& Request, const QString& Mp3Path, QString& Error) const
{
    QTemporaryDir work;
    if (!work.isValid()) {
        Error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString raw = work.filePath(QStringLiteral("raw.wav"));
    const QString text = Request.Phonemes ? QStringLiteral("[[%1]]").arg(Request.Text) : Request.Text;
    const int wpm = Request.Phonemes ? kPhonemeWordsPerMinute : kWordsPerMinute;
    if (!RunTool(QStringLiteral("espeak-ng"),
                 {QStringLiteral("-v"), Request.Voice, QStringLiteral("-s"), QString::number(wpm), QStringLiteral("-w"), raw,
                  text},
                 Error))
        return false;

    std::optional<TPcmClip> clip = ReadWav(ReadAll(raw));
    if (!clip) {
        Error = QStringLiteral("espeak-ng wrote no readable WAV for \"%1\"").arg(Request.Text);
        return false;
    }
    TPcmClip speech = TrimSilence(*clip);
    if (speech.Samples.empty()) {
        Error = QStringLiteral("espeak-ng said nothing for \"%1\"").arg(Request.Text);
        return false;
    }

    // A lone vowel is over too quickly for a child to catch: stretch it in time, keeping the pitch.
    if (speech.Seconds() < Request.MinSeconds) {
        const QString shortWav = work.filePath(QStringLiteral("short.wav"));
        const QString longWav = work.filePath(QStringLiteral("long.wav"));
        const double factor = std::max(0.1, speech.Seconds() / Request.MinSeconds);  // sox's limit
        if (!WriteAll(shortWav, WriteWav(speech)) ||
            !RunTool(QStringLiteral("sox"),
                     {shortWav, longWav, QStringLiteral("tempo"), QStringLiteral("-s"), QString::number(factor, 'f', 3)},
                     Error))
            return false;
        clip = ReadWav(ReadAll(longWav));
        if (!clip) {
            Error = QStringLiteral("sox wrote no readable WAV");
            return false;
        }
        speech = TrimSilence(*clip, 0.01);
    }

    return EncodeSpeech(speech, Mp3Path, Error);
}

}  // namespace content
