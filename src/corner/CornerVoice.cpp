#include "corner/CornerVoice.h"

#include "core/AppContext.h"
#include "core/ContentLayout.h"
#include "core/Speech.h"
#include "corner/CornerDesk.h"
#include "corner/CornerScreen.h"
#include "platform/audio/AudioCapture.h"
#include "sound/ClipRecorder.h"
#include "sound/InstalledLoudness.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kSoundNotReady = QStringLiteral("Звук ещё не готов: подождите немного.");

// "секунда", "секунды" or "секунд", as the number before it asks.
QString Seconds(long long Count)
{
    const long long tens = Count % 100, ones = Count % 10;
    if (ones == 1 && tens != 11) return QStringLiteral("секунда");
    if (ones >= 2 && ones <= 4 && (tens < 12 || tens > 14)) return QStringLiteral("секунды");
    return QStringLiteral("секунд");
}

}  // namespace

QString RecordingLimitSentence(std::chrono::milliseconds Limit)
{
    const long long seconds = std::chrono::duration_cast<std::chrono::seconds>(Limit).count();
    return QStringLiteral("Запись закончилась сама (%1 %2). «Оставить» — сохранить, «Ещё раз» — записать снова.")
        .arg(seconds)
        .arg(Seconds(seconds));
}

TCornerVoice::TCornerVoice(TCornerDesk& Desk) : FDesk(Desk) {}

TCornerVoice::~TCornerVoice()
{
    if (FLoudness.valid()) FLoudness.wait();
}

void TCornerVoice::Open(const QString& Voice)
{
    FDesk.Screen->SetVoice(Voice);  // the ribbon's voice, until the corner's switch chooses another
    FDesk.Screen->ShowMicrophones(audio::TAudioCapture::DeviceNames());
    Choose(Voice);
}

void TCornerVoice::Choose(const QString& Voice)
{
    if (Voice != FVoice) {
        // A take belongs to the clip and the voice it was recorded for: switching lets it go.
        const bool takeLost = FRecording && FRecorder && (FRecorder->Recording() || FRecorder->TakeMp3());
        Drop();
        FVoice = Voice;
        FRecorder.reset();  // a take is levelled to the clips of its own voice
        FLoudness = {};
        if (takeLost) {
            FDesk.Screen->ShowLevel(-100);
            FDesk.Say(QStringLiteral("Голос сменился: запись не сохранена. Нажмите «Записать» в нужной строке."));
        }
    }
    MeasureLoudness();
    ShowClips();
}

QString TCornerVoice::Voice() const
{
    return FVoice.isEmpty() ? content::layout::kFemaleVoice : FVoice;
}

QStringList TCornerVoice::Installed() const
{
    return ownclips::InstalledRoots(FDesk.Context.Settings.Content, FDesk.UserFolder);
}

void TCornerVoice::ShowClips()
{
    FDesk.Screen->ShowClips(ownclips::SpokenClips(FDesk.UserFolder, Installed(), Voice()));
}

void TCornerVoice::Listen(const ownclips::TSpokenClip& Clip)
{
    ISpeech* speech = FDesk.Context.Speech;
    if (!speech) return FDesk.Say(kSoundNotReady);
    const QString own = QDir(FDesk.UserFolder).filePath(Clip.Relative);
    if (QFileInfo::exists(own)) return speech->PlaySoundFile(own);
    for (const QString& root : Installed())
        if (QFileInfo::exists(QDir(root).filePath(Clip.Relative)))
            return speech->PlaySoundFile(QDir(root).filePath(Clip.Relative));
    FDesk.Say(QStringLiteral("Для «%1» записи ещё нет.").arg(Clip.Text));
}

// The installed letter clips of the voice are decoded once to level recordings to them: started as the
// corner opens, so that the first "Записать" rarely waits for it.
void TCornerVoice::MeasureLoudness()
{
    if (FLoudness.valid()) return;
    const QStringList folders = clip::LetterClipFolders(Installed(), Voice());
    FLoudness = std::async(std::launch::async, [folders] { return clip::MedianLoudnessDb(folders); }).share();
}

clip::TClipRecorder* TCornerVoice::Recorder()
{
    if (FRecorder) return FRecorder.get();
    if (!FDesk.Context.Speech) return nullptr;
    MeasureLoudness();
    FRecorder = std::make_unique<clip::TClipRecorder>(*FDesk.Context.Speech, FLoudness.get());
    FRecorder->OnLevel = [this](double Db) { FDesk.Screen->ShowLevel(Db); };
    FRecorder->OnStoppedByItself = [this](clip::TTakeStatus Status) {
        FDesk.Screen->ShowLevel(-100);
        FDesk.Say(Status == clip::TTakeStatus::Ready ? RecordingLimitSentence(audio::kLongestRecording)
                                                     : clip::TakeStatusSentence(Status));
    };
    return FRecorder.get();
}

void TCornerVoice::Record(const ownclips::TSpokenClip& Clip)
{
    clip::TClipRecorder* recorder = Recorder();
    if (!recorder) return FDesk.Say(kSoundNotReady);
    FRecording = Clip;
    const clip::TTakeStatus status = recorder->Start(FDesk.Screen->Microphone());
    if (status != clip::TTakeStatus::Ready) {
        FRecording.reset();
        return FDesk.Say(clip::TakeStatusSentence(status));
    }
    FDesk.Say(QStringLiteral("Идёт запись: «%1». Скажите и нажмите «Стоп».").arg(Clip.Text));
}

void TCornerVoice::RecordAgain()
{
    if (FRecording) Record(*FRecording);
}

void TCornerVoice::Stop()
{
    if (!FRecorder || !FRecorder->Recording()) return;
    const clip::TTakeStatus status = FRecorder->Stop();
    FDesk.Screen->ShowLevel(-100);
    FDesk.Say(status == clip::TTakeStatus::Ready
                  ? QStringLiteral("Послушайте. «Оставить» — сохранить, «Ещё раз» — записать снова.")
                  : clip::TakeStatusSentence(status));
}

void TCornerVoice::Keep()
{
    if (!FRecorder || !FRecording || !FRecorder->TakeMp3())
        return FDesk.Say(QStringLiteral("Сначала запишите: нажмите «Записать» в нужной строке."));
    if (const auto error = FRecorder->Keep(FDesk.UserFolder, FRecording->Relative)) return FDesk.Say(*error);
    FDesk.Say(QStringLiteral("Запись «%1» сохранена: теперь программа говорит вашим голосом.").arg(FRecording->Text));
    FRecording.reset();
    FDesk.Changed = true;
    ShowClips();
}

void TCornerVoice::Revert(const ownclips::TSpokenClip& Clip)
{
    if (const auto error = ownclips::RemoveOwnClip(FDesk.UserFolder, Clip.Relative)) return FDesk.Say(*error);
    FDesk.Say(QStringLiteral("Для «%1» снова звучит прежняя запись.").arg(Clip.Text));
    FDesk.Changed = true;
    ShowClips();
}

void TCornerVoice::AddPhrase(bool Praise, const QString& Text)
{
    using ownclips::TClipGroup;
    const TClipGroup group = Praise ? TClipGroup::Praise : TClipGroup::TryAgain;
    const ownclips::TNewPhrase phrase = ownclips::CheckNewPhrase(FDesk.UserFolder, Installed(), Voice(), group, Text);
    if (phrase.Check == ownclips::TNewPhrase::Empty) return FDesk.Say(phrase.Message);
    if (phrase.Check == ownclips::TNewPhrase::Exists && !FDesk.Confirm(phrase.Message)) return;
    Record({group, Text.simplified(), phrase.Relative, ownclips::TClipSource::None});
}

void TCornerVoice::Drop()
{
    if (FRecorder) FRecorder->Discard();
    FRecording.reset();
}
