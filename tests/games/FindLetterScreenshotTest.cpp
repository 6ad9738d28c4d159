// Both picture games rendered offscreen at 1280 × 800: the current picture must show in the big
// picture and its thumbnail in the strip. The renderings are written under the build tree
// (screenshots/), also with the demo content when the build has it beside the program.
#include "games/PictureGameForm.h"
#include "support/TestForm.h"

#include "core/ContentLayout.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/ScrollBox.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>

namespace {

QString ShotPath(const QString& Name)
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + Name;
}

QImage Render(TTestForm& Form)
{
    Form.resize(1280, 800);
    QCoreApplication::processEvents();
    return Form.grab().toImage();
}

// The colour of the rendering at the centre of Widget.
QColor CentreColour(const QImage& Shot, TTestForm& Form, QWidget* Widget)
{
    const QPoint p = Widget->mapTo(&Form, Widget->rect().center());
    return QColor(Shot.pixel(p));
}

// Solid pictures of distinct colours, named after their words.
const std::vector<std::pair<const char*, QColor>> kWords = {{"арбуз", QColor(200, 30, 30)},
                                                            {"банан", QColor(230, 210, 20)},
                                                            {"вишня", QColor(120, 0, 60)},
                                                            {"груша", QColor(40, 170, 40)}};

void ExpectShowsCurrentPicture(TTestForm& Form, TImgPanelCollection& Strip, TImage* Big, const QString& File)
{
    const QImage shot = Render(Form);
    ASSERT_TRUE(shot.save(ShotPath(File)));
    const TImgPanel* current = Strip.GetTile(static_cast<unsigned short>(Strip.SelectedIndex));
    QColor expected;
    for (const auto& [word, colour] : kWords)
        if (current->Name == Cp(word)) expected = colour;
    ASSERT_TRUE(expected.isValid());
    auto near = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) < 16 && std::abs(a.green() - b.green()) < 16 &&
               std::abs(a.blue() - b.blue()) < 16;
    };
    EXPECT_TRUE(near(CentreColour(shot, Form, Big), expected)) << CentreColour(shot, Form, Big).name().toStdString();
    EXPECT_TRUE(near(CentreColour(shot, Form, current->Image()), expected));
    // The tile's red frame shows around the picture.
    const QPoint frame = current->Panel()->mapTo(&Form, QPoint(2, current->Panel()->height() / 2));
    EXPECT_EQ(QColor(shot.pixel(frame)), QColor(0xFF, 0, 0));
}

}  // namespace

TEST(PictureGameScreens, BothGamesShowTheCurrentPictureLargeAndInTheStrip)
{
    TPictureGameForm w({});
    for (const auto& [word, colour] : kWords)
        testpics::WriteBytes(w.WordsFolder() + QString::fromUtf8(word) + ".jpg",
                             testpics::Encode(testpics::Solid(400, 300, colour), "JPG"));
    TTestForm& f = *w.Form;

    Named<QAction>(f, "FindLetter")->trigger();
    FinishPictureReading(f.Objects);
    Named<QAction>(f, "CloseRulesPanel")->trigger();
    ExpectShowsCurrentPicture(f, *w.Objects().FirstLImgPanels, Named<TImage>(f, "BigImage"), "find_letter.png");

    Named<QAction>(f, "MakeWord")->trigger();
    FinishPictureReading(f.Objects);
    Named<QAction>(f, "CloseRulesPanel")->trigger();
    ExpectShowsCurrentPicture(f, *w.Objects().MakeWImgPanels, Named<TImage>(f, "MakeWImage"), "make_word.png");
    // The word row stands in its panel, one cell per letter.
    TMakeWBuffer& game = *w.Objects().MakeWBuffer;
    ASSERT_EQ(game.WordRow->Count(), static_cast<int>(game.CurrentWord.size()));
    EXPECT_TRUE(game.WordRow->GetTile(0)->Panel->isVisible());
}

TEST(PictureGameScreens, DemoContentWhenTheBuildHasIt)
{
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    if (!QDir(folder + content::layout::kWordPictures).exists()) GTEST_SKIP() << "no demo content beside the program";
    TFakeDialogs dialogs;
    TFakeSpeech speech;
    TFormWithoutLoader form(&dialogs, folder);
    form.SetSpeech(&speech);
    form.show();
    form.FormActivate();
    form.setWindowState(Qt::WindowNoState);
    form.resize(1280, 800);  // the rows are laid out at the size of their first opening
    LoadGameObjects(form.Context(), form.Objects);
    form.UpdateGameActions();

    Named<QAction>(form, "FindLetter")->trigger();
    FinishPictureReading(form.Objects);
    ASSERT_TRUE(Render(form).save(ShotPath("find_letter_demo_rules.png")));
    Named<QAction>(form, "CloseRulesPanel")->trigger();
    ASSERT_TRUE(Render(form).save(ShotPath("find_letter_demo.png")));
    Named<QAction>(form, "MakeWord")->trigger();
    FinishPictureReading(form.Objects);
    Named<QAction>(form, "CloseRulesPanel")->trigger();
    ASSERT_TRUE(Render(form).save(ShotPath("make_word_demo.png")));
    EXPECT_TRUE(dialogs.Calls.empty());
    EXPECT_GT(form.Objects.FirstLImgPanels->Count(), 0);
    form.Objects.Reset();
}
