#include "slogi/SlogScreen.h"

#include "core/Palette.h"
#include "platform/Cp1251.h"
#include "platform/widgets/Accessibility.h"
#include "platform/widgets/Align.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Style.h"
#include "platform/widgets/WidgetBuild.h"
#include "slogi/SlogBuildGame.h"
#include "slogi/SlogFindGame.h"
#include "slogi/SlogLook.h"
#include "slogi/SlogReadGame.h"
#include "slogi/SlogSounds.h"

#include <QFontMetrics>

using namespace build;
using syllables::TSyllable;

namespace {

// The pages' base size (the games area less the control strip).
constexpr int kPageWidth = 1099;
constexpr int kPageHeight = 560;
constexpr int kControlHeight = 112;
constexpr int kControl = 96;  // the control strip's tiles
constexpr int kArrow = 80;

// "Найди слог"
constexpr int kFindWidth = 220, kFindHeight = 200, kFindGap = 40, kFindFont = 120;
// "Собери слог": the letter tiles, the slots and the track under them.
constexpr int kLetter = 104, kLetterGap = 16, kLetterFont = 80, kLettersTop = 24;
constexpr int kConsonantsLeft = 150, kVowelsLeft = 330;
constexpr int kSlot = 160, kSlotGap = 40, kSlotTop = 276, kSlotFont = 130;
constexpr int kTrackTop = 464, kTrackHeight = 10, kRunner = 52;
// "Читаем слова"
constexpr int kPartTop = 16, kPartHeight = 150, kPartFont = 116, kPartPadding = 40, kPartGap = 12;
constexpr int kArcHeight = 34, kWordTop = kPartTop + kPartHeight + kArcHeight + 4, kWordHeight = slog_look::kMinTile;
constexpr int kPicture = TSlogScreen::kPictureSide + 16, kPictureGap = 40, kPictureTop = kWordTop + kWordHeight + 24;

const TSlogTileLook kSyllableLook{Qt::white, Qt::black, kFindFont};
const TSlogTileLook kControlLook{palette::LightSkyBlue, palette::DeepBlue, 30};

QString Capital(const QString& Text)
{
    return Text.toUpper();
}

// Count tiles of Width in a row centred across the page, Gap apart: the left edge of the first.
int RowLeft(int Count, int Width, int Gap)
{
    return (kPageWidth - Count * Width - (Count - 1) * Gap) / 2;
}

TSlogTile ControlPicture(QWidget* Parent, const char* Name, const QImage& Glyph, const QString& Spoken, const QRect& Base,
                         TAnchors Anchors)
{
    TSlogTile tile = MakePictureTile(Parent, QLatin1String(Name), kControlLook, {});
    tile.Picture->SetPicture(Glyph);
    tile.Panel->setAccessibleName(Spoken);
    tile.Place(Base, Anchors);
    tile.Panel->show();
    return tile;
}

TImage* NamedImage(QWidget* Parent, const char* Name, const QRect& Base)
{
    TImage* image = Image(Parent, Name, Base, TAlign::None, akNone);
    image->hide();
    return image;
}

TPanel* Slot(QWidget* Parent, const char* Name, const char* LabelName, int Left, TLabel** Label)
{
    TPanel* slot = Panel(Parent, Name, QRect(Left, kSlotTop, kSlot, kSlot), TAlign::None, akNone,
                         {Qt::white, TBevel::Lowered, TBevel::None, 0});
    *Label = new TLabel(slot);
    (*Label)->setObjectName(QLatin1String(LabelName));
    (*Label)->setAlignment(Qt::AlignCenter);
    (*Label)->setTextFormat(Qt::RichText);
    ui::SetFont(*Label, slog_look::TileFont(kSlotFont));
    ui::SetBase(*Label, slot->AlignClientRect(), TAlign::Client);
    return slot;
}

void BuildControlStrip(TSlogScreen& s)
{
    TPanel* strip = Panel(s.SlogPanel, "SlogControlContentPanel", QRect(0, 0, kPageWidth, kControlHeight), TAlign::Top,
                          Flat(palette::DeepBlue, 4));
    s.SlogControlPanel = Panel(strip, "SlogControlPanel", QRect(4, 4, kPageWidth - 8, kControlHeight - 8), TAlign::Client,
                               Flat(palette::LightSkyBlue));
    const int right = kPageWidth - 8;
    s.Repeat = ControlPicture(s.SlogControlPanel, "SlogRepeat", slog_look::PlayGlyph(72), QStringLiteral("Повторить"),
                              QRect(4, 4, kControl, kControl), akLeftTop);
    s.Task = MakeTextTile(s.SlogControlPanel, QStringLiteral("SlogTask"), {palette::Teal, palette::Yellow, 34}, {});
    s.Task.Panel->setAccessibleName(QStringLiteral("Задание"));
    s.Task.Caption->setText(QStringLiteral("Задание"));
    s.Task.Place(QRect(116, 4, 220, kControl), akLeftTop);
    s.PrevLesson = ControlPicture(s.SlogControlPanel, "SlogPrevLesson", slog_look::ArrowGlyph(false, kArrow),
                                  QStringLiteral("Ступенька назад"), QRect(right - 3 * kControl - 12, 4, kControl, kControl),
                                  akRight | akTop);
    s.SlogLessonLabel = new TLabel(s.SlogControlPanel);
    s.SlogLessonLabel->setObjectName(QStringLiteral("SlogLessonLabel"));
    s.SlogLessonLabel->setAlignment(Qt::AlignCenter);
    ui::SetFont(s.SlogLessonLabel, slog_look::TileFont(80), palette::DeepBlue);
    ui::SetBase(s.SlogLessonLabel, QRect(right - 2 * kControl - 8, 4, kControl, kControl), akRight | akTop);
    ui::SetAccessible(s.SlogLessonLabel, ui::TAccessRole::StaticText);
    s.NextLesson = ControlPicture(s.SlogControlPanel, "SlogNextLesson", slog_look::ArrowGlyph(true, kArrow),
                                  QStringLiteral("Ступенька вперед"), QRect(right - kControl - 4, 4, kControl, kControl),
                                  akRight | akTop);
}

void BuildFindPage(TSlogScreen& s, QWidget* Pages)
{
    s.SlogFindPanel =
        Panel(Pages, "SlogFindPanel", QRect(0, 0, kPageWidth, kPageHeight), TAlign::Client, Flat(palette::LightSkyBlue));
    for (int i = 0; i < TSlogScreen::kFindTiles; ++i)
        s.FindTiles[size_t(i)] =
            MakeTextTile(s.SlogFindPanel, QStringLiteral("SlogFindTile%1").arg(i + 1), kSyllableLook, {});
}

void BuildBuildPage(TSlogScreen& s, QWidget* Pages)
{
    s.SlogBuildPanel =
        Panel(Pages, "SlogBuildPanel", QRect(0, 0, kPageWidth, kPageHeight), TAlign::Client, Flat(palette::LightSkyBlue));
    const TSlogTileLook letters{Qt::white, Qt::white, kLetterFont};
    for (int i = 0; i < TSlogScreen::kConsonantTiles; ++i)
        s.ConsonantTiles[size_t(i)] =
            MakeTextTile(s.SlogBuildPanel, QStringLiteral("SlogConsonantTile%1").arg(i + 1), letters, {});
    for (int i = 0; i < TSlogScreen::kVowelTiles; ++i)
        s.VowelTiles[size_t(i)] = MakeTextTile(s.SlogBuildPanel, QStringLiteral("SlogVowelTile%1").arg(i + 1), letters, {});
    const int first = kPageWidth / 2 - kSlotGap / 2 - kSlot;
    s.SlogFirstSlotPanel = Slot(s.SlogBuildPanel, "SlogFirstSlotPanel", "SlogFirstSlotLabel", first, &s.SlogFirstSlotLabel);
    s.SlogSecondSlotPanel = Slot(s.SlogBuildPanel, "SlogSecondSlotPanel", "SlogSecondSlotLabel", first + kSlot + kSlotGap,
                                 &s.SlogSecondSlotLabel);
    // From under the first slot to beyond the second, where a stop's vowel is held.
    const int from = first + kSlot / 2, step = kSlot + kSlotGap;
    s.SlogTrackPanel =
        Panel(s.SlogBuildPanel, "SlogTrackPanel", QRect(from, kTrackTop, int(step * kStopRunEnd), kTrackHeight),
              TAlign::None, akNone, Flat(palette::DeepBlue));
    s.SlogRunnerImage = NamedImage(s.SlogBuildPanel, "SlogRunnerImage",
                                   QRect(from - kRunner / 2, kTrackTop + kTrackHeight / 2 - kRunner / 2, kRunner, kRunner));
    s.SlogRunnerImage->SetPicture(slog_look::Runner(kRunner));
}

void BuildReadPage(TSlogScreen& s, QWidget* Pages)
{
    s.SlogReadPanel =
        Panel(Pages, "SlogReadPanel", QRect(0, 0, kPageWidth, kPageHeight), TAlign::Client, Flat(palette::LightSkyBlue));
    for (int i = 0; i < TSlogScreen::kPartTiles; ++i) {
        s.PartTiles[size_t(i)] = MakeTextTile(s.SlogReadPanel, QStringLiteral("SlogPartTile%1").arg(i + 1),
                                              {Qt::white, Qt::black, kPartFont}, {});
        const QByteArray arc = QStringLiteral("SlogPartArc%1Image").arg(i + 1).toLatin1();
        s.PartArcs[size_t(i)] = NamedImage(s.SlogReadPanel, arc.constData(), QRect(0, 0, 100, kArcHeight));
    }
    s.WordTile = MakePictureTile(s.SlogReadPanel, QStringLiteral("SlogWordTile"), {Qt::white, Qt::black, 0}, {});
    for (int i = 0; i < TSlogScreen::kPictureTiles; ++i)
        s.PictureTiles[size_t(i)] =
            MakePictureTile(s.SlogReadPanel, QStringLiteral("SlogPictureTile%1").arg(i + 1), {Qt::white, Qt::black, 0}, {});
    s.NextWord = ControlPicture(
        s.SlogReadPanel, "SlogNextWord", slog_look::ArrowGlyph(true, kArrow), QStringLiteral("Следующее слово"),
        QRect(kPageWidth - kControl - 24, kPageHeight - kControl - 24, kControl, kControl), akRight | akBottom);
    s.NextWord.Hide();
}

}  // namespace

TSlogScreen BuildSlogScreen(QWidget* GamesPanel)
{
    TSlogScreen s;
    s.SlogPanel = Panel(GamesPanel, "SlogPanel", QRect(0, 0, 1099, 672), TAlign::Client, Flat(palette::LightSkyBlue));
    BuildControlStrip(s);
    TPanel* pages = Panel(s.SlogPanel, "SlogPagesPanel", QRect(0, kControlHeight, kPageWidth, kPageHeight), TAlign::Client,
                          Flat(palette::LightSkyBlue));
    BuildFindPage(s, pages);
    BuildBuildPage(s, pages);
    BuildReadPage(s, pages);
    s.ShowPage(TSlogExercise::seNone);
    return s;
}

void TSlogScreen::ShowPage(TSlogExercise Exercise) const
{
    SlogFindPanel->setVisible(Exercise == TSlogExercise::seFind);
    SlogBuildPanel->setVisible(Exercise == TSlogExercise::seBuild);
    SlogReadPanel->setVisible(Exercise == TSlogExercise::seRead);
    Task.Panel->setVisible(Exercise == TSlogExercise::seBuild);
}

TSlogExercise TSlogScreen::Page() const
{
    if (!SlogFindPanel->isHidden()) return TSlogExercise::seFind;
    if (!SlogBuildPanel->isHidden()) return TSlogExercise::seBuild;
    if (!SlogReadPanel->isHidden()) return TSlogExercise::seRead;
    return TSlogExercise::seNone;
}

void TSlogScreen::ShowLesson(const TSlogLesson& Lesson, bool Before, bool After) const
{
    const QString letter = QString(Lesson.Consonant).toUpper();
    SlogLessonLabel->setText(letter);
    SlogLessonLabel->setAccessibleName(QStringLiteral("Ступенька ") + letter);
    PrevLesson.Panel->setEnabled(Before);
    PrevLesson.Picture->SetPicture(slog_look::ArrowGlyph(false, kArrow, Before));
    NextLesson.Panel->setEnabled(After);
    NextLesson.Picture->SetPicture(slog_look::ArrowGlyph(true, kArrow, After));
}

void TSlogScreen::ShowFind(const TSlogFindGame& Game) const
{
    const QList<TSyllable>& tiles = Game.Tiles();
    const int count = int(tiles.size());
    const int left = RowLeft(count, kFindWidth, kFindGap), top = (kPageHeight - kFindHeight) / 2;
    for (int i = 0; i < kFindTiles; ++i) {
        const TSlogTile& tile = FindTiles[size_t(i)];
        if (i >= count) {
            tile.Hide();
            continue;
        }
        const QString& text = tiles[i].Text;
        tile.Show(QStringLiteral("Слог ") + Capital(text), slog_look::ColouredText(text),
                  QRect(left + i * (kFindWidth + kFindGap), top, kFindWidth, kFindHeight));
    }
}

QChar TSlogScreen::VowelOfTile(int Index)
{
    const int column = Index % 5;
    return Index < 5 ? syllables::kHardVowels.at(column) : syllables::kSoftVowels.at(column);
}

void TSlogScreen::ShowBuild(const TSlogBuildGame& Game) const
{
    const QString& consonants = Game.Consonants();
    for (int i = 0; i < kConsonantTiles; ++i) {
        const TSlogTile& tile = ConsonantTiles[size_t(i)];
        if (i >= consonants.size()) {
            tile.Hide();
            continue;
        }
        const QString letter(consonants.at(i));
        tile.Panel->SetColor(slog_look::ColourOf(syllables::LetterColour(letter, 0)));
        tile.Show(QStringLiteral("Буква ") + Capital(letter), Capital(letter),
                  QRect(kConsonantsLeft, kLettersTop + i * (kLetter + kLetterGap), kLetter, kLetter));
    }
    for (int i = 0; i < kVowelTiles; ++i) {
        const TSlogTile& tile = VowelTiles[size_t(i)];
        const QChar vowel = VowelOfTile(i);
        if (!Game.Vowels().contains(vowel)) {
            tile.Hide();
            continue;
        }
        tile.Panel->SetColor(slog_look::ColourOf(syllables::TTileColour::Vowel));
        const QString letter(vowel);
        tile.Show(QStringLiteral("Буква ") + Capital(letter), Capital(letter),
                  QRect(kVowelsLeft + (i % 5) * (kLetter + kLetterGap), kLettersTop + (i / 5) * (kLetter + kLetterGap),
                        kLetter, kLetter));
    }
    // A letter alone is coloured as a letter by itself; two as the syllable they make.
    const QString& letters = Game.Slots();
    SlogFirstSlotLabel->setText(letters.isEmpty() ? QString() : slog_look::ColouredLetter(letters, 0));
    SlogSecondSlotLabel->setText(letters.size() < 2 ? QString() : slog_look::ColouredLetter(letters, 1));
    const QString built = Game.Built() ? QStringLiteral("Слог ") + Capital(Game.Built()->Text) : QString();
    SlogFirstSlotPanel->setAccessibleName(built);
}

void TSlogScreen::ShowRead(const TSlogReadGame& Game, const std::function<QImage(const QString&)>& Picture) const
{
    const bool shown = Game.QuestionCount() > 0;
    const QStringList parts = shown ? Game.Word().Parts : QStringList();
    const QFontMetrics metrics(slog_look::TileFont(kPartFont));
    QList<int> widths;
    int total = 0;
    for (const QString& part : parts) {
        widths << std::max(slog_look::kMinTile, metrics.horizontalAdvance(Capital(part)) + kPartPadding);
        total += widths.back();
    }
    total += int(std::max<qsizetype>(0, parts.size() - 1)) * kPartGap;
    int left = (kPageWidth - total) / 2;
    for (int i = 0; i < kPartTiles; ++i) {
        const TSlogTile& tile = PartTiles[size_t(i)];
        TImage* arc = PartArcs[size_t(i)];
        if (i >= parts.size()) {
            tile.Hide();
            arc->hide();
            continue;
        }
        const QRect bounds(left, kPartTop, widths[i], kPartHeight);
        tile.Show(QStringLiteral("Слог ") + Capital(parts[i]), slog_look::ColouredText(parts[i]), bounds);
        arc->SetPicture(slog_look::ReadingArc(bounds.width(), kArcHeight, false));
        ui::SetBase(arc, QRect(left, kPartTop + kPartHeight, bounds.width(), kArcHeight), akNone);
        arc->show();
        left += widths[i] + kPartGap;
    }
    if (shown) {
        const int width = std::max(total, 2 * slog_look::kMinTile);
        const QRect bounds((kPageWidth - width) / 2, kWordTop, width, kWordHeight);
        WordTile.Picture->SetPicture(slog_look::ReadingArc(width - 16, kWordHeight - 16, true));
        WordTile.Show(QStringLiteral("Слово ") + Capital(Game.Word().Text), QString(), bounds);
    } else {
        WordTile.Hide();
    }
    const QStringList& choices = Game.Choices();
    const int pictures = int(choices.size());
    const int pictureLeft = RowLeft(pictures, kPicture, kPictureGap);
    for (int i = 0; i < kPictureTiles; ++i) {
        const TSlogTile& tile = PictureTiles[size_t(i)];
        if (i >= pictures) {
            tile.Hide();
            continue;
        }
        tile.Picture->SetPicture(Picture(choices[i]));
        tile.Show(choices[i], QString(), QRect(pictureLeft + i * (kPicture + kPictureGap), kPictureTop, kPicture, kPicture));
    }
    NextWord.Panel->setVisible(shown && !Game.Asked() && !Game.Finished());
    ui::Realign(SlogReadPanel);
}

QPoint TSlogScreen::FirstStop() const
{
    return QPoint(SlogFirstSlotPanel->geometry().center().x(), SlogTrackPanel->geometry().center().y());
}

QPoint TSlogScreen::SecondStop() const
{
    return QPoint(SlogSecondSlotPanel->geometry().center().x(), SlogTrackPanel->geometry().center().y());
}

const TSlogTile* TSlogScreen::LetterTile(QChar Letter) const
{
    for (const TSlogTile& tile : ConsonantTiles)
        if (tile.Shown() && tile.Caption->text() == Capital(QString(Letter))) return &tile;
    for (int i = 0; i < kVowelTiles; ++i)
        if (VowelOfTile(i) == Letter && VowelTiles[size_t(i)].Shown()) return &VowelTiles[size_t(i)];
    return nullptr;
}

ui::TKeyScreen TSlogScreen::Keys(TSlogKeyPicks& Picks, const std::function<QStringList()>& FindTexts) const
{
    ui::TKeyScreen keys;
    keys.Regions = [this] {
        ui::TKeyRegion tiles, more;
        const auto add = [](ui::TKeyRegion& Region, const TSlogTile& Tile) {
            if (Tile.Shown()) Region.Items.push_back(Tile.KeyItem());
        };
        switch (Page()) {
            case TSlogExercise::seFind:
                for (const TSlogTile& t : FindTiles) add(tiles, t);
                break;
            case TSlogExercise::seBuild:
                for (const TSlogTile& t : ConsonantTiles) add(tiles, t);
                for (const TSlogTile& t : VowelTiles) add(tiles, t);
                add(more, Task);
                break;
            case TSlogExercise::seRead:
                for (const TSlogTile& t : PartTiles) add(tiles, t);
                add(tiles, WordTile);
                for (const TSlogTile& t : PictureTiles) add(more, t);
                add(more, NextWord);
                break;
            case TSlogExercise::seNone:
                break;
        }
        ui::TKeyRegion controls;
        add(controls, Repeat);
        ui::TKeyRegion lessons;
        add(lessons, PrevLesson);
        add(lessons, NextLesson);
        return ui::TKeyRegions{tiles, more, controls, lessons};
    };
    keys.LetterTile = [this, &Picks, FindTexts](unsigned char Lower) -> std::optional<ui::TKeyItem> {
        const QChar letter = cp1251::ToUnicode(cp1251::LetterString(Lower)).at(0);
        if (Page() == TSlogExercise::seBuild) {
            const TSlogTile* tile = LetterTile(letter);
            return tile ? tile->KeyItem() : ui::TKeyItem{};
        }
        if (Page() != TSlogExercise::seFind) return std::nullopt;
        const TSlogKeyStep step = Picks.Step(letter, FindTexts());
        if (step.Kind == TSlogKeyStep::ksNothing) return ui::TKeyItem{};
        ui::TKeyItem item = FindTiles[size_t(step.Tile)].KeyItem();
        const std::function<void()> press = step.Kind == TSlogKeyStep::ksPicked ? item.Press : std::function<void()>();
        item.Press = [&Picks, letter, step, press] {
            Picks.Take(letter, step);
            if (press) press();
        };
        return item;
    };
    return keys;
}
