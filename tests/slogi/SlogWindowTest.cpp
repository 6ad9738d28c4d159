// "Слоги" in the window: its menu entry and chooser, each exercise's rules and page, the size and
// names of every tile, letter keys, touch, the runner's timer, and the three pages drawn to PNG
// files under the build tree (screenshots/), with the demo content when the build has it.
#include "pictures/PictureFiles.h"
#include "slogi/SlogWorld.h"

#include "app/KeyboardPlay.h"
#include "games/GameObjects.h"
#include "platform/storage/ProgressDatabase.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/RichEdit.h"
#include "platform/widgets/SpeedButton.h"
#include "progress/MasteryRule.h"
#include "progress/ProgressStore.h"
#include "support/TestForm.h"
#include "support/Waiting.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPointingDevice>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QString ShotPath(const QString& Name)
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    return dir + u'/' + Name;
}

// The window at 1280 x 800 over a content folder (the world's, or another), loaded.
struct TSlogForm {
    TSlogWorld W;
    std::unique_ptr<TTestForm> Form;
    std::vector<TAnswer> Answers;

    explicit TSlogForm(const QString& Folder = QString(), TFakeSpeech* Speech = nullptr)
    {
        QDir(W.Dir.path()).mkpath("Pic/Alphabet/Rus");
        QDir(W.Dir.path()).mkpath("Pic/Images/Rus");
        Form = std::make_unique<TTestForm>(&W.Dialogs, Folder.isEmpty() ? W.Dir.path() + u'/' : Folder);
        Form->SetSpeech(Speech ? Speech : &W.Speech);
        Form->Context().Answers.Listen([this](const TAnswer& A) { Answers.push_back(A); });
    }
    ~TSlogForm() { Form->Objects.Reset(); }

    // Shown, then loaded: the activities' loading runs here, once the game objects exist.
    void Load()
    {
        Form->show();
        LoadGameObjects(Form->Context(), Form->Objects);
        Form->FormActivate();
        Form->setWindowState(Qt::WindowNoState);
        Form->resize(1280, 800);
        QApplication::processEvents();
        Form->StartLoading();
    }

    // The exercise chosen in the chooser by its button's name.
    void Open(const char* Choice)
    {
        Named<QAction>(*Form, "Slogi")->trigger();
        QTest::mouseClick(Named<TSpeedButton>(*Form, Choice), Qt::LeftButton);
    }

    QWidget* Tile(const QString& Name) const { return Named<QWidget>(*Form, Name.toLatin1().constData()); }
    // The shown tile (a panel) assistive technology calls Name.
    QWidget* Called(const QString& Name) const
    {
        for (TPanel* p : Named<TPanel>(*Form, "SlogPanel")->findChildren<TPanel*>())
            if (p->isVisible() && p->accessibleName() == Name) return p;
        ADD_FAILURE() << "no tile " << Name.toStdString();
        return nullptr;
    }
    static void Click(QWidget* Tile)
    {
        TLabel* label = Tile->findChild<TLabel*>(QString(), Qt::FindDirectChildrenOnly);
        QTest::mouseClick(label, Qt::LeftButton);
    }
    void Key(int Key, const QString& Text)
    {
        QKeyEvent down(QEvent::KeyPress, Key, Qt::NoModifier, Text);
        QApplication::sendEvent(Form.get(), &down);
        QKeyEvent up(QEvent::KeyRelease, Key, Qt::NoModifier, Text);
        QApplication::sendEvent(Form.get(), &up);
    }
    // The syllable asked now on "Найди слог", from what was said last.
    QString Asked() const
    {
        for (auto it = W.Speech.Calls.rbegin(); it != W.Speech.Calls.rend(); ++it)
            if (it->Kind == TSpeechCall::Pair && it->First.endsWith(QStringLiteral("Найди_слог.mp3")))
                return it->Second.section(u'/', -1).chopped(4);
        return {};
    }
    // The shown tiles a child presses on the Слоги screen: every tile panel with its click area.
    std::vector<QWidget*> PressedTiles() const
    {
        static const QRegularExpression tile(QStringLiteral("^Slog.*Panel$"));
        std::vector<QWidget*> tiles;
        for (TLabel* l : Named<TPanel>(*Form, "SlogPanel")->findChildren<TLabel*>())
            if (l->isVisible() && l->cursor().shape() == Qt::PointingHandCursor &&
                tile.match(l->parentWidget()->objectName()).hasMatch())
                tiles.push_back(l->parentWidget());
        return tiles;
    }
};

}  // namespace

TEST(SlogWindow, TheSixthMenuEntryComesAliveOnceTheClipsAreFound)
{
    TSlogForm f;
    f.W.PutLessons(2);
    TSpeedButton* entry = Named<TSpeedButton>(*f.Form, "SlogMenuButton");
    EXPECT_FALSE(entry->isEnabled()) << "not before loading";
    f.Load();
    EXPECT_TRUE(entry->isEnabled());
    EXPECT_EQ(entry->Caption(), QStringLiteral("Слоги"));
    Named<TPanel>(*f.Form, "PopupMenuPanel")->show();
    QTest::mouseClick(entry, Qt::LeftButton);
    EXPECT_TRUE(Named<TPanel>(*f.Form, "GameSlogTypePanel")->isVisible());
    EXPECT_TRUE(Named<TPanel>(*f.Form, "RulesPanel")->isVisible());
    EXPECT_TRUE(Named<TRichEdit>(*f.Form, "SlogRulesRichEdit")->Lines().join(QString()).contains("по слогам"));

    TSlogForm none;
    none.W.Put(content::layout::kWords + QStringLiteral("мама.mp3"));
    none.Load();
    EXPECT_FALSE(Named<TSpeedButton>(*none.Form, "SlogMenuButton")->isEnabled()) << "no syllable clip at all";
    EXPECT_TRUE(Named<TSpeedButton>(*none.Form, "SpeedButton3")->isEnabled());
}

TEST(SlogWindow, EachExerciseHasItsRulesAndItsPageAndTheChooserCaptionsFit)
{
    TSlogForm f;
    f.W.PutLessons(2);
    f.Load();
    struct Case {
        const char* Choice;
        const char* Page;
        const char* Rules;
    } cases[] = {{"SlogFindSpeedButton", "SlogFindPanel", "Ребенок слышит слог"},
                 {"SlogBuildSpeedButton", "SlogBuildPanel", "Ребенок нажимает согласную"},
                 {"SlogReadSpeedButton", "SlogReadPanel", "Ребенок читает слово"}};
    for (const Case& c : cases) {
        TSpeedButton* b = Named<TSpeedButton>(*f.Form, c.Choice);
        EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->Caption()) + 2, b->width()) << c.Choice;
        f.Open(c.Choice);
        EXPECT_FALSE(Named<TPanel>(*f.Form, "GameSlogTypePanel")->isVisible());
        EXPECT_TRUE(Named<TPanel>(*f.Form, c.Page)->isVisible()) << c.Page;
        for (const Case& other : cases) {
            if (&other == &c) continue;
            EXPECT_FALSE(Named<TPanel>(*f.Form, other.Page)->isVisible()) << other.Page;
        }
        EXPECT_TRUE(Named<TPanel>(*f.Form, "RulesPanel")->isVisible());
        EXPECT_TRUE(Named<TPanel>(*f.Form, "RuleSlogPanel")->isVisible());
        EXPECT_TRUE(Named<TRichEdit>(*f.Form, "SlogRulesRichEdit")->Lines().value(0).startsWith(QString::fromUtf8(c.Rules)))
            << c.Choice;
        EXPECT_EQ(f.W.Speech.Count(TSpeechCall::Pair) + f.W.Speech.Count(TSpeechCall::File) > 0, true);
    }
    EXPECT_EQ(Named<TLabel>(*f.Form, "SlogLessonLabel")->text(), QStringLiteral("М"));
    EXPECT_TRUE(f.W.Dialogs.Calls.empty());
}

TEST(SlogWindow, EveryTileIsAtLeast96PixelsSquareAndNamed)
{
    TSlogForm f;
    f.W.PutLessons(2);
    testpics::WriteJpeg(f.W.Dir.path() + "/Pic/Images/Rus/мама.jpg", 60, 40);
    testpics::WriteJpeg(f.W.Dir.path() + "/Pic/Images/Rus/кот.jpg", 60, 40, Qt::blue);
    f.Load();
    ASSERT_EQ(f.Form->size(), QSize(1280, 800));

    f.Open("SlogFindSpeedButton");
    const QString asked = f.Asked();
    ASSERT_FALSE(asked.isEmpty());
    EXPECT_NE(f.Called(QStringLiteral("Слог ") + asked.toUpper()), nullptr);
    std::vector<QWidget*> tiles = f.PressedTiles();
    EXPECT_EQ(tiles.size(), 2u + 1 + 2) << "two syllables, repeat, two arrows";

    f.Open("SlogBuildSpeedButton");
    EXPECT_NE(f.Called(QStringLiteral("Буква М")), nullptr);
    EXPECT_NE(f.Called(QStringLiteral("Буква Ё")), nullptr);
    const std::vector<QWidget*> build = f.PressedTiles();
    EXPECT_EQ(build.size(), 1u + 9 + 1 + 1 + 2) << "м, nine vowels, task, repeat, arrows";
    tiles.insert(tiles.end(), build.begin(), build.end());

    f.Open("SlogReadSpeedButton");
    ASSERT_TRUE(WaitUntil([&] { return f.Tile("SlogWordTilePanel")->isVisible(); }));
    EXPECT_EQ(f.Tile("SlogWordTilePanel")->accessibleName(), QStringLiteral("Слово МАМА"));
    EXPECT_NE(f.Called(QStringLiteral("Слог МА")), nullptr);
    EXPECT_NE(f.Called(QStringLiteral("мама")), nullptr);
    EXPECT_NE(f.Called(QStringLiteral("кот")), nullptr);
    const std::vector<QWidget*> read = f.PressedTiles();
    EXPECT_EQ(read.size(), 2u + 1 + 2 + 1 + 2) << "two syllables, the word, two pictures, repeat, arrows";
    tiles.insert(tiles.end(), read.begin(), read.end());

    for (QWidget* t : tiles) {
        EXPECT_GE(t->width(), 96) << t->objectName().toStdString();
        EXPECT_GE(t->height(), 96) << t->objectName().toStdString();
        EXPECT_FALSE(t->accessibleName().isEmpty()) << t->objectName().toStdString();
    }
}

TEST(SlogWindow, ConsonantThenVowelKeysPickTheSyllableAndKeysPressTheLetterTiles)
{
    TSlogForm f;
    f.W.PutLessons(2);
    f.Load();
    f.Open("SlogFindSpeedButton");
    Named<QAction>(*f.Form, "CloseRulesPanel")->trigger();
    const QString asked = f.Asked();
    const QString other = f.Called(QStringLiteral("Слог ") + asked.toUpper()) ? asked : QString();
    ASSERT_EQ(other, asked);
    // A vowel alone picks nothing; under a Latin layout the keys are read as the Russian ones.
    f.Key(Qt::Key_F, QStringLiteral("f"));  // а
    f.Key(Qt::Key_J, QStringLiteral("j"));  // о
    EXPECT_TRUE(f.Answers.empty());
    const QString first = asked.left(1), second = asked.mid(1);
    f.Key(first.toUpper().at(0).unicode(), first);
    EXPECT_TRUE(f.Answers.empty()) << "a consonant only marks";
    EXPECT_EQ(f.Form->Keyboard().Focused()->accessibleName().left(6), QStringLiteral("Слог ") + first.toUpper());
    f.Key(second.toUpper().at(0).unicode(), second);
    ASSERT_EQ(f.Answers.size(), 1u);
    EXPECT_EQ(f.Answers[0].Picked, asked);
    EXPECT_TRUE(f.Answers[0].Right);

    f.Open("SlogBuildSpeedButton");
    Named<QAction>(*f.Form, "CloseRulesPanel")->trigger();
    f.W.Speech.Calls.clear();
    f.Key(Qt::Key_V, QStringLiteral("v"));  // м
    ASSERT_EQ(f.W.Speech.Calls.size(), 1u);
    EXPECT_EQ(f.W.Speech.Last().First, f.W.Sound("м"));
    EXPECT_EQ(f.Form->Keyboard().Focused(), f.Called(QStringLiteral("Буква М")));
    // Tab and Enter: the first region is the letter tiles.
    f.Key(Qt::Key_Return, QString());
    EXPECT_EQ(f.W.Speech.Last().First, f.W.Sound("м"));
}

TEST(SlogWindow, OneTapPressesOnceAndASecondFingerPressesNothingMore)
{
    TSlogForm f;
    f.W.PutLessons(2);
    f.Load();
    f.Open("SlogBuildSpeedButton");
    Named<QAction>(*f.Form, "CloseRulesPanel")->trigger();
    // The test owns the device it made; its destructor takes it off Qt's list of devices.
    const std::unique_ptr<QPointingDevice> screenDevice(QTest::createTouchDevice());
    QPointingDevice* screen = screenDevice.get();
    QWidget* m = f.Called(QStringLiteral("Буква М"));
    QWidget* a = f.Called(QStringLiteral("Буква А"));
    const QPoint mAt = m->mapTo(f.Form.get(), m->rect().center()), aAt = a->mapTo(f.Form.get(), a->rect().center());
    f.W.Speech.Calls.clear();

    QTest::touchEvent(f.Form.get(), screen).press(0, mAt);
    QTest::touchEvent(f.Form.get(), screen).release(0, mAt);
    QApplication::processEvents();
    ASSERT_EQ(f.W.Speech.Calls.size(), 1u) << "one tap, one press";
    EXPECT_EQ(f.W.Speech.Last().First, f.W.Sound("м"));

    f.W.Speech.Calls.clear();
    QTest::touchEvent(f.Form.get(), screen).press(0, mAt);
    QTest::touchEvent(f.Form.get(), screen).stationary(0).press(1, aAt);
    QTest::touchEvent(f.Form.get(), screen).stationary(0).release(1, aAt);
    QTest::touchEvent(f.Form.get(), screen).release(0, mAt);
    QApplication::processEvents();
    ASSERT_EQ(f.W.Speech.Calls.size(), 1u) << "the second finger presses nothing";
    EXPECT_EQ(f.W.Speech.Last().First, f.W.Sound("м"));
}

TEST(SlogWindow, TheRunnerRunsWhileTheSyllableIsDrawnOutAndThenRests)
{
    TSlogForm f;
    f.W.PutLessons(2);
    f.Load();
    f.Open("SlogBuildSpeedButton");
    Named<QAction>(*f.Form, "CloseRulesPanel")->trigger();
    QTimer* timer = Named<QTimer>(*f.Form, "SlogRunnerTimer");
    TImage* runner = Named<TImage>(*f.Form, "SlogRunnerImage");
    EXPECT_FALSE(timer->isActive());
    TSlogForm::Click(f.Called(QStringLiteral("Буква М")));
    EXPECT_FALSE(timer->isActive()) << "a letter alone does not run";
    TSlogForm::Click(f.Called(QStringLiteral("Буква А")));
    EXPECT_TRUE(timer->isActive());
    const QPoint start = runner->geometry().center();
    EXPECT_NEAR(start.x(), Named<TPanel>(*f.Form, "SlogFirstSlotPanel")->geometry().center().x(), 2);
    EXPECT_TRUE(Named<TLabel>(*f.Form, "SlogSecondSlotLabel")->text().contains(QStringLiteral("А")));
    ASSERT_TRUE(WaitUntil([&] { return !timer->isActive(); }, 3000));
    EXPECT_NEAR(runner->geometry().center().x(), Named<TPanel>(*f.Form, "SlogSecondSlotPanel")->geometry().center().x(), 2);
    EXPECT_TRUE(runner->isVisible());
}

TEST(SlogWindow, ALessonChosenWhileThePicturesAreReadGetsThemToo)
{
    TSlogForm f;
    f.W.PutLessons(2);
    for (const char* word : {"мама", "сом", "кот", "лук"})
        testpics::WriteJpeg(f.W.Dir.path() + "/Pic/Images/Rus/" + QString::fromUtf8(word) + ".jpg", 60, 40);
    f.Load();
    f.Open("SlogReadSpeedButton");
    TSlogForm::Click(f.Tile("SlogNextLessonPanel"));  // before the pictures are in
    EXPECT_EQ(Named<TLabel>(*f.Form, "SlogLessonLabel")->text(), QStringLiteral("С"));
    ASSERT_TRUE(WaitUntil([&] { return f.Tile("SlogWordTilePanel")->isVisible(); }));
    for (int i = 0; i < 3 && f.Tile("SlogWordTilePanel")->accessibleName() != QStringLiteral("Слово СОМ"); ++i)
        TSlogForm::Click(f.Tile("SlogNextWordPanel"));
    ASSERT_EQ(f.Tile("SlogWordTilePanel")->accessibleName(), QStringLiteral("Слово СОМ"));
    EXPECT_NE(f.Called(QStringLiteral("сом")), nullptr);
    EXPECT_FALSE(f.Tile("SlogNextWordPanel")->isVisible()) << "a word with a picture is asked";
    EXPECT_TRUE(f.W.Dialogs.Calls.empty());
}

TEST(SlogWindow, ThePagesDrawnToFiles)
{
    const QString demo = QCoreApplication::applicationDirPath() + u'/';
    const bool haveDemo = QDir(demo + QStringLiteral("Sound/Женский голос/Слоги")).exists();
    TFakeSpeech speech;
    TSlogForm f(haveDemo ? demo : QString(), &speech);
    if (!haveDemo) {
        f.W.PutLessons(3);
        for (const char* word : {"мама", "лиса", "кот", "луна"})
            testpics::WriteJpeg(f.W.Dir.path() + "/Pic/Images/Rus/" + QString::fromUtf8(word) + ".jpg", 300, 200,
                                QColor::fromHsv(qHash(QString::fromUtf8(word)) % 360, 160, 220));
    }
    f.Load();
    const auto shoot = [&](const char* Choice, const char* File) {
        f.Open(Choice);
        Named<QAction>(*f.Form, "CloseRulesPanel")->trigger();
        WaitUntil([&] { return !Named<TPanel>(*f.Form, "TimerPanel")->isVisible(); });
        QApplication::processEvents();
        ASSERT_TRUE(f.Form->grab().toImage().save(ShotPath(QString::fromLatin1(File))));
    };
    shoot("SlogFindSpeedButton", "slogi_find.png");
    f.Open("SlogBuildSpeedButton");
    Named<QAction>(*f.Form, "CloseRulesPanel")->trigger();
    TSlogForm::Click(f.Called(QStringLiteral("Буква М")));
    TSlogForm::Click(f.Called(QStringLiteral("Буква А")));
    QTest::qWait(400);  // the runner half-way
    ASSERT_TRUE(f.Form->grab().toImage().save(ShotPath(QStringLiteral("slogi_build.png"))));
    Named<QAction>(*f.Form, "Slogi")->trigger();
    QTest::mouseClick(Named<TSpeedButton>(*f.Form, "SlogReadSpeedButton"), Qt::LeftButton);
    WaitUntil([&] { return Named<TPanel>(*f.Form, "SlogWordTilePanel")->isVisible(); });
    for (int i = 0; i < 3; ++i) TSlogForm::Click(Named<QWidget>(*f.Form, "SlogNextLessonPanel"));
    // On to a word with a picture ("лиса" in the demo content).
    for (int i = 0; i < 8 && Named<TPanel>(*f.Form, "SlogNextWordPanel")->isVisible(); ++i)
        TSlogForm::Click(Named<QWidget>(*f.Form, "SlogNextWordPanel"));
    ASSERT_TRUE(f.Form->grab().toImage().save(ShotPath(QStringLiteral("slogi_read_rules.png"))));
    Named<QAction>(*f.Form, "CloseRulesPanel")->trigger();
    ASSERT_TRUE(f.Form->grab().toImage().save(ShotPath(QStringLiteral("slogi_read.png"))));
    EXPECT_TRUE(f.W.Dialogs.Calls.empty()) << f.W.Dialogs.Calls.front().Text.toStdString();
}

// The window joined to a progress file: "Слоги" opens on the first lesson with a syllable the
// player does not know yet, and its answers are kept.
TEST(SlogWindow, OpensOnThePlayersFirstLessonNotKnownAndKeepsItsAnswers)
{
    TSlogForm f;
    f.W.PutLessons(2);
    f.Load();
    QTemporaryDir folder;
    TProgressStore store(folder.path(), f.W.Dialogs);
    qint64 petya = 0;
    ASSERT_EQ(store.AddChild(QStringLiteral("Петя"), {}, &petya), QString());
    f.Form->JoinProgress(store);
    store.SetPlayer(petya);
    f.Open("SlogFindSpeedButton");
    EXPECT_EQ(Named<TLabel>(*f.Form, "SlogLessonLabel")->text(), QStringLiteral("М")) << "nothing known yet";

    // Every syllable of the first lesson found right three times, one built wrong at the end.
    const QList<syllables::TSyllable> first = syllables::Lessons().at(0).Syllables();
    for (const syllables::TSyllable& s : first)
        for (int i = 0; i < kKnowingRun; ++i) {
            TAnswer answer{TGameKind::gkSyllables, false, s.Text, s.Text, {}, -1, true, true};
            f.Form->Context().Answers.Announce(answer);
        }
    f.Open("SlogFindSpeedButton");
    EXPECT_EQ(Named<TLabel>(*f.Form, "SlogLessonLabel")->text(), QStringLiteral("С"));

    TAnswer missed{TGameKind::gkSyllables, false, first.back().Text, QStringLiteral("са"), {}, -1, false, true};
    missed.Exercise = TSyllableMode::smBuildSyllable;
    f.Form->Context().Answers.Announce(missed);
    f.Open("SlogBuildSpeedButton");
    EXPECT_EQ(Named<TLabel>(*f.Form, "SlogLessonLabel")->text(), QStringLiteral("М")) << "a syllable missed is learnt again";

    store.Flush();
    TProgressDatabase file(folder.filePath(TProgressStore::FileName()));
    ASSERT_EQ(file.Open(false), progressdb::TOpenState::osOpen);
    int kept = 0;
    file.ForEachAnswer(petya,
                       [&](const progressdb::TAnswerRow& Row) { kept += Row.Game == GameCode(TGameKind::gkSyllables); });
    EXPECT_EQ(kept, int(first.size()) * kKnowingRun + 1);
}
