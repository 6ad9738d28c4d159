// A monkey at the controls: a seeded stream of clicks, right clicks, wheel turns and key presses
// anywhere in the real main window over the demo content, with every box answered. After each
// event the window must still answer and show a whole screen; at the end every activity has been
// visited and memory has not grown.
//
//   KV_MONKEY_EVENTS=100000 KV_MONKEY_SEED=1234 build/test_app --gtest_filter='Monkey.*'
//
// (scripts/monkey.sh runs it so.) A failure prints the seed and the event, so it replays.
#include "app/MainForm.h"
#include "platform/Memory.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/ScrollBox.h"
#include "platform/widgets/SpeedButton.h"
#include "support/FakeDialogs.h"
#include "support/FakePrinter.h"
#include "support/FakeSpeech.h"
#include "support/QtPrint.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <set>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryMeasured = false;
#else
constexpr bool kMemoryMeasured = true;
#endif

// Resident memory of this process, in KiB.
long ResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

qint64 EnvNumber(const char* Name, qint64 Default)
{
    bool ok = false;
    const qint64 v = qEnvironmentVariable(Name).toLongLong(&ok);
    return ok ? v : Default;
}

// The exercises of "Слоги" in its chooser.
const char* const kSlogExercises[] = {"SlogFindSpeedButton", "SlogBuildSpeedButton", "SlogReadSpeedButton"};

class TMonkey {
public:
    TMonkey(TTestForm& Form, quint32 Seed) : FForm(Form), FRandom(Seed) {}

    // One event; returns what it was, for the failure message.
    QString Next()
    {
        const int kind = Pick(100);
        if (kind < 8) return OpenActivity();
        if (kind < 58) return Click(Qt::LeftButton);
        if (kind < 66) return Click(Qt::RightButton);
        if (kind < 74) return Wheel();
        return Key();
    }

    // Every activity, both letter sets of both boards and every colouring theme once, so that
    // what is read once per run has been read before memory is measured.
    void VisitEverything()
    {
        for (TSpeedButton* entry : {Named<TSpeedButton>(FForm, "SpeedButton3"), Named<TSpeedButton>(FForm, "SpeedButton6")})
            for (TSpeedButton* type :
                 {Named<TSpeedButton>(FForm, "LetterrsNamesSpeedButton"),
                  Named<TSpeedButton>(FForm, "LettersSoundsSpeedButton"), Named<TSpeedButton>(FForm, "SpeedButton8"),
                  Named<TSpeedButton>(FForm, "SpeedButton9")}) {
                Open(entry);
                if (type->isVisible()) QTest::mouseClick(type, Qt::LeftButton);
            }
        for (const char* exercise : kSlogExercises) {
            Open(Named<TSpeedButton>(FForm, "SlogMenuButton"));
            QTest::mouseClick(Named<TSpeedButton>(FForm, exercise), Qt::LeftButton);
        }
        Open(Named<TSpeedButton>(FForm, "SpeedButton4"));
        Open(Named<TSpeedButton>(FForm, "SpeedButton5"));
        Open(Named<TSpeedButton>(FForm, "SpeedButton7"));
        const int themes = int(Named<TPanel>(FForm, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>().size());
        for (int i = 0; i < themes; ++i) {
            Open(Named<TSpeedButton>(FForm, "SpeedButton7"));
            QTest::mouseClick(Named<TPanel>(FForm, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>().at(i),
                              Qt::LeftButton);
        }
    }

private:
    void Open(TSpeedButton* Entry)
    {
        QTest::mouseClick(Named<TLabel>(FForm, "MenuLabel"), Qt::LeftButton);
        QTest::mouseClick(Entry, Qt::LeftButton);
    }

    int Pick(int N) { return int(FRandom.bounded(quint32(N))); }

    QPoint AnyPoint() { return QPoint(Pick(FForm.width()), Pick(FForm.height())); }

    // The widget the user would hit at a point of the window, and the point in its coordinates.
    QWidget* At(const QPoint& Pos, QPoint& Local) const
    {
        QWidget* w = FForm.childAt(Pos);
        if (!w) w = &FForm;
        Local = w->mapFrom(&FForm, Pos);
        return w;
    }

    QString Click(Qt::MouseButton Button)
    {
        const QPoint pos = AnyPoint();
        QPoint local;
        QWidget* target = At(pos, local);
        const QString what = QStringLiteral("%1 click at %2,%3 on %4")
                                 .arg(Button == Qt::LeftButton ? "left" : "right")
                                 .arg(pos.x())
                                 .arg(pos.y())
                                 .arg(target->objectName());
        QTest::mouseClick(target, Button, {}, local);
        return what;
    }

    QString Wheel()
    {
        const QPoint pos = AnyPoint();
        QPoint local;
        QWidget* target = At(pos, local);
        const int delta = Pick(2) ? 120 : -120;
        QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
        return QStringLiteral("wheel %1 at %2,%3").arg(delta).arg(pos.x()).arg(pos.y());
    }

    QString Key()
    {
        static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Left, {}},
            {Qt::Key_Right, {}},
            {Qt::Key_Up, {}},
            {Qt::Key_Down, {}},
            {Qt::Key_Tab, {}},
            {Qt::Key_Return, {}},
            {Qt::Key_Space, {}},
            {Qt::Key_Escape, {}},
            {Qt::Key_F1, {}},
            {Qt::Key_F11, {}},
            {Qt::Key_A, {}},
            {Qt::Key_Q, {}},
            {Qt::Key_P, Qt::ControlModifier},
            {Qt::Key_Up, Qt::ControlModifier},
            {Qt::Key_Down, Qt::ControlModifier},
            {Qt::Key_M, Qt::ControlModifier},
            {Qt::Key_Q, Qt::ControlModifier},
            {Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier},
        };
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &FForm;
        // Half of the letters as Russian text, as a Russian keyboard layout types them.
        if (Pick(3) == 0) {
            static const QString letters = QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
            const QChar letter = letters.at(Pick(int(letters.size())));
            const int code = letter.toUpper().unicode();  // what Qt reports for a Cyrillic key
            QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(letter));
            QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(letter));
            QApplication::sendEvent(target, &press);
            QApplication::sendEvent(target, &release);
            return QStringLiteral("key %1").arg(letter);
        }
        const auto& [key, modifiers] = keys[Pick(int(std::size(keys)))];
        QTest::keyClick(target, key, modifiers);
        return QStringLiteral("key %1 (modifiers %2)").arg(key, 0, 16).arg(int(modifiers), 0, 16);
    }

    // Opens the menu and picks an entry with real clicks, so that every activity is visited often.
    QString OpenActivity()
    {
        TSpeedButton* entries[] = {Named<TSpeedButton>(FForm, "SpeedButton3"), Named<TSpeedButton>(FForm, "SpeedButton4"),
                                   Named<TSpeedButton>(FForm, "SpeedButton5"), Named<TSpeedButton>(FForm, "SpeedButton6"),
                                   Named<TSpeedButton>(FForm, "SpeedButton7"), Named<TSpeedButton>(FForm, "SlogMenuButton")};
        TSpeedButton* entry = entries[Pick(6)];
        Open(entry);
        if (entry == Named<TSpeedButton>(FForm, "SpeedButton7")) {
            const auto themes = Named<TPanel>(FForm, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>();
            if (!themes.isEmpty()) QTest::mouseClick(themes.at(Pick(int(themes.size()))), Qt::LeftButton);
        }
        if (entry == Named<TSpeedButton>(FForm, "SlogMenuButton")) {
            TSpeedButton* exercise = Named<TSpeedButton>(FForm, kSlogExercises[Pick(3)]);
            if (exercise->isVisible()) QTest::mouseClick(exercise, Qt::LeftButton);
        }
        return QStringLiteral("menu entry ") + entry->Caption();
    }

    TTestForm& FForm;
    QRandomGenerator FRandom;
};

// What lies on top among Parent's visible children.
QWidget* TopVisible(QWidget* Parent, QWidget* Except = nullptr)
{
    const QObjectList& children = Parent->children();
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (auto* w = qobject_cast<QWidget*>(*it); w && !w->isHidden() && w != Except) return w;
    return nullptr;
}

int PlacedTiles(QWidget* Container)
{
    int n = 0;
    for (QWidget* w : Container->findChildren<TPanel*>(QString(), Qt::FindDirectChildrenOnly)) n += w->isVisible();
    return n;
}

// What is wrong with what the user sees, or nothing: it must be a whole screen (an activity, a
// chooser, the start screen, the rules panel over one of them), never a half-built one.
QString WholeScreenProblem(TTestForm& F)
{
    if (!F.isVisible()) return QStringLiteral("the window is gone");
    if (Named<TPanel>(F, "TimerPanel")->isVisible()) return QString();  // loading: the overlay says so
    QWidget* layer = TopVisible(Named<TPanel>(F, "ContentPanel"), Named<TPanel>(F, "SystemPanel"));
    if (layer == Named<TPanel>(F, "SysPanel"))
        return Named<TPanel>(F, "GameSndTypePanel")->isVisible() || Named<TPanel>(F, "GameExamTypePanel")->isVisible() ||
                       Named<TPanel>(F, "GameSlogTypePanel")->isVisible()
                   ? QString()
                   : QStringLiteral("the system layer without a chooser");
    if (layer != Named<TPanel>(F, "GamesPanel")) return QStringLiteral("neither the games area nor a chooser on top");
    QWidget* screen = TopVisible(Named<TPanel>(F, "GamesPanel"), Named<TPanel>(F, "RulesPanel"));
    if (screen == Named<TPanel>(F, "StartPanel")) return QString();
    if (screen == Named<TPanel>(F, "GameSndPanel")) {
        const int n = PlacedTiles(Named<TScrollBox>(F, "LettersSndScrollBox")->Content());
        return n == 33 || n == 31 ? QString() : QStringLiteral("the learning board shows %1 tiles").arg(n);
    }
    if (screen == Named<TPanel>(F, "GameExamPanel")) {
        const int n = PlacedTiles(Named<TScrollBox>(F, "LettersExamScrollBox")->Content());
        return n == 33 || n == 31 ? QString() : QStringLiteral("the exam board shows %1 tiles").arg(n);
    }
    if (screen == Named<TPanel>(F, "GamePicPanel") || screen == Named<TPanel>(F, "GameMakeWPanel")) {
        QWidget* row = screen == Named<TPanel>(F, "GamePicPanel") ? Named<TPanel>(F, "LetersPicPanel")
                                                                  : Named<TPanel>(F, "LettersMakeWPanel");
        if (PlacedTiles(row) != 33) return QStringLiteral("a letter row of %1").arg(PlacedTiles(row));
        return QString();
    }
    if (screen == Named<TPanel>(F, "RaskraskaPanel")) return QString();
    if (screen == Named<TPanel>(F, "SlogPanel")) {
        // One exercise's page, chosen in the chooser.
        const int pages = Named<TPanel>(F, "SlogFindPanel")->isVisible() + Named<TPanel>(F, "SlogBuildPanel")->isVisible() +
                          Named<TPanel>(F, "SlogReadPanel")->isVisible();
        return pages == 1 ? QString() : QStringLiteral("\"Слоги\" with %1 pages").arg(pages);
    }
    return QStringLiteral("no screen on top (%1)").arg(screen ? screen->objectName() : QStringLiteral("none"));
}

QString ScreenName(TTestForm& F)
{
    QWidget* screen = TopVisible(Named<TPanel>(F, "GamesPanel"), Named<TPanel>(F, "RulesPanel"));
    return screen ? screen->objectName() : QString();
}

}  // namespace

TEST(Monkey, ThousandsOfRandomEventsLeaveAWholeWorkingWindowAndFlatMemory)
{
    const qint64 events = EnvNumber("KV_MONKEY_EVENTS", 3000);
    const auto seed = quint32(EnvNumber("KV_MONKEY_SEED", QRandomGenerator::global()->generate()));
    SCOPED_TRACE(QStringLiteral("seed %1 (KV_MONKEY_SEED=%1 replays it)").arg(seed).toStdString());

    memory::ReturnLargeBlocksToTheSystem();  // as the program does
    TFakeDialogs dialogs;
    TFakeSpeech speech;
    TFakePrinter printer(4800, 6800);
    QStringList unexpected;
    dialogs.WhileUp = [&](const TDialogCall& Call) {
        // The questions and the print dialog are the program's own; any other box means something broke.
        if (Call.Kind == TDialogCall::Message) unexpected << Call.Title + ": " + Call.Text;
    };
    TTestForm form(&dialogs, QStringLiteral(KV_BUILD_TREE "/"));
    form.SetSpeech(&speech);
    form.Context().Printer = [p = &printer]() -> IPrinter* { return p; };
    QStringList opened;
    form.SetUrlOpener([&](const QString& Url) { opened << Url; });
    form.show();
    form.FormActivate();
    form.setWindowState(Qt::WindowNoState);
    form.resize(1100, 780);
    form.WaitForLoading();
    ASSERT_TRUE(Named<QAction>(form, "SoundLetters")->isEnabled());

    TMonkey monkey(form, seed);
    monkey.VisitEverything();
    ASSERT_TRUE(unexpected.isEmpty()) << unexpected.join(" | ").toStdString();
    std::set<QString> screens;
    long warmedUp = 0;
    const qint64 warmUp = std::min<qint64>(events / 5, 500);
    for (qint64 i = 0; i < events; ++i) {
        dialogs.YesNoAnswer = i % 2;
        dialogs.PrintAnswer = i % 3 == 0;
        const QString what = monkey.Next();
        QApplication::processEvents();
        const QString problem = WholeScreenProblem(form);
        ASSERT_TRUE(problem.isEmpty()) << "event " << i << " (" << what.toStdString() << "): " << problem.toStdString();
        ASSERT_TRUE(unexpected.isEmpty()) << "event " << i << " (" << what.toStdString()
                                          << "): " << unexpected.join(" | ").toStdString();
        screens.insert(ScreenName(form));
        if (i == warmUp) warmedUp = ResidentKiB();
        if (qEnvironmentVariableIsSet("KV_MONKEY_TRACE") && i % 500 == 0)
            std::printf("%lld %ld %s\n", i, ResidentKiB(), qPrintable(ScreenName(form)));
    }
    for (QWidget* s :
         {Named<TPanel>(form, "GameSndPanel"), Named<TPanel>(form, "GamePicPanel"), Named<TPanel>(form, "GameMakeWPanel"),
          Named<TPanel>(form, "GameExamPanel"), Named<TPanel>(form, "RaskraskaPanel")})
        EXPECT_TRUE(screens.count(s->objectName())) << s->objectName().toStdString() << " never visited";
    const long grown = ResidentKiB() - warmedUp;
    std::printf("monkey: %lld events, seed %u, resident memory after warm-up %+ld KiB\n", events, seed, grown);
    // The sanitizer's quarantine holds freed memory on purpose; elsewhere memory must stay flat.
    if (kMemoryMeasured) {
        EXPECT_LT(grown, 5 * 1024) << "resident memory grew by " << grown << " KiB after the warm-up";
    }
}
