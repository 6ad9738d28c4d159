// The grown-ups' corner without its module (the file missing or not loading): "Сделать раскраску"
// and "Записать" each say so in one sentence, asking for no picture and opening no microphone, and
// the rest of the corner works as before.
#include "core/AppContext.h"
#include "corner/CornerGate.h"
#include "corner/CornerScreen.h"
#include "corner/GrownUpsCorner.h"
#include "pictures/ColouringPages.h"
#include "platform/modules/ModuleLoader.h"
#include "sound/ClipRecorder.h"
#include "support/FakeDialogs.h"
#include "support/FakeSpeech.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kPagesRefused = QStringLiteral(
    "Раскраску из картинки сейчас не сделать: не загрузилась нужная для этого часть программы, переустановите «Кварнель».");
const QString kRecordingRefused = QStringLiteral(
    "Запись сейчас не сохранить: не загрузилась нужная для этого часть программы, переустановите «Кварнель».");

struct TCornerWithoutModule {
    QTemporaryDir Home;
    TFakeDialogs Dialogs;
    TFakeSpeech Speech;
    TAppContext Context;
    QWidget Window;
    TGrownUpsCorner* Corner;

    TCornerWithoutModule()
    {
        modules::SetCornerModulePath(Home.filePath(QStringLiteral("lib/kvarnel/libkvarnel-corner.so")));
        Context.Settings = TSettings::ForProgramFolder(Home.filePath(QStringLiteral("program/")));
        Context.Dialogs = &Dialogs;
        Context.Speech = &Speech;
        Window.resize(1107, 799);
        Corner = new TGrownUpsCorner(&Window, Context);
        Corner->SetUserFolder(User());
        Window.show();
        Corner->Open();
        Corner->Gate()->AnswerEdit()->setText(QString::number(Corner->Gate()->Answer()));
        QTest::keyClick(Corner->Gate()->AnswerEdit(), Qt::Key_Return);
    }
    ~TCornerWithoutModule() { modules::SetCornerModulePath(QString()); }
    QString User() const { return Home.filePath(QStringLiteral("kvarnel/")); }
    void Press(const QString& Button)
    {
        auto* button = Corner->findChild<QPushButton*>(Button);
        ASSERT_TRUE(button) << Button.toStdString();
        button->click();
    }
    QString Status() { return Corner->findChild<QLabel*>(QStringLiteral("CornerStatusLabel"))->text(); }
};

TEST(CornerWithoutItsModule, MakingAPageSaysSoBeforeAPictureIsChosen)
{
    TCornerWithoutModule w;
    ASSERT_TRUE(w.Corner->Screen()->isVisible());
    w.Dialogs.FileToOpen = w.Home.filePath(QStringLiteral("кот.png"));
    w.Press(QStringLiteral("MakePageButton"));
    EXPECT_EQ(w.Status(), kPagesRefused);
    EXPECT_TRUE(w.Dialogs.Calls.empty()) << "no picture is asked for";

    // A picture dropped on the corner, or opened otherwise, meets the same sentence.
    pages::TPageMaker maker;
    EXPECT_EQ(maker.Open(w.Dialogs.FileToOpen), kPagesRefused);
    EXPECT_TRUE(maker.IsEmpty());
}

TEST(CornerWithoutItsModule, RecordingSaysSoAndTheOtherSectionsWork)
{
    TCornerWithoutModule w;
    const QString letter = QStringLiteral("Sound/Женский голос/Буквы/б.mp3");
    w.Press(QStringLiteral("RecordButton:") + letter);
    EXPECT_EQ(w.Status(), kRecordingRefused) << "nothing is recorded";

    // A take made all the same (the time limit's path) is not kept either.
    std::vector<int16_t> tone(48000);
    for (std::size_t i = 0; i < tone.size(); ++i) tone[i] = int16_t((i / 50) % 2 ? 6000 : -6000);
    const clip::TTake take = clip::MakeTake(tone, 48000, -20.0);
    EXPECT_EQ(take.Status, clip::TTakeStatus::NoEncoder);
    EXPECT_EQ(clip::TakeStatusSentence(take.Status), kRecordingRefused);

    // A family photo is kept as ever.
    QImage photo(800, 600, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(photo.save(w.Home.filePath(QStringLiteral("IMG_0001.jpg"))));
    w.Dialogs.FileToOpen = w.Home.filePath(QStringLiteral("IMG_0001.jpg"));
    w.Press(QStringLiteral("AddPictureButton"));
    w.Corner->Screen()->WordEdit()->setText(QStringLiteral("кот"));
    w.Press(QStringLiteral("SaveWordButton"));
    EXPECT_TRUE(QFileInfo::exists(w.User() + QStringLiteral("Pic/Images/Rus/кот.jpg"))) << w.Status().toStdString();
}

}  // namespace
