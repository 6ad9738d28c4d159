// The corner's door in the window as the program starts and shows it: Ctrl+Shift+G pressed as
// soon as the window is there, while it loads, or once the progress file is joined (and "Кто
// играет?" answered over the door), and the sum's answers typed on the keyboard, wherever the
// window has put the focus meanwhile. Three wrong answers close the door each time.
#include "app/StartSequence.h"
#include "corner/CornerGate.h"
#include "corner/GrownUpsCorner.h"
#include "progress/PlayerChoice.h"
#include "progress/ProgressStore.h"
#include "support/FakeDialogs.h"
#include "support/QtPrint.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

const QString kTryAgain = QStringLiteral("Неверно. Попробуйте ещё раз.");

bool RunUntil(const std::function<bool()>& Done, int Ms = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!Done()) {
        if (clock.elapsed() > Ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// When the grown-up presses Ctrl+Shift+G.
enum class TWhen {
    BeforeTheFirstFrame,  // the window shown and active, nothing painted yet
    AsTheRestIsBuilt,     // right after the first frame, before loading starts
    OnceJoined,           // loading ended and the progress file joined, as the program does then
};

struct TDoorCase {
    const char* Name;
    TWhen When;
    int Children;  // set up before: with two, "Кто играет?" comes over the door once the file is joined
};

class CornerDoor : public ::testing::TestWithParam<TDoorCase> {
protected:
    void SetUp() override
    {
        QDir(FProgram.path()).mkpath(QStringLiteral("Pic/Alphabet/Rus"));
        {
            TProgressStore children(FHome.path(), FDialogs);
            for (int i = 0; i < GetParam().Children; ++i)
                ASSERT_EQ(children.AddChild(QStringLiteral("Ребёнок %1").arg(i + 1), QStringLiteral("кот")), QString());
        }
        FForm = std::make_unique<TTestForm>(&FDialogs, FProgram.path() + u'/', nullptr, TStartOrder::FirstFrameFirst);
        // What the program does once loading has ended (app/Application.cpp).
        QObject::connect(FForm.get(), &TMainForm::LoadingFinished, FForm.get(), [this] {
            FStore = std::make_unique<TProgressStore>(FHome.path(), FDialogs);
            FForm->JoinProgress(*FStore);
        });
    }
    void TearDown() override
    {
        FForm.reset();
        FStore.reset();
    }

    // An answer typed and Enter, as the window system gives keys: shortcuts first, then the
    // window's focus widget, whichever it is.
    void Answer(char Digit)
    {
        QTest::keyClick(FForm->windowHandle(), Digit);
        QTest::keyClick(FForm->windowHandle(), Qt::Key_Return);
    }
    void OpenCorner() { QTest::keyClick(FForm->windowHandle(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier); }
    TCornerGate* Gate() const { return FForm->Corner() ? FForm->Corner()->Gate() : nullptr; }
    bool DoorShown() const { return Gate() && Gate()->isVisible(); }
    QString Hint() const { return FForm->findChild<QLabel*>(QStringLiteral("GateHintLabel"))->text(); }

    QTemporaryDir FProgram, FHome;
    TFakeDialogs FDialogs;
    std::unique_ptr<TProgressStore> FStore;  // the window, which keeps it, goes first
    std::unique_ptr<TTestForm> FForm;
};

TEST_P(CornerDoor, ThreeWrongAnswersTypedCloseIt)
{
    const TWhen when = GetParam().When;
    if (when == TWhen::AsTheRestIsBuilt) FForm->StartUp().SetAfterFirstFrame([this] { OpenCorner(); });
    FForm->show();
    QApplication::setActiveWindow(FForm.get());
    if (when == TWhen::BeforeTheFirstFrame) {
        ASSERT_LT(FForm->StartUp().Step(), TStartStep::Painted);
        // As the window system gives the keys, with nothing run in between: QTest's key clicks
        // run the waiting events after each key, which would let the start go on first.
        qt_handleKeyEvent(FForm->windowHandle(), QEvent::KeyPress, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_LT(FForm->StartUp().Step(), TStartStep::Painted);
        EXPECT_TRUE(DoorShown()) << "Ctrl+Shift+G works from the window's first moment";
    }
    ASSERT_TRUE(RunUntil([this] { return FStore != nullptr; })) << "loading ends and the progress file is joined";
    QCoreApplication::processEvents();
    if (when == TWhen::OnceJoined) OpenCorner();
    if (GetParam().Children >= 2) {
        ASSERT_TRUE(FForm->Players()->isVisible()) << "who plays is asked over the door";
        QTest::keyClick(FForm->windowHandle(), Qt::Key_Return);  // the child playing before
        ASSERT_FALSE(FForm->Players()->isVisible());
    }
    ASSERT_TRUE(DoorShown());

    const QString question = FForm->findChild<QLabel*>(QStringLiteral("GateQuestionLabel"))->text();
    for (const char wrong : {'1', '2'}) {
        Answer(wrong);
        EXPECT_EQ(Hint(), kTryAgain) << "the answer " << wrong << " reached the door";
        EXPECT_TRUE(DoorShown());
    }
    EXPECT_EQ(FForm->findChild<QLabel*>(QStringLiteral("GateQuestionLabel"))->text(), question);
    Answer('5');
    EXPECT_FALSE(FForm->Corner()->IsOpen()) << "the third wrong answer closes the door";
}

INSTANTIATE_TEST_SUITE_P(Start, CornerDoor,
                         ::testing::Values(TDoorCase{"BeforeTheFirstFrame", TWhen::BeforeTheFirstFrame, 0},
                                           TDoorCase{"AsTheRestIsBuilt", TWhen::AsTheRestIsBuilt, 0},
                                           TDoorCase{"OnceJoined", TWhen::OnceJoined, 0},
                                           TDoorCase{"BeforeWhoPlays", TWhen::AsTheRestIsBuilt, 2}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

}  // namespace
