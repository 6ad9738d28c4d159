// The learning board in both modes and the examination board, drawn off screen with letter pictures.
// KV_SCREENSHOT_DIR names a folder to keep the drawings in; KV_LETTER_PICTURES a folder of letter
// pictures to draw with (the demo content's "Pic/Alphabet/Rus"), plain coloured cards otherwise.
#include "games/FormWorld.h"
#include "support/TestForm.h"

#include "support/QtPrint.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>

namespace {

struct TPictured : TFormWorld {
    TPictured()
    {
        const QString demo = QString::fromLocal8Bit(qgetenv("KV_LETTER_PICTURES"));
        TRusLetterCollection letters(Settings());
        letters.MakeLetters();
        for (int i = 0; i < letters.Count(); ++i) {
            const unsigned char lower = letters.GetLetter(static_cast<unsigned short>(i))->LowerLetter;
            const QString target = TLetterCollection::PictureFileName(Settings(), lower);
            const QString source = demo + "/" + QFileInfo(target).fileName();
            if (demo.isEmpty() || !QFile::copy(source, target))
                WritePicture(lower, QColor::fromHsv((i * 37) % 360, 200, 230));
        }
        Form->resize(TMainForm::kBaseWidth, TMainForm::kBaseHeight);
    }

    // The window as drawn, kept when asked for.
    QImage Shot(const char* Name)
    {
        const QImage img = Form->grab().toImage();
        const QString dir = QString::fromLocal8Bit(qgetenv("KV_SCREENSHOT_DIR"));
        if (!dir.isEmpty()) img.save(dir + "/" + Name + ".png");
        return img;
    }
};

// How many of a tile's sample points show something other than the panel's plain face.
int PicturedSamples(const QImage& Shot, const TLetterPanel* Tile, QWidget* Window)
{
    const QPoint origin = Tile->Panel->mapTo(Window, QPoint(0, 0));
    int n = 0;
    for (int k = 1; k < 5; ++k) {
        const QColor c = Shot.pixelColor(origin + QPoint(Tile->Panel->width() * k / 5, Tile->Panel->height() / 4));
        if (c.saturation() > 40 || c.value() < 200) ++n;
    }
    return n;
}

}  // namespace

TEST(LearningBoardScreens, BothModesAndTheExamDrawEveryTileWithItsPicture)
{
    TPictured w;
    Named<QAction>(*w.Form, "SoundLetters")->trigger();
    TFormWorld::Click(Named<TSpeedButton>(*w.Form, "LetterrsNamesSpeedButton"));
    Named<QAction>(*w.Form, "CloseRulesPanel")->trigger();
    QImage shot = w.Shot("learning-names");
    auto& snd = *w.Objects().SndLetterPanels;
    ASSERT_EQ(snd.Count(), 33);
    for (TLetterPanel* t : TFormWorld::Tiles(snd))
        EXPECT_GT(PicturedSamples(shot, t, w.Form.get()), 0) << t->LetterLabel->text().toStdString();

    Named<QAction>(*w.Form, "SoundLetters")->trigger();
    TFormWorld::Click(Named<TSpeedButton>(*w.Form, "LettersSoundsSpeedButton"));
    shot = w.Shot("learning-sounds-with-rules");
    ASSERT_EQ(snd.Count(), 31);

    Named<QAction>(*w.Form, "Examination")->trigger();
    TFormWorld::Click(Named<TSpeedButton>(*w.Form, "SpeedButton8"));
    Named<QAction>(*w.Form, "CloseRulesPanel")->trigger();
    w.Shot("exam-before-start");
    TFormWorld::Click(Named<TImage>(*w.Form, "StartExamImage"));
    shot = w.Shot("exam-asking");
    auto& exam = *w.Objects().ExamLetterPanels;
    ASSERT_EQ(exam.Count(), 33);
    for (TLetterPanel* t : TFormWorld::Tiles(exam)) EXPECT_GT(PicturedSamples(shot, t, w.Form.get()), 0);
}
