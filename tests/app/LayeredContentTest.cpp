// The main window over content in layers: a parent's folder over the installed content, and no
// content at all.
#include "app/MainForm.h"
#include "pictures/PictureFiles.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/SpeedButton.h"
#include "support/FakeDialogs.h"
#include "support/FakeSpeech.h"
#include "support/QtPrint.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every file and folder below Root with its size and modification time.
QStringList Snapshot(const QString& Root)
{
    QStringList out;
    QDirIterator it(Root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo f = it.fileInfo();
        out << f.filePath() + QStringLiteral(" %1 %2").arg(f.size()).arg(f.lastModified().toMSecsSinceEpoch());
    }
    out.sort();
    return out;
}

struct TLayeredWindow {
    QTemporaryDir UserDir, InstalledDir;
    QString User = UserDir.path() + "/";
    QString Installed = InstalledDir.path() + "/";
    TFakeDialogs Dialogs;
    TFakeSpeech Speech;
    std::unique_ptr<TTestForm> Form;

    TLayeredWindow()
    {
        QDir(Installed).mkpath("Pic/Alphabet/Rus");
        QDir(Installed).mkpath("Pic/Images/Rus");
        QDir(User).mkpath("Pic/Images/Rus");
        testpics::WriteJpeg(Installed + "Pic/Images/Rus/кот.jpg", 40, 30, Qt::red);
        testpics::WriteJpeg(Installed + "Pic/Images/Rus/дом.jpg", 40, 30, Qt::blue);
        // The family's cat, and a picture of their own.
        testpics::WriteJpeg(User + "Pic/Images/Rus/кот.jpg", 64, 48, Qt::green);
        testpics::WriteJpeg(User + "Pic/Images/Rus/мяч.jpg", 30, 40, Qt::yellow);
        QDir(User).mkpath("Pic/Raskraska/Мои");
        testpics::WritePage(User + "Pic/Raskraska/Мои/шар.flim", testpics::Solid(30, 20, Qt::white));
    }

    void Open(const TContentRoots& Roots)
    {
        Form = std::make_unique<TTestForm>(&Dialogs, TSettings::ForContent(Roots, Installed));
        Form->SetSpeech(&Speech);
        Form->show();
        Form->FormActivate();
        Form->WaitForLoading();
    }
    void Open() { Open(TContentRoots({User, Installed})); }
};

}  // namespace

TEST(LayeredContent, AParentsPicturesJoinAndReplaceTheInstalledOnesAndTheirFolderIsNeverWritten)
{
    TLayeredWindow w;
    const QStringList before = Snapshot(w.User);
    w.Open();
    ASSERT_TRUE(Named<QAction>(*w.Form, "FindLetter")->isEnabled());
    Named<QAction>(*w.Form, "FindLetter")->trigger();
    FinishPictureReading(w.Form->Objects);
    TFirstLImgPanelCollection& strip = *w.Form->Objects.FirstLImgPanels;
    QMap<QString, QSize> shown;
    for (int i = 0; i < strip.Count(); ++i)
        shown[cp1251::ToUnicode(strip.GetTile(i)->Name)] =
            strip.Images->GetImage(static_cast<unsigned short>(i))->Picture.size();
    EXPECT_EQ(shown, (QMap<QString, QSize>{{"дом", {40, 30}}, {"кот", {64, 48}}, {"мяч", {30, 40}}}))
        << "the parent's кот hides the installed one";

    // Their own colouring theme is in the menu beside the installed ones (none here).
    Named<QAction>(*w.Form, "ShowRaskraskaMenu")->trigger();
    const auto themes = Named<TPanel>(*w.Form, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>();
    ASSERT_EQ(themes.size(), 1);
    EXPECT_EQ(themes[0]->Caption(), QStringLiteral("Мои"));
    QTest::mouseClick(themes[0], Qt::LeftButton);
    ASSERT_EQ(w.Form->Objects.RaskrasImgPanels->Count(), 1);

    Named<QAction>(*w.Form, "MakeWord")->trigger();
    FinishPictureReading(w.Form->Objects);
    w.Form.reset();
    EXPECT_EQ(Snapshot(w.User), before);
    EXPECT_TRUE(w.Dialogs.Calls.empty()) << w.Dialogs.Texts().front().toStdString();
}

TEST(LayeredContent, AFolderNoRootHasIsNamedWhereTheInstalledOneWasExpected)
{
    TLayeredWindow w;
    ASSERT_TRUE(QDir(w.User + "Pic/Images").removeRecursively());
    ASSERT_TRUE(QDir(w.Installed + "Pic/Images").removeRecursively());
    w.Open();
    Named<QAction>(*w.Form, "FindLetter")->trigger();
    FinishPictureReading(w.Form->Objects);
    ASSERT_EQ(w.Dialogs.Calls.size(), 1u);
    EXPECT_EQ(w.Dialogs.Calls[0].Text, QStringLiteral("Директория ") + w.Installed + "Pic/Images/Rus/ не существует.");
}

TEST(LayeredContent, WithNoContentAnywhereTheWindowOpensAndTheLoadingFailureNamesTheFoldersSearched)
{
    TLayeredWindow w;
    QTemporaryDir empty;
    // Nothing in the user's or the system's data folders either.
    const QByteArray home = qgetenv("XDG_DATA_HOME"), dirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_HOME", QFile::encodeName(empty.path() + "/home"));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(empty.path() + "/system"));
    const TContentRoots none = TContentRoots::Discover(empty.path(), "../share/kvarnel");
    qputenv("XDG_DATA_HOME", home);
    qputenv("XDG_DATA_DIRS", dirs);
    ASSERT_TRUE(none.IsEmpty()) << none.Folders().join(' ').toStdString();
    w.Open(none);
    ASSERT_EQ(w.Dialogs.Calls.size(), 1u);
    const QStringList lines = w.Dialogs.Calls[0].Text.split('\n');
    EXPECT_EQ(lines.mid(0, 2), QStringList({"Кварнель не нашла свои картинки и звуки.", "Искала здесь:"}));
    EXPECT_EQ(lines.mid(2), none.Searched());
    // What works from captions alone stays usable.
    EXPECT_TRUE(Named<QAction>(*w.Form, "SoundLetters")->isEnabled());
    EXPECT_TRUE(Named<QAction>(*w.Form, "Examination")->isEnabled());
    EXPECT_TRUE(w.Form->isVisible());
}
