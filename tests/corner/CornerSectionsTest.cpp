// The grown-ups' corner on a window of its own: what its sections' buttons do to the family's
// folder, found by their object names, and when the window is told the content changed.
#include "CornerWorld.h"
#include "core/AppContext.h"
#include "core/Syllables.h"
#include "core/Vendor.h"
#include "corner/CornerGate.h"
#include "corner/CornerJournal.h"
#include "corner/CornerScreen.h"
#include "corner/CornerVoice.h"
#include "corner/GrownUpsCorner.h"
#include "pictures/ColouringPages.h"
#include "platform/audio/AudioCapture.h"
#include "progress/ChildrenPanel.h"
#include "progress/ProgressScreen.h"
#include "progress/ProgressStore.h"
#include "support/FakeDialogs.h"
#include "support/FakePrinter.h"
#include "support/FakeSpeech.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

TEST(CornerSections, AFamilyPhotoIsKeptRenamedAndRemovedByItsRow)
{
    TCornerWorld w;
    w.Enter();
    w.Dialogs.FileToOpen = w.Photo(QStringLiteral("IMG_0001.jpg"));
    w.Press(QStringLiteral("AddPictureButton"));
    w.Screen().WordEdit()->setText(QStringLiteral("Кот "));
    w.Press(QStringLiteral("SaveWordButton"));
    EXPECT_TRUE(QFileInfo::exists(w.User() + "Pic/Images/Rus/кот.jpg"));
    ASSERT_TRUE(w.Named(QStringLiteral("WordRow:кот")));

    // Renaming asks for the new word first, then takes it.
    w.Press(QStringLiteral("RenameButton:кот"));
    EXPECT_EQ(w.Status(), QStringLiteral("Напишите новое слово в поле «Слово» и нажмите «Переименовать» ещё раз."));
    w.Screen().WordEdit()->setText(QStringLiteral("Кит"));
    w.Press(QStringLiteral("RenameButton:кот"));
    EXPECT_TRUE(QFileInfo::exists(w.User() + "Pic/Images/Rus/кит.jpg"));
    EXPECT_FALSE(QFileInfo::exists(w.User() + "Pic/Images/Rus/кот.jpg"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the old rows go
    EXPECT_FALSE(w.Named(QStringLiteral("WordRow:кот")));
    ASSERT_TRUE(w.Named(QStringLiteral("WordRow:кит")));

    // "Нет" keeps the picture; "Да" removes it.
    w.Dialogs.YesNoAnswer = false;
    w.Press(QStringLiteral("RemoveButton:кит"));
    EXPECT_TRUE(QFileInfo::exists(w.User() + "Pic/Images/Rus/кит.jpg"));
    EXPECT_EQ(w.Dialogs.Calls.back().Text, QStringLiteral("Удалить свою картинку «кит»?"));
    w.Dialogs.YesNoAnswer = true;
    w.Press(QStringLiteral("RemoveButton:кит"));
    EXPECT_FALSE(QFileInfo::exists(w.User() + "Pic/Images/Rus/кит.jpg"));

    EXPECT_EQ(w.ContentChanges, 0) << "the window reads the content anew once the corner closes";
    w.Press(QStringLiteral("CornerCloseButton"));
    EXPECT_FALSE(w.Corner->IsOpen());
    EXPECT_EQ(w.ContentChanges, 1);
    // Opened and closed without a change: nothing to read anew.
    w.Enter();
    w.Corner->Close();
    EXPECT_EQ(w.ContentChanges, 1);
}

TEST(CornerSections, AColouringPageIsMadeKeptAndItsEmptyThemeGoesWithIt)
{
    TCornerWorld w;
    w.Enter();
    w.Press(QStringLiteral("SavePageButton"));
    EXPECT_EQ(w.Status(), QStringLiteral("Сначала выберите картинку: «Сделать раскраску»."));
    w.Dialogs.FileToOpen = w.Photo(QStringLiteral("кот.png"), Qt::white);
    w.Press(QStringLiteral("MakePageButton"));
    EXPECT_EQ(w.Screen().CurrentSection(), TCornerScreen::csColouring);
    EXPECT_FALSE(w.Named<QLabel>(QStringLiteral("PreviewLabel"))->pixmap().isNull());
    w.Screen().ThemeEdit()->setText(QStringLiteral("Котики"));
    w.Press(QStringLiteral("SavePageButton"));
    EXPECT_EQ(pages::OwnPages(w.User(), QStringLiteral("Котики")), QStringList{QStringLiteral("кот")});
    ASSERT_TRUE(w.Named(QStringLiteral("PageRow:Котики/кот")));

    w.Dialogs.YesNoAnswer = true;
    w.Press(QStringLiteral("RemovePageButton:Котики/кот"));
    EXPECT_TRUE(pages::OwnPages(w.User(), QStringLiteral("Котики")).isEmpty());
    EXPECT_FALSE(pages::OwnThemes(w.User()).contains(QStringLiteral("Котики"))) << "no empty theme in the menu";
}

TEST(CornerSections, AnOwnClipIsPlayedFirstAndRevertedByItsRow)
{
    TCornerWorld w;
    const QString own = w.User() + kLetterB;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(own).path()));
    QFile file(own);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ID3");
    file.close();
    w.Enter();
    ASSERT_TRUE(w.Named(QStringLiteral("ClipRow:") + kLetterB));
    EXPECT_FALSE(w.Named(QStringLiteral("RevertButton:Sound/Женский голос/Буквы/в.mp3"))) << "only own clips go back";
    w.Press(QStringLiteral("ListenButton:") + kLetterB);
    ASSERT_FALSE(w.Speech.Calls.empty());
    EXPECT_EQ(w.Speech.Calls.back().First, QDir(w.User()).filePath(kLetterB));

    // "Оставить" before anything was recorded says what to do first.
    w.Press(QStringLiteral("KeepButton"));
    EXPECT_EQ(w.Status(), QStringLiteral("Сначала запишите: нажмите «Записать» в нужной строке."));

    w.Press(QStringLiteral("RevertButton:") + kLetterB);
    EXPECT_FALSE(QFileInfo::exists(own));
    EXPECT_EQ(w.Status(), QStringLiteral("Для «бэ» снова звучит прежняя запись."));
    w.Press(QStringLiteral("ListenButton:") + kLetterB);
    EXPECT_EQ(w.Status(), QStringLiteral("Для «бэ» записи ещё нет."));
    w.Corner->Close();
    EXPECT_EQ(w.ContentChanges, 1);
}

TEST(CornerSections, ProgressIsASectionOnceTheStoreIsOpenAndPrintsOnTheWindowsPrinter)
{
    TCornerWorld w;
    w.Enter();
    EXPECT_FALSE(w.Named(QStringLiteral("TabButton:Успехи")));
    TProgressStore store(w.Home.path(), w.Dialogs);
    ASSERT_EQ(store.AddChild(QStringLiteral("Маша"), QStringLiteral("кот")), QString());
    w.Corner->SetProgressStore(&store);
    ASSERT_TRUE(w.Corner->Children());
    w.Press(QStringLiteral("TabButton:Успехи"));
    EXPECT_TRUE(w.Corner->Children()->isVisible());

    TFakePrinter printer(4960, 7016);
    w.Corner->Printer = [&printer] { return &printer; };
    w.Corner->Children()->Refresh();
    w.Corner->Children()->Progress()->OnPrint();  // "Печать"
    EXPECT_EQ(printer.Jobs, 1);
    ASSERT_FALSE(printer.Texts.empty());
    EXPECT_EQ(printer.Texts.front().Text, kVendorWebAddress);
}

struct TLimitCase {
    int Seconds;
    const char* Words;
};

class RecordingLimit : public ::testing::TestWithParam<TLimitCase> {};

TEST_P(RecordingLimit, SaysTheLimitInWords)
{
    EXPECT_EQ(RecordingLimitSentence(std::chrono::seconds(GetParam().Seconds)),
              QStringLiteral("Запись закончилась сама (%1). «Оставить» — сохранить, «Ещё раз» — записать снова.")
                  .arg(QString::fromUtf8(GetParam().Words)));
}

INSTANTIATE_TEST_SUITE_P(Seconds, RecordingLimit,
                         ::testing::Values(TLimitCase{10, "10 секунд"}, TLimitCase{1, "1 секунда"},
                                           TLimitCase{3, "3 секунды"}, TLimitCase{11, "11 секунд"},
                                           TLimitCase{12, "12 секунд"}, TLimitCase{21, "21 секунда"},
                                           TLimitCase{24, "24 секунды"}),
                         [](const auto& Info) { return std::to_string(Info.param.Seconds); });

TEST(RecordingLimit, TheProgramsLimitIsTenSeconds)
{
    EXPECT_EQ(RecordingLimitSentence(audio::kLongestRecording),
              QStringLiteral("Запись закончилась сама (10 секунд). «Оставить» — сохранить, «Ещё раз» — записать снова."));
}

}  // namespace

namespace {

// A journal's settings that name none: the part "Журнал группы" shows, narrowing "Успехи".
struct TNoJournalFile : IJournalSettingsFile {
    journaldb::TJournalSettings Read() override { return {}; }
    QString Save(const journaldb::TJournalSettings&, bool) override { return {}; }
};

QString SectionShot(const QString& Name)
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    return dir + u'/' + Name;
}

}  // namespace

// "Успехи" of a child who knows some syllables and learns others, beside the journal's part, at
// the window's base size and at 1280 x 1024: the syllables' grid fits the width, and the page
// scrolls down to it rather than squeezing anything.
TEST(CornerSections, ProgressWithSyllablesFitsTheWidthAndScrolls)
{
    TCornerWorld w;
    TProgressStore store(w.Home.path(), w.Dialogs);
    qint64 masha = 0;
    ASSERT_EQ(store.AddChild(QStringLiteral("Маша"), QStringLiteral("кот"), &masha), QString());
    store.SetPlayer(masha);
    const auto slog = [](const QString& Asked, bool Right, TSyllableMode Exercise) {
        TAnswer answer{TGameKind::gkSyllables, false, Asked, Right ? Asked : QStringLiteral("мо"), {}, -1, Right, true};
        answer.Exercise = Exercise;
        return answer;
    };
    for (const char* known : {"ма", "му", "мы", "ам", "са", "су"})
        for (int i = 0; i < 3; ++i) store.Keep(slog(QString::fromUtf8(known), true, TSyllableMode::smBuildSyllable));
    for (const char* learning : {"мя", "мо", "со", "ум", "на"})
        store.Keep(slog(QString::fromUtf8(learning), false, TSyllableMode::smFindSyllable));
    store.Keep(slog(QStringLiteral("мама"), true, TSyllableMode::smReadWords));
    for (const char* letter : {"а", "м", "с", "о"})
        for (int i = 0; i < 3; ++i)
            store.Keep(
                {TGameKind::gkExamination, false, QString::fromUtf8(letter), QString::fromUtf8(letter), {}, -1, true, true});
    store.Flush();

    TNoJournalFile journal;
    w.Enter();
    w.Corner->SetProgressStore(&store);
    w.Corner->SetJournalFile(&journal);
    w.Press(QStringLiteral("TabButton:Успехи"));
    TProgressScreen* progress = w.Corner->Children()->Progress();
    auto* scroll = progress->findChild<QScrollArea*>(QStringLiteral("ProgressScrollArea"));
    ASSERT_TRUE(scroll);
    for (const QSize size : {QSize(1107, 799), QSize(1280, 1024)}) {
        SCOPED_TRACE(size.width());
        w.Window.resize(size);
        QCoreApplication::processEvents();
        ASSERT_TRUE(progress->SyllablesPanel()->isVisible());
        EXPECT_EQ(progress->SyllableTile(QStringLiteral("ма"))->accessibleName(), QStringLiteral("МА — знает"));
        EXPECT_EQ(progress->SyllableTile(QStringLiteral("на"))->accessibleName(), QStringLiteral("НА — учит"));
        // The widest row of syllables and the letters' grid lie inside what the page shows across.
        const int shown = scroll->viewport()->width();
        EXPECT_LE(scroll->widget()->minimumSizeHint().width(), shown);
        for (const QWidget* tile : {progress->SyllableTile(QStringLiteral("ам")), progress->LetterTile(10)})
            EXPECT_LE(tile->mapTo(scroll->widget(), QPoint(tile->width(), 0)).x(), shown)
                << tile->objectName().toStdString();
        // Below the letters, the syllables take what they need: the page scrolls to them.
        QWidget* last = progress->SyllableTile(syllables::Lessons().back().Syllables().back().Text);
        ASSERT_TRUE(last);
        EXPECT_EQ(last->height(), 24);
        scroll->ensureWidgetVisible(last);
        QCoreApplication::processEvents();
        EXPECT_TRUE(last->visibleRegion().boundingRect().height() == last->height());
        scroll->verticalScrollBar()->setValue(0);
        const QString name = QStringLiteral("uspekhi_syllables_%1x%2.png").arg(size.width()).arg(size.height());
        EXPECT_TRUE(w.Window.grab().toImage().save(SectionShot(name)));
        scroll->ensureWidgetVisible(progress->SyllablesPanel());
        EXPECT_TRUE(w.Window.grab().toImage().save(SectionShot(QStringLiteral("scrolled_") + name)));
    }
}
