#include "sound/SoundFeedback.h"

#include "core/ContentLayout.h"
#include "core/Texts.h"
#include "platform/FileSystem.h"
#include "platform/Random.h"
#include "platform/widgets/Dialogs.h"
#include "sound/Log.h"

namespace {
const QString& kPhrasesFolder = content::layout::kPhrases;
const QString& kPraiseFolder = content::layout::kPraiseFolder;
const QString& kTryAgainFolder = content::layout::kTryAgainFolder;
const QString& kWellDoneFile = content::layout::kWellDonePhrase;
const QString kFileNotFound = QStringLiteral("Файл не найден: ");
const QString kOpenError = QStringLiteral("Ошыбка открытия файла: ");
const QString kContinue = QStringLiteral("Продолжить");
}  // namespace

TSoundFeedback::TSoundFeedback(IDialogs& Dialogs, IMediaPlayer& MediaPlayer1, IMediaPlayer& MediaPlayer2,
                               const TSettings& Settings, std::function<void()> StartPanelShow)
    : FDialogs(Dialogs),
      FMediaPlayer1(MediaPlayer1),
      FMediaPlayer2(MediaPlayer2),
      FSettings(Settings),
      FStartPanelShow(std::move(StartPanelShow))
{
    // Whoever listened to the players before goes on being told, first.
    for (IMediaPlayer* player : {&FMediaPlayer1, &FMediaPlayer2}) {
        FFormerOnEnded.push_back(player->OnEnded);
        player->OnEnded = [this, former = player->OnEnded] {
            if (former) former();
            SoundEnded();
        };
    }
}

TSoundFeedback::~TSoundFeedback()
{
    // The players outlive the speech (TSoundSystem) and may still end a sound.
    FMediaPlayer1.OnEnded = FFormerOnEnded[0];
    FMediaPlayer2.OnEnded = FFormerOnEnded[1];
}

QString TSoundFeedback::PhrasePath(const QString& Name) const
{
    return FSettings.SoundRoot + FSettings.VoiceFolder + kPhrasesFolder + Name;
}

void TSoundFeedback::ShowBox(const QString& Text)
{
    FDialogs.ShowMessage(QString::fromUtf8(kSoundBoxTitle), Text);
}

// A missing file is named where it was expected; a file that will not open, where it was found.
// The box's fixed first line and the path, then why, on a line of its own.
void TSoundFeedback::ShowOpenError(const QString& Path, const QString& Why)
{
    ShowBox(kOpenError + Path + (Why.isEmpty() ? QString() : QLatin1Char('\n') + Why));
}

void TSoundFeedback::ShowOpenError(const QString& Path, const EMediaPlayerError& Error)
{
    qCWarning(lcSound) << "cannot open" << Path << ":" << Error.what();
    ShowOpenError(Path, Error.Reason);
}

// A damaged file that opened is played all the same (Player has started it, or waits for its
// leader): the box, up while it plays, says what is wrong with it.
void TSoundFeedback::ShowDamage(const TDamaged& Damaged)
{
    if (Damaged.Why.isEmpty()) return;
    qCWarning(lcSound) << "damaged" << Damaged.Path << ":" << Damaged.Why;
    ShowOpenError(Damaged.Path, Damaged.Why);
}

TSoundFeedback::TDamaged TSoundFeedback::DamageOf(const IMediaPlayer& Player)
{
    return {Player.FileName(), Player.Damage()};
}

void TSoundFeedback::PlaySoundFile(const QString& Path)
{
    FAfterSound = nullptr;  // a new sound: what waited for the one before is not run
    if (PlayOnFirstPlayer(Path)) ShowDamage(DamageOf(FMediaPlayer1));
}

bool TSoundFeedback::PlayOnFirstPlayer(const QString& Path)
{
    FMediaPlayer1.SetFileName(QString());
    if (FSettings.Content.FileExists(Path)) {
        const QString found = FSettings.Content.Locate(Path);
        FMediaPlayer1.SetFileName(found);
        try {
            FMediaPlayer1.Open();
            FMediaPlayer1.Play();
        } catch (const EMediaPlayerError& e) {
            ShowOpenError(found, e);
            return false;
        }
        return true;
    }
    qCWarning(lcSound) << "missing" << Path;
    FMediaPlayer1.Close();
    ShowBox(kFileNotFound + Path);
    return false;
}

void TSoundFeedback::PlaySoundPair(const QString& First, const QString& Second)
{
    FAfterSound = nullptr;
    // A damaged file's box waits until the pair is set going, so that it plays on while the box is up.
    const TDamaged first = PlayOnFirstPlayer(First) ? DamageOf(FMediaPlayer1) : TDamaged();
    // A second file still waiting from an earlier pair is dropped.
    FMediaPlayer2.Close();
    FMediaPlayer2.SetFileName(QString());
    if (FSettings.Content.FileExists(Second)) {
        const QString found = FSettings.Content.Locate(Second);
        FMediaPlayer2.SetFileName(found);
        try {
            FMediaPlayer2.Open();
        } catch (const EMediaPlayerError& e) {
            ShowDamage(first);
            ShowOpenError(found, e);
            return;
        }
        // Starts the instant the first player stops; if the first file was missing or would not
        // open, the first player is not playing and the second file starts at once.
        FMediaPlayer2.PlayAfter(FMediaPlayer1);
        const TDamaged second = DamageOf(FMediaPlayer2);
        ShowDamage(first);
        ShowDamage(second);
        return;
    }
    qCWarning(lcSound) << "missing" << Second;
    FMediaPlayer2.Close();
    ShowDamage(first);
    ShowBox(kFileNotFound + Second);
}

void TSoundFeedback::PlayRandomPhrase(const QString& Folder)
{
    Randomize();
    if (FSettings.Content.DirectoryExists(Folder)) {
        const QStringList files = FSettings.Content.ListFiles(Folder);
        if (!files.isEmpty()) PlaySoundFile(Folder + files.at(Random(int(files.size()))));
    }
}

void TSoundFeedback::SayRandomPhrase(const QString& Folder)
{
    PlayRandomPhrase(Folder);
    ShowBox(kContinue);
}

bool TSoundFeedback::Quiet() const
{
    return FMediaPlayer1.Mode() != mpPlaying && FMediaPlayer2.Mode() != mpPlaying && !FMediaPlayer2.Waiting();
}

void TSoundFeedback::SoundEnded()
{
    if (!FAfterSound || !Quiet()) return;
    const std::function<void()> then = std::move(FAfterSound);
    FAfterSound = nullptr;
    then();
}

void TSoundFeedback::AfterSound(std::function<void()> Then)
{
    if (!Then) return;
    if (Quiet()) {
        FAfterSound = nullptr;
        Then();
        return;
    }
    FAfterSound = std::move(Then);
}

void TSoundFeedback::SayPraiseThen(std::function<void()> Then)
{
    PlayRandomPhrase(PhrasePath(kPraiseFolder));
    AfterSound(std::move(Then));
}

void TSoundFeedback::SayTryAgainThen(std::function<void()> Then)
{
    PlayRandomPhrase(PhrasePath(kTryAgainFolder));
    AfterSound(std::move(Then));
}

void TSoundFeedback::SayPraise()
{
    SayRandomPhrase(PhrasePath(kPraiseFolder));
}

void TSoundFeedback::SayTryAgain()
{
    SayRandomPhrase(PhrasePath(kTryAgainFolder));
}

void TSoundFeedback::SayWellDone()
{
    PlaySoundFile(PhrasePath(kWellDoneFile));
    if (FStartPanelShow) FStartPanelShow();
}
