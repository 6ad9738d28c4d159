#pragma once
// The screen of "Слоги": a strip with "Повторить", the tasks' button and the lesson chooser (the
// lesson's consonant between two arrows), over one page per exercise: "Найди слог" (two to four
// syllable tiles), "Собери слог" (the letter tiles, two slots, the track and its runner) and
// "Читаем слова" (the word's syllables with their arcs, the whole word, the pictures to pick from,
// and the way on for a word without a picture). The builder makes every widget once; the Show
// functions fill them from the exercises' states.
#include "core/Syllables.h"
#include "platform/widgets/KeyScreen.h"
#include "slogi/SlogKeys.h"
#include "slogi/SlogTile.h"

#include <QImage>
#include <QList>
#include <QPoint>

#include <array>
#include <functional>

class QWidget;
class TImage;
class TLabel;
class TPanel;
class TSlogBuildGame;
class TSlogFindGame;
class TSlogReadGame;
struct TSlogLesson;

enum class TSlogExercise { seNone, seFind, seBuild, seRead };

struct TSlogScreen {
    static constexpr int kFindTiles = 4;
    static constexpr int kConsonantTiles = 2;
    static constexpr int kVowelTiles = 10;  // the hard row over the soft row, in partner columns
    static constexpr int kPartTiles = 5;
    static constexpr int kPictureTiles = 3;
    // The side of a picture tile's picture, in pixels: the word pictures are read at this size.
    static constexpr int kPictureSide = 180;

    TPanel* SlogPanel = nullptr;
    TPanel* SlogControlPanel = nullptr;
    TSlogTile Repeat;
    TSlogTile Task;  // "Задание" ("Собери слог")
    TSlogTile PrevLesson;
    TSlogTile NextLesson;
    TLabel* SlogLessonLabel = nullptr;  // the lesson's consonant, big

    TPanel* SlogFindPanel = nullptr;
    std::array<TSlogTile, kFindTiles> FindTiles;

    TPanel* SlogBuildPanel = nullptr;
    std::array<TSlogTile, kConsonantTiles> ConsonantTiles;
    std::array<TSlogTile, kVowelTiles> VowelTiles;
    TPanel* SlogFirstSlotPanel = nullptr;
    TLabel* SlogFirstSlotLabel = nullptr;
    TPanel* SlogSecondSlotPanel = nullptr;
    TLabel* SlogSecondSlotLabel = nullptr;
    TPanel* SlogTrackPanel = nullptr;
    TImage* SlogRunnerImage = nullptr;

    TPanel* SlogReadPanel = nullptr;
    std::array<TSlogTile, kPartTiles> PartTiles;
    std::array<TImage*, kPartTiles> PartArcs{};
    TSlogTile WordTile;
    std::array<TSlogTile, kPictureTiles> PictureTiles;
    TSlogTile NextWord;

    // The page of Exercise in front (none: every page hidden).
    void ShowPage(TSlogExercise Exercise) const;
    TSlogExercise Page() const;

    // The lesson chooser: Lesson's consonant, and whether there is a lesson before and after it.
    void ShowLesson(const TSlogLesson& Lesson, bool Before, bool After) const;
    // The exercises' states as they stand. Picture gives the picture of a word.
    void ShowFind(const TSlogFindGame& Game) const;
    void ShowBuild(const TSlogBuildGame& Game) const;
    void ShowRead(const TSlogReadGame& Game, const std::function<QImage(const QString&)>& Picture) const;

    // Where the runner's way begins and ends: the slots' centres at the track's height.
    QPoint FirstStop() const;
    QPoint SecondStop() const;

    // The letter tile of Letter on the build page (its vowel tiles by their letters' places).
    const TSlogTile* LetterTile(QChar Letter) const;
    // The letters the vowel tiles stand for, in their order.
    static QChar VowelOfTile(int Index);

    // What the keys reach on the page shown. Keys marks and picks syllables on "Найди слог"; Pick
    // runs for the tile a key picks there.
    ui::TKeyScreen Keys(TSlogKeyPicks& Picks, const std::function<QStringList()>& FindTexts) const;
};

// The screen in the games area.
TSlogScreen BuildSlogScreen(QWidget* GamesPanel);
