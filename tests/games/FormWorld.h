#pragma once
// The main window with its program-wide objects, in a program folder of its own, with recording
// speech and dialogs: what the learning board and the examination are driven through.
#include "app/MainForm.h"
#include "games/GameObjects.h"
#include "letters/Letter.h"
#include "letters/LetterPanelCollection.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/ScrollBox.h"
#include "platform/widgets/SpeedButton.h"
#include "support/FakeDialogs.h"
#include "support/FakeSpeech.h"
#include "support/TestForm.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct TFormWorld {
    QTemporaryDir Dir;
    TFakeDialogs Dialogs;
    TFakeSpeech Speech;
    std::unique_ptr<TTestForm> Form;

    explicit TFormWorld(const QString& ExeFolder = QString())
    {
        QDir(Dir.path()).mkpath("Pic/Alphabet/Rus");
        Form = std::make_unique<TTestForm>(&Dialogs, ExeFolder.isEmpty() ? Dir.path() + "/" : ExeFolder);
        Form->SetSpeech(&Speech);
        LoadGameObjects(Form->Context(), Form->Objects);
        Form->UpdateGameActions();
    }
    // The window frees the objects with itself.

    TAppContext& Context() { return Form->Context(); }
    TGameObjects& Objects() { return Form->Objects; }
    TSettings& Settings() { return Form->Context().Settings; }
    QString Voice(const QString& Folder = kFemaleVoice) { return Settings().SoundRoot + Folder; }

    void WritePicture(unsigned char Lower, QColor Colour) const
    {
        QImage img(400, 300, QImage::Format_RGB32);
        img.fill(Colour);
        img.save(TLetterCollection::PictureFileName(Form->Context().Settings, Lower), "JPG");
    }

    static void Click(QWidget* Widget) { QTest::mouseClick(Widget, Qt::LeftButton); }
    static void Click(TLetterPanel* Tile) { QTest::mouseClick(Tile->ClickLabel, Qt::LeftButton); }

    // The tiles of a board, in index order.
    static std::vector<TLetterPanel*> Tiles(const TRusLetterPanelCollection& Board)
    {
        std::vector<TLetterPanel*> out;
        for (int i = 0; i < Board.Count(); ++i) out.push_back(Board.GetTile(static_cast<unsigned short>(i)));
        return out;
    }
    static TLetterPanel* TileOf(const TRusLetterPanelCollection& Board, unsigned char Lower)
    {
        for (int i = 0; i < Board.Count(); ++i)
            if (Board.Letters->GetLetter(static_cast<unsigned short>(i))->LowerLetter == Lower)
                return Board.GetTile(static_cast<unsigned short>(i));
        return nullptr;
    }
};
