// kvarnel_speech_tool: the steps of scripts/make-speech.sh that need the program's own measures.
//   kvarnel_speech_tool finish IN.wav OUT.mp3      level, limit, trim, encode, check; prints the measures
//   kvarnel_speech_tool boundary IN.wav            "START END BOUNDARY" of the sounding part, in seconds
//   kvarnel_speech_tool closure IN.wav             where the first stop's closure (a pause inside the sound) begins
//   kvarnel_speech_tool measure FILE.mp3...        one line of measures per clip, as the program decodes it
//   kvarnel_speech_tool sheet FOLDER OUT.png       waveforms and spectrograms of a voice's clips (OUT.png and
//                                                  OUT-Слоги.png, OUT-Протяжно.png, OUT-Слова.png)
//   kvarnel_speech_tool syllables                  the syllables and words of "Слоги" (core/Syllables.h),
//                                                  one a line: open|closed|word, text, consonant, stop|held|-
#include "content/PcmClip.h"
#include "content/SpeechAnalysis.h"
#include "content/SpeechFinish.h"
#include "content/SpeechSheet.h"
#include "core/Loudness.h"
#include "core/Syllables.h"
#include "platform/audio/Mp3Decoder.h"
#include "platform/widgets/Fonts.h"

#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

std::optional<content::TPcmClip> ReadWavFile(const QString& Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? content::ReadWav(f.readAll()) : std::nullopt;
}

int PrintMeasures(const QString& Mp3Path)
{
    const TMp3Result decoded = Mp3DecodeFile(Mp3Path);
    if (!decoded.Ok()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(Mp3Path), qPrintable(decoded.Describe()));
        return 1;
    }
    const std::vector<float> mono = loudness::ToMonoFloat(decoded.Sound.Samples, decoded.Sound.Channels);
    const loudness::TClipMeasure m = loudness::Measure(mono, decoded.Sound.SampleRate);
    std::printf("lead %.3f tail %.3f sounding %.3f peak %.2f loudness %.2f pitch %.0f rate %d  %s\n", m.LeadingSilence,
                m.TrailingSilence, m.SoundingSeconds, m.PeakDb, m.LoudnessDb,
                content::MedianPitchHz(mono, decoded.Sound.SampleRate), decoded.Sound.SampleRate, qPrintable(Mp3Path));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0);

    if (command == u"finish" && args.size() == 3) {
        const std::optional<content::TPcmClip> clip = ReadWavFile(args[1]);
        QString error;
        if (!clip || !content::EncodeSpeech(*clip, args[2], error)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(args[1]), clip ? qPrintable(error) : "not a 16-bit PCM WAV file");
            return 1;
        }
        return PrintMeasures(args[2]);
    }
    if (command == u"boundary" && args.size() == 2) {
        const std::optional<content::TPcmClip> clip = ReadWavFile(args[1]);
        if (!clip) return std::fprintf(stderr, "%s: not a 16-bit PCM WAV file\n", qPrintable(args[1])), 1;
        const loudness::TClipMeasure m = loudness::Measure(clip->Samples, clip->SampleRate);
        std::printf("%.3f %.3f %.3f\n", m.LeadingSilence, m.LeadingSilence + m.SoundingSeconds,
                    content::SoundBoundary(clip->Samples, clip->SampleRate));
        return 0;
    }
    if (command == u"closure" && args.size() == 2) {
        const std::optional<content::TPcmClip> clip = ReadWavFile(args[1]);
        if (!clip) return std::fprintf(stderr, "%s: not a 16-bit PCM WAV file\n", qPrintable(args[1])), 1;
        std::printf("%.3f\n", content::FirstClosure(clip->Samples, clip->SampleRate));
        return 0;
    }
    if (command == u"measure" && args.size() >= 2) {
        int failures = 0;
        for (const QString& path : args.mid(1)) failures += PrintMeasures(path);
        return failures ? 1 : 0;
    }
    if (command == u"syllables" && args.size() == 1) {
        for (const syllables::TSyllable& s : syllables::AllSyllables())
            std::printf("%s\t%s\t%s\t%s\n", s.Closed ? "closed" : "open", qPrintable(s.Text),
                        qPrintable(QString(s.Consonant)), s.Stop ? "stop" : "held");
        for (const syllables::TWord& w : syllables::Words()) std::printf("word\t%s\t-\t-\n", qPrintable(w.Text));
        return 0;
    }
    if (command == u"sheet" && args.size() == 3) {
        fonts::InstallBundled();
        // OUT.png and, beside it, one sheet more for each further part ("OUT-Слоги.png"…).
        QString base = args[2];
        base.chop(4);
        bool saved = true;
        for (const content::TSpeechSheetPart& part : content::SpeechSheetParts())
            saved &= content::SpeechSheet(args[1], part.Folders).save(base + part.Suffix + QStringLiteral(".png"));
        return saved ? 0 : 1;
    }
    std::fprintf(
        stderr,
        "usage: kvarnel_speech_tool finish IN.wav OUT.mp3 | boundary IN.wav | closure IN.wav | measure FILE.mp3... | "
        "sheet FOLDER OUT.png | syllables\n");
    return 2;
}
