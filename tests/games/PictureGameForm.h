#pragma once
// The main window with its program-wide objects made, over a program folder of its own with word
// pictures: what the two picture games need to be played in a test.
#include "pictures/PictureFiles.h"

#include "app/MainForm.h"
#include "games/GameObjects.h"
#include "support/FakeDialogs.h"
#include "support/FakeSpeech.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

// The window without its own start-up loading: the tests make the objects themselves.
class TFormWithoutLoader : public TTestForm {
public:
    using TTestForm::TTestForm;
    void StartLoading() override {}
};

struct TPictureGameForm {
    QTemporaryDir Dir;
    TFakeDialogs Dialogs;
    TFakeSpeech Speech;
    std::unique_ptr<TTestForm> Form;

    // Words: the names of the word pictures (UTF-8), each written as name + ".jpg"; with
    // MakeFolder false the picture folder does not exist. LetterPicture: the small letter (UTF-8)
    // whose letter picture is written; none otherwise.
    explicit TPictureGameForm(const std::vector<const char*>& Words, bool MakeFolder = true,
                              const char* LetterPicture = nullptr)
    {
        QDir(Dir.path()).mkpath("Pic/Alphabet/Rus");
        if (LetterPicture)
            testpics::WriteJpeg(Dir.path() + "/Pic/Alphabet/Rus/" + QString::fromUtf8(LetterPicture) + ".jpg", 36, 24);
        if (MakeFolder) QDir(Dir.path()).mkpath("Pic/Images/Rus");
        int i = 0;
        for (const char* word : Words)
            testpics::WriteJpeg(WordsFolder() + QString::fromUtf8(word) + ".jpg", 40 + 10 * i++, 30);
        Form = std::make_unique<TFormWithoutLoader>(&Dialogs, Dir.path() + "/");
        Form->SetSpeech(&Speech);
        Form->show();
        Form->FormActivate();  // as at start: maximised, the start screen up
        Form->setWindowState(Qt::WindowNoState);
        Form->resize(1280, 800);
        LoadGameObjects(Form->Context(), Form->Objects);
        Form->UpdateGameActions();
    }
    ~TPictureGameForm() { Form->Objects.Reset(); }

    QString WordsFolder() const { return Dir.path() + "/Pic/Images/Rus/"; }
    TGameObjects& Objects() { return Form->Objects; }

    // The strip's tile showing the picture of this name (UTF-8); fails the test when there is none.
    template <class TStrip>
    static auto* TileNamed(TStrip& Strip, const char* Word)
    {
        const AnsiString name = cp1251::FromUnicode(QString::fromUtf8(Word));
        for (int i = 0; i < Strip.Count(); ++i)
            if (Strip.GetTile(i)->Name == name) return Strip.GetTile(i);
        ADD_FAILURE() << "no tile " << Word;
        return Strip.GetTile(0);
    }

    // The board's tile of the letter whose small form is this (UTF-8) letter.
    static TLetterPanel* LetterTile(TRusLetterPanelCollection& Board, const char* Small)
    {
        const auto code = static_cast<unsigned char>(cp1251::FromUnicode(QString::fromUtf8(Small)).at(0));
        for (int i = 0; i < Board.Count(); ++i)
            if (Board.Letters->GetLetter(static_cast<unsigned short>(i))->LowerLetter == code)
                return Board.GetTile(static_cast<unsigned short>(i));
        ADD_FAILURE() << "no letter " << Small;
        return Board.GetTile(0);
    }
};
