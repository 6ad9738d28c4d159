// What assistive technology finds in the main window in every activity: each widget that can be
// clicked is reached through the accessible tree with a role and a Russian name, and a tile's
// default action does what a click does.
#include "games/FormWorld.h"
#include "games/PictureGameForm.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Label.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/SpeedButton.h"
#include "support/QtPrint.h"
#include "support/TestForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QRadioButton>
#include <map>

namespace {

// Every interface under Root, depth first.
void Walk(QAccessibleInterface* Root, std::vector<QAccessibleInterface*>& Out, int Depth = 0)
{
    if (!Root || Depth > 40) return;
    Out.push_back(Root);
    for (int i = 0; i < Root->childCount(); ++i) Walk(Root->child(i), Out, Depth + 1);
}

struct TSeen {
    QAccessible::Role Role;
    QString Name;
};

// What assistive technology makes of every clickable widget the window shows (were it on the
// screen): the widget itself or the nearest one around it that the tree holds (a tile stands for
// the click area over it). Fails the test for one it cannot reach, or one without a role or name.
std::map<QWidget*, TSeen> Clickables(TTestForm& Form, const char* Activity)
{
    std::vector<QAccessibleInterface*> tree;
    Walk(QAccessible::queryAccessibleInterface(&Form), tree);
    std::map<QObject*, QAccessibleInterface*> byObject;
    for (QAccessibleInterface* face : tree) byObject[face->object()] = face;

    std::map<QWidget*, TSeen> out;
    for (QWidget* w : Form.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&Form)) continue;
        const bool clickable = qobject_cast<QAbstractButton*>(w) ||
                               (w->testAttribute(Qt::WA_SetCursor) && w->cursor().shape() == Qt::PointingHandCursor);
        if (!clickable) continue;
        QWidget* seen = w;
        while (seen && !byObject.count(seen)) seen = seen->parentWidget();
        const std::string what = std::string(Activity) + ": " + w->metaObject()->className() + " " +
                                 w->objectName().toStdString() + " in " + w->parentWidget()->objectName().toStdString();
        if (!seen) {
            ADD_FAILURE() << what << " is not in the accessible tree";
            continue;
        }
        QAccessibleInterface* face = byObject[seen];
        const QAccessible::Role role = face->role();
        EXPECT_TRUE(role != QAccessible::NoRole && role != QAccessible::Client && role != QAccessible::Pane) << what;
        EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty()) << what;
        out[seen] = {role, face->text(QAccessible::Name)};
    }
    return out;
}

TSeen Seen(const std::map<QWidget*, TSeen>& Found, QWidget* Widget)
{
    const auto it = Found.find(Widget);
    if (it == Found.end()) {
        ADD_FAILURE() << Widget->objectName().toStdString() << " not found";
        return {QAccessible::NoRole, {}};
    }
    return it->second;
}

void Press(QWidget* Widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Widget);
    ASSERT_NE(face, nullptr);
    ASSERT_NE(face->actionInterface(), nullptr);
    ASSERT_TRUE(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace

TEST(AccessibleTree, EveryActivityNamesEveryClickableWidget)
{
    TPictureGameForm w({"арбуз", "ёлка", "юла"});
    const QString theme = w.Dir.path() + "/Pic/Raskraska/Звери/";
    QDir().mkpath(theme);
    testpics::WritePage(theme + "лев.flim", testpics::Solid(300, 200, Qt::gray));
    TTestForm& f = *w.Form;

    // The start screen with the menu open.
    Named<TLabel>(f, "MenuLabel")->Press();
    auto found = Clickables(f, "menu");
    EXPECT_EQ(Seen(found, Named<TLabel>(f, "MenuLabel")).Name, "Меню");
    EXPECT_EQ(Seen(found, Named<TLabel>(f, "MenuLabel")).Role, QAccessible::Button);
    EXPECT_EQ(Seen(found, Named<TSpeedButton>(f, "SpeedButton3")).Name, "Обучение");
    EXPECT_EQ(Seen(found, Named<TSpeedButton>(f, "SpeedButton7")).Name, "Раскраска");
    EXPECT_EQ(Seen(found, Named<TSpeedButton>(f, "SpeedButton1")).Name, "Закрыть меню");

    // The learning board in names and then in sounds.
    Named<QAction>(f, "SoundLetters")->trigger();
    found = Clickables(f, "learning chooser");
    EXPECT_EQ(Seen(found, Named<TSpeedButton>(f, "LettersSoundsSpeedButton")).Name, "Звуки");
    Named<TSpeedButton>(f, "LetterrsNamesSpeedButton")->click();
    found = Clickables(f, "learning names");
    auto& snd = *w.Objects().SndLetterPanels;
    EXPECT_EQ(Seen(found, snd.GetTile(0)->Panel).Name, "Буква А");
    EXPECT_EQ(Seen(found, snd.GetTile(0)->Panel).Role, QAccessible::Button);
    EXPECT_EQ(Seen(found, Named<QRadioButton>(f, "FemaleVoiceRadioButton")).Role, QAccessible::RadioButton);
    EXPECT_EQ(Seen(found, Named<QRadioButton>(f, "FemaleVoiceRadioButton")).Name, "Женский");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(snd.GetTile(0)->Panel)->childCount(), 0);
    Named<QAction>(f, "SoundLetters")->trigger();
    Named<TSpeedButton>(f, "LettersSoundsSpeedButton")->click();
    found = Clickables(f, "learning sounds");
    EXPECT_EQ(Seen(found, snd.GetTile(30)->Panel).Name, "Звук Я");

    // "Найди букву": the letter row, the thumbnails by their words, the big picture.
    Named<QAction>(f, "FindLetter")->trigger();
    FinishPictureReading(f.Objects);
    found = Clickables(f, "find the letter");
    auto& strip = *w.Objects().FirstLImgPanels;
    for (int i = 0; i < strip.Count(); ++i)
        EXPECT_EQ(Seen(found, strip.GetTile(i)->Panel()).Name, cp1251::ToUnicode(strip.GetTile(i)->Name));
    EXPECT_EQ(Seen(found, w.Objects().PicLetterPanels->GetTile(6)->Panel).Name, "Буква Ё");
    QAccessibleInterface* big = QAccessible::queryAccessibleInterface(Named<TImage>(f, "BigImage"));
    EXPECT_EQ(big->role(), QAccessible::Graphic);
    EXPECT_EQ(big->text(QAccessible::Name), cp1251::ToUnicode(strip.GetTile(0)->Name));

    // "Дед Буквоед": the word's cells are read, the hidden one by what it is.
    Named<QAction>(f, "MakeWord")->trigger();
    FinishPictureReading(f.Objects);
    found = Clickables(f, "missing letter");
    auto& word = *w.Objects().MakeWBuffer->WordRow;
    ASSERT_GT(word.Count(), 0);
    int hidden = 0;
    for (int i = 0; i < word.Count(); ++i) {
        const TSeen cell = Seen(found, word.GetTile(static_cast<unsigned short>(i))->Panel);
        EXPECT_EQ(cell.Role, QAccessible::StaticText);
        hidden += cell.Name == "Пропущенная буква";
    }
    EXPECT_EQ(hidden, 1);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(Named<TImage>(f, "MakeWImage"))->text(QAccessible::Name).isEmpty());

    // The examination: its chooser, the start control, the repeat button, the board.
    Named<QAction>(f, "Examination")->trigger();
    found = Clickables(f, "exam chooser");
    EXPECT_EQ(Seen(found, Named<TSpeedButton>(f, "SpeedButton8")).Name, "Название букв");
    Named<TSpeedButton>(f, "SpeedButton8")->click();
    found = Clickables(f, "exam before the start");
    EXPECT_EQ(Seen(found, Named<TImage>(f, "StartExamImage")).Name, "Начать");
    EXPECT_EQ(Seen(found, Named<TImage>(f, "StartExamImage")).Role, QAccessible::Button);
    EXPECT_EQ(Seen(found, Named<TSpeedButton>(f, "RepeatSndButton")).Name, "Повторить");

    // Colouring: the thumbnails, the big page and the printer button.
    Named<QAction>(f, "ShowRaskraskaMenu")->trigger();
    found = Clickables(f, "theme menu");
    auto themes = Named<TPanel>(f, "RaskraskaPopupMenuPanel")->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(themes.size(), 1);
    EXPECT_EQ(Seen(found, themes[0]).Name, "Звери");
    themes[0]->click();
    found = Clickables(f, "colouring");
    EXPECT_EQ(Seen(found, w.Objects().RaskrasImgPanels->GetTile(0)->Panel()).Name, "лев");
    EXPECT_EQ(Seen(found, Named<TSpeedButton>(f, "SpeedButton2")).Name, "Печать");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Named<TImage>(f, "RasBigImage"))->role(), QAccessible::Graphic);
}

TEST(AccessibleTree, TheDefaultActionOfATileOrTheStartControlIsItsClick)
{
    TPictureGameForm w({"арбуз", "банан"});
    TTestForm& f = *w.Form;
    Named<QAction>(f, "SoundLetters")->trigger();
    Named<TSpeedButton>(f, "LetterrsNamesSpeedButton")->click();
    auto& snd = *w.Objects().SndLetterPanels;
    Press(snd.GetTile(1)->Panel);
    ASSERT_EQ(w.Speech.Count(TSpeechCall::Pair), 1);
    EXPECT_TRUE(w.Speech.Last().Second.endsWith(QStringLiteral("Буквы/б.mp3")));
    EXPECT_EQ(snd.GetTile(1)->Panel->BevelOuter(), TBevel::Lowered) << "it sinks as under the mouse";
    EXPECT_TRUE(QTest::qWaitFor([&] { return snd.GetTile(1)->Panel->BevelOuter() == TBevel::Raised; }, 2000));

    Named<QAction>(f, "FindLetter")->trigger();

    FinishPictureReading(f.Objects);
    auto& strip = *w.Objects().FirstLImgPanels;
    Press(strip.GetTile(1)->Panel());
    EXPECT_EQ(strip.SelectedIndex, 1);
    EXPECT_EQ(w.Objects().PicGameBuffer->TargetLetter, strip.GetTile(1)->Name.substr(0, 1));
    const bool bananaFirst = strip.GetTile(1)->Name == Cp("банан");
    Press(TPictureGameForm::LetterTile(*w.Objects().PicLetterPanels, bananaFirst ? "а" : "б")->Panel);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::TryAgain), 1);
    Press(TPictureGameForm::LetterTile(*w.Objects().PicLetterPanels, bananaFirst ? "б" : "а")->Panel);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 1);

    Named<QAction>(f, "Examination")->trigger();
    Named<TSpeedButton>(f, "SpeedButton8")->click();
    auto& exam = *w.Objects().ExamLetterPanels;
    Press(exam.GetTile(0)->Panel);
    Press(exam.GetTile(1)->Panel);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise) + w.Speech.Count(TSpeechCall::TryAgain), 2)
        << "the board takes no press before the start";
    Press(Named<TImage>(f, "StartExamImage"));
    EXPECT_FALSE(Named<TPanel>(f, "StartExamContentPanel")->isVisibleTo(&f));
    EXPECT_EQ(w.Objects().ExamGame->Position, 1) << "the first question asked";
    Press(TFormWorld::TileOf(exam, static_cast<unsigned char>(w.Objects().ExamGame->TargetLetter[0]))->Panel);
    EXPECT_EQ(w.Speech.Count(TSpeechCall::Praise), 2);
}
