#include "sound/ClipRecorder.h"

#include "core/Speech.h"
#include "platform/modules/ModuleLoader.h"
#include "sound/OwnClips.h"

#include <QFile>

namespace clip {

QString TakeStatusSentence(TTakeStatus Status)
{
    switch (Status) {
        case TTakeStatus::Ready:
            return QString();
        case TTakeStatus::NoMicrophone:
            return QStringLiteral("Микрофон не найден: подключите его и нажмите «Записать» ещё раз.");
        case TTakeStatus::Silent:
            return QStringLiteral("Микрофон ничего не услышал: проверьте, что он включён, и запишите ещё раз.");
        case TTakeStatus::Failed:
            return QStringLiteral("Запись не удалось сохранить в MP3.");
        case TTakeStatus::NoEncoder:
            return QStringLiteral(
                "Запись сейчас не сохранить: не загрузилась нужная для этого часть программы, "
                "переустановите «Кварнель».");
    }
    return QString();
}

TTake MakeTake(std::span<const int16_t> Samples, int SampleRate, double TargetLoudnessDb)
{
    TTake take;
    take.Clip = PrepareClip(Samples, SampleRate, TargetLoudnessDb);
    if (take.Clip.Silent) return take;
    const modules::ICornerModule* module = modules::CornerModule();
    if (!module) {
        take.Status = TTakeStatus::NoEncoder;
        return take;
    }
    take.Mp3 = module->Mp3EncodeMono(take.Clip.Samples, take.Clip.SampleRate);
    take.Status = take.Mp3.isEmpty() ? TTakeStatus::Failed : TTakeStatus::Ready;
    return take;
}

TClipRecorder::TClipRecorder(ISpeech& Speech, double TargetLoudnessDb) : FSpeech(Speech), FTarget(TargetLoudnessDb)
{
    FCapture.OnLevel = [this](double Db) {
        if (OnLevel) OnLevel(Db);
    };
    FCapture.OnLimitReached = [this] {
        const TTakeStatus status = Finish();
        if (OnStoppedByItself) OnStoppedByItself(status);
    };
}

TClipRecorder::~TClipRecorder() = default;

TTakeStatus TClipRecorder::Start(const QString& Device)
{
    FTake.reset();
    // A take that could not be kept is not worth saying: the encoder is looked for first.
    if (!modules::CornerModule()) return TTakeStatus::NoEncoder;
    return FCapture.Start(Device) ? TTakeStatus::Ready : TTakeStatus::NoMicrophone;
}

TTakeStatus TClipRecorder::Stop()
{
    if (!FCapture.Recording()) return FTake ? FTake->Status : TTakeStatus::Silent;
    FCapture.Stop();
    return Finish();
}

TTakeStatus TClipRecorder::Finish()
{
    FTake = MakeTake(FCapture.Samples(), audio::kCaptureRate, FTarget);
    if (FTake->Status != TTakeStatus::Ready) return FTake->Status;
    // The speech plays files: the take is heard from a file of its own, the same bytes Keep writes.
    const QString path = FPlayFolder.filePath(QStringLiteral("take.mp3"));
    QFile file(path);
    if (FPlayFolder.isValid() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(FTake->Mp3) == FTake->Mp3.size()) {
        file.close();
        FSpeech.PlaySoundFile(path);
    }
    return FTake->Status;
}

void TClipRecorder::Discard()
{
    FCapture.Stop();
    FTake.reset();
}

std::optional<QByteArray> TClipRecorder::TakeMp3() const
{
    if (!FTake || FTake->Status != TTakeStatus::Ready) return std::nullopt;
    return FTake->Mp3;
}

std::optional<QString> TClipRecorder::Keep(const QString& UserRoot, const QString& Relative)
{
    const auto mp3 = TakeMp3();
    if (!mp3) return TakeStatusSentence(FTake ? FTake->Status : TTakeStatus::Silent);
    return ownclips::KeepOwnClip(UserRoot, Relative, *mp3);
}

}  // namespace clip
