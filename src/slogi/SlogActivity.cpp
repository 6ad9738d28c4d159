#include "slogi/SlogActivity.h"

#include "core/AppContext.h"
#include "core/ContentLayout.h"
#include "core/Texts.h"
#include "pictures/ImageCollection.h"
#include "pictures/TileGeometry.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "slogi/Log.h"
#include "slogi/SlogBuildGame.h"
#include "slogi/SlogFindGame.h"
#include "slogi/SlogReadGame.h"
#include "slogi/SlogRunner.h"
#include "slogi/SlogScreen.h"
#include "slogi/SlogSounds.h"

#include <QStringList>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {

const QString kAction = QStringLiteral("Slogi");

const QStringList kGeneralRules = {QStringLiteral("Ребенок учится читать по слогам. Выберите "),
                                   QStringLiteral("тип игры: найти слог, который он слышит, "),
                                   QStringLiteral("собрать слог из букв или прочитать слово. "),
                                   QStringLiteral("Стрелки вверху выбирают ступеньку.")};
const QStringList kFindRules = {QStringLiteral("Ребенок слышит слог и находит его среди "),
                                QStringLiteral("нескольких. Когда он отвечает верно, слогов "),
                                QStringLiteral("становится больше и они все больше похожи "),
                                QStringLiteral("друг на друга.")};
const QStringList kBuildRules = {QStringLiteral("Ребенок нажимает согласную, а потом гласную: "),
                                 QStringLiteral("буквы сливаются в слог, и бегунок бежит от "),
                                 QStringLiteral("согласной к гласной. Кнопка «Задание» просит "),
                                 QStringLiteral("собрать названный слог.")};
const QStringList kReadRules = {QStringLiteral("Ребенок читает слово по слогам: нажатие на "),
                                QStringLiteral("слог произносит его, на дугу под словом - все "),
                                QStringLiteral("слово. Потом нужно выбрать картинку к слову.")};

// Everything the activity keeps between its menu entry, its chooser and its screen.
struct TSlogi {
    TSlogi(TAppContext& Ctx, IActivityWindow& Win, std::function<QSet<QString>()> Unknown)
        : Context(Ctx), Window(Win), NotYetKnown(std::move(Unknown))
    {}

    TAppContext& Context;
    IActivityWindow& Window;
    std::function<QSet<QString>()> NotYetKnown;
    TSlogContent Content;  // made by the loader, read once Loaded is set
    std::atomic<bool> Loaded{false};
    TSlogSounds Sounds{Context.Settings, Content};
    TSlogFindGame Find{Context, Sounds};
    TSlogBuildGame Build{Context, Sounds};
    TSlogReadGame Read{Context, Sounds};
    TSlogScreen Screen;
    std::unique_ptr<TSlogRunner> Runner;
    TSlogKeyPicks Picks;
    std::unique_ptr<TImageCollection> Pictures;  // the word pictures, read when words are first read
    bool PicturesWanted = true;                  // to be read (again) before the next words
    int ReadLesson = 0;                          // the lesson whose words wait for the pictures
    QList<TSlogLesson> Lessons;                  // in the voice of the exercise's start
    int Lesson = 0;                              // its index in Lessons
    TSlogExercise Exercise = TSlogExercise::seNone;

    bool Playable() const { return Loaded.load(std::memory_order_acquire) && Content.AnySyllable(); }

    void Load()
    {
        Content = TSlogContent::Scan(Context.Settings);
        Loaded.store(true, std::memory_order_release);
    }

    void ContentChanged()
    {
        if (!Loaded.load(std::memory_order_acquire)) return;
        Content = TSlogContent::Scan(Context.Settings);
        PicturesWanted = true;
    }

    bool OnScreen() const { return Screen.SlogPanel && Window.Shows(Screen.SlogPanel); }

    void StopAll()
    {
        Find.Stop();
        Build.Stop();
        Read.Stop();
        if (Runner) Runner->Stop();
        Picks.Reset();
    }

    bool Prepare()
    {
        StopAll();
        Exercise = TSlogExercise::seNone;
        Screen.ShowPage(Exercise);
        Window.SetRules(kAction, kGeneralRules);
        return true;
    }

    // The lesson the screen opens on: the first with a syllable the child does not know yet.
    int FirstLesson() const
    {
        if (!NotYetKnown) return 0;
        const int first = syllables::FirstLessonWith(NotYetKnown());
        for (int i = 0; i < Lessons.size(); ++i)
            if (Lessons[i].Number >= first) return i;
        return 0;
    }

    bool Choose(TSlogExercise Chosen)
    {
        Lessons = AvailableLessons(Sounds.Clips());
        if (Lessons.isEmpty()) {
            const QString folder = Context.Settings.SoundRoot + Context.Settings.VoiceFolder + content::layout::kSyllables;
            qCWarning(lcSlogi) << "no syllable clips in" << folder;
            Context.Dialogs->ShowMessage(QString::fromUtf8(kSoundBoxTitle), QStringLiteral("Файл не найден: ") + folder);
            return false;
        }
        Exercise = Chosen;
        Lesson = FirstLesson();
        Window.SetRules(kAction, Chosen == TSlogExercise::seFind    ? kFindRules
                                 : Chosen == TSlogExercise::seBuild ? kBuildRules
                                                                    : kReadRules);
        Screen.ShowPage(Exercise);
        Window.ShowRules(kAction);
        StartExercise();
        return true;
    }

    void ChangeLesson(int Step)
    {
        const int to = Lesson + Step;
        if (to < 0 || to >= Lessons.size() || Exercise == TSlogExercise::seNone) return;
        Lesson = to;
        StartExercise();
    }

    void StartExercise()
    {
        StopAll();
        const TSlogLesson& lesson = Lessons.at(Lesson);
        Screen.ShowLesson(lesson, Lesson > 0, Lesson + 1 < Lessons.size());
        switch (Exercise) {
            case TSlogExercise::seFind: {
                QList<syllables::TSyllable> near;
                for (const TSlogLesson& l : std::as_const(Lessons)) near += l.Syllables;
                Find.Start(lesson, near);
                break;
            }
            case TSlogExercise::seBuild:
                Build.Start(lesson, Lessons);
                break;
            case TSlogExercise::seRead:
                ReadWords(lesson.Number);
                break;
            case TSlogExercise::seNone:
                break;
        }
    }

    // The words of the lesson, once the word pictures are in (read the first time, and again
    // after the family's own have changed). A lesson chosen while they are read waits for them too.
    void ReadWords(int LessonNumber)
    {
        ReadLesson = LessonNumber;
        if (Pictures && Pictures->Loading()) return;
        if (!PicturesWanted) {
            Read.Start(LessonNumber, PictureWords());
            return;
        }
        if (!Pictures) Pictures = std::make_unique<TImageCollection>(Context);
        PicturesWanted = false;
        const TSettings& settings = Context.Settings;
        if (!settings.Content.DirectoryExists(settings.ContentFolder + content::layout::kWordPictures)) {
            Pictures->Clear();
            Read.Start(LessonNumber, {});
            return;
        }
        Pictures->PictureBounds =
            TileImageBounds(TSlogScreen::kPictureSide + 2 * kTileImageSideMargin, Screen.SlogPanel->devicePixelRatioF());
        Window.BeginWaiting();
        Pictures->BeginLoadFromFolder(content::layout::kWordPictures, [this] {
            Window.EndWaiting();
            Window.KeysReady();
            if (Exercise == TSlogExercise::seRead && OnScreen()) Read.Start(ReadLesson, PictureWords());
        });
    }

    // The words of the pictures that can be asked (small Russian letters only), each once.
    QStringList PictureWords() const
    {
        QStringList words;
        if (!Pictures) return words;
        for (int i = 0; i < Pictures->Count(); ++i) {
            const QString word = cp1251::ToUnicode(Pictures->GetImage(static_cast<unsigned short>(i))->Name);
            const bool letters = !word.isEmpty() && std::all_of(word.begin(), word.end(),
                                                                [](QChar c) { return content::kSmallLetters.contains(c); });
            if (letters && !words.contains(word)) words << word;
        }
        return words;
    }

    QImage Picture(const QString& Word) const
    {
        if (Pictures)
            for (int i = 0; i < Pictures->Count(); ++i) {
                const TImageItem* item = Pictures->GetImage(static_cast<unsigned short>(i));
                if (cp1251::ToUnicode(item->Name) == Word) return item->Picture;
            }
        return QImage();
    }

    void Repeat()
    {
        switch (Exercise) {
            case TSlogExercise::seFind:
                Find.Repeat();
                break;
            case TSlogExercise::seBuild:
                Build.Repeat();
                break;
            case TSlogExercise::seRead:
                Read.Repeat();
                break;
            case TSlogExercise::seNone:
                break;
        }
    }

    QStringList FindTexts() const
    {
        QStringList texts;
        for (const syllables::TSyllable& s : Find.Tiles()) texts << s.Text;
        return texts;
    }

    void Wire();
};

// Each tile's click, and each state's news to the screen.
void TSlogi::Wire()
{
    TSlogScreen& s = Screen;
    const auto onClick = [](const TSlogTile& Tile, std::function<void()> Click) {
        QObject::connect(Tile.ClickLabel, &TLabel::Clicked, Tile.ClickLabel, std::move(Click));
    };
    for (int i = 0; i < TSlogScreen::kFindTiles; ++i)
        onClick(s.FindTiles[size_t(i)], [this, i] {
            if (i < Find.Tiles().size()) Find.Pick(Find.Tiles().at(i));
        });
    for (int i = 0; i < TSlogScreen::kConsonantTiles; ++i)
        onClick(s.ConsonantTiles[size_t(i)], [this, i] {
            if (i < Build.Consonants().size()) Build.Press(Build.Consonants().at(i));
        });
    for (int i = 0; i < TSlogScreen::kVowelTiles; ++i)
        onClick(s.VowelTiles[size_t(i)], [this, i] { Build.Press(TSlogScreen::VowelOfTile(i)); });
    for (int i = 0; i < TSlogScreen::kPartTiles; ++i) onClick(s.PartTiles[size_t(i)], [this, i] { Read.SayPart(i); });
    onClick(s.WordTile, [this] { Read.SayWord(); });
    for (int i = 0; i < TSlogScreen::kPictureTiles; ++i)
        onClick(s.PictureTiles[size_t(i)], [this, i] {
            if (i < Read.Choices().size()) Read.Pick(Read.Choices().at(i));
        });
    onClick(s.NextWord, [this] { Read.Next(); });
    onClick(s.Repeat, [this] { Repeat(); });
    onClick(s.Task, [this] { Build.StartTasks(); });
    onClick(s.PrevLesson, [this] { ChangeLesson(-1); });
    onClick(s.NextLesson, [this] { ChangeLesson(+1); });

    const auto onScreen = [this] { return OnScreen(); };
    Find.OnScreen = Build.OnScreen = Read.OnScreen = onScreen;
    Find.Changed = [this] {
        Picks.Reset();
        Screen.ShowFind(Find);
    };
    Build.Changed = [this] { Screen.ShowBuild(Build); };
    Read.Changed = [this] { Screen.ShowRead(Read, [this](const QString& Word) { return Picture(Word); }); };
    Runner = std::make_unique<TSlogRunner>(
        s.SlogRunnerImage, [this] { return Screen.FirstStop(); }, [this] { return Screen.SecondStop(); });
    Build.Joined = [this](const TSlogFusion& Fusion) { Runner->Run(Fusion); };
}

TActivityChoice Choice(const std::shared_ptr<TSlogi>& Slogi, const char* Name, const QString& Caption, const QRect& Bounds,
                       TSlogExercise Exercise)
{
    return {QLatin1String(Name), Caption, Bounds, [Slogi, Exercise] { return Slogi->Choose(Exercise); }};
}

}  // namespace

TActivity SlogiActivity(TAppContext& Context, IActivityWindow& Window, std::function<QSet<QString>()> NotYetKnown)
{
    auto slogi = std::make_shared<TSlogi>(Context, Window, std::move(NotYetKnown));
    TActivity a;
    a.Action = kAction;
    a.Caption = QStringLiteral("Слоги");
    a.MenuButton = QStringLiteral("SlogMenuButton");
    a.ScreenPlace = 80;
    a.Rules = {QStringLiteral("ShowSlogRules"), QStringLiteral("RuleSlogPanel"), QStringLiteral("SlogRulesRichEdit"),
               kGeneralRules, 60};
    // The captions in the chooser's font (Comic Sans MS, 13 px) take up to about 100 px.
    a.Chooser = TActivityChooser{
        QStringLiteral("GameSlogTypePanel"),
        QRect(355, 260, 390, 66),
        {Choice(slogi, "SlogFindSpeedButton", QStringLiteral("Найди слог"), QRect(8, 7, 118, 25), TSlogExercise::seFind),
         Choice(slogi, "SlogBuildSpeedButton", QStringLiteral("Собери слог"), QRect(134, 7, 118, 25),
                TSlogExercise::seBuild),
         Choice(slogi, "SlogReadSpeedButton", QStringLiteral("Читаем слова"), QRect(260, 7, 118, 25),
                TSlogExercise::seRead)}};
    a.Build = [slogi](QWidget* GamesPanel) {
        slogi->Screen = BuildSlogScreen(GamesPanel);
        slogi->Wire();
        ui::TKeyScreen keys = slogi->Screen.Keys(slogi->Picks, [slogi] { return slogi->FindTexts(); });
        keys.Busy = [slogi] { return slogi->Pictures && slogi->Pictures->Loading(); };
        return TActivityScreen{slogi->Screen.SlogPanel, std::move(keys)};
    };
    a.Playable = [slogi] { return slogi->Playable(); };
    a.Load = [slogi] { slogi->Load(); };
    a.Prepare = [slogi] { return slogi->Prepare(); };
    a.ContentChanged = [slogi] { slogi->ContentChanged(); };
    return a;
}
