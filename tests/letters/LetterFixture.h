#pragma once
// A program folder of its own (letter pictures written on demand), a context with a hidden
// parking panel, a recording speech and dialogs: what letter boards and tiles need to run.
#include "core/AppContext.h"
#include "letters/Letter.h"
#include "support/FakeDialogs.h"
#include "support/FakeSpeech.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

struct TLetterWorld {
    QTemporaryDir Dir;
    TFakeSpeech Speech;
    TFakeDialogs Dialogs;
    std::unique_ptr<QWidget> Window = std::make_unique<QWidget>();
    QWidget* SourcePanel = new QWidget(Window.get());
    TAppContext Context;

    TLetterWorld()
    {
        QDir(Dir.path()).mkpath("Pic/Alphabet/Rus");
        Context.Settings = TSettings::ForProgramFolder(Dir.path() + "/");
        Context.Speech = &Speech;
        Context.Dialogs = &Dialogs;
        Context.SourcePanel = SourcePanel;
        SourcePanel->hide();
    }

    // A plain one-colour JPEG picture for the letter with this small-letter code.
    void WritePicture(unsigned char Lower, QColor Colour, QSize Size = {40, 30}) const
    {
        QImage img(Size, QImage::Format_RGB32);
        img.fill(Colour);
        ASSERT_TRUE(img.save(TLetterCollection::PictureFileName(Context.Settings, Lower), "JPG"));
    }

    QString Voice(const QString& Folder = kFemaleVoice) const { return Context.Settings.SoundRoot + Folder; }
};

// cp1251 codes used by the tests.
namespace code {
inline constexpr unsigned char A = 0xC0, a = 0xE0, b = 0xE1, ye = 0xE5, yo = 0xB8, YO = 0xA8, R = 0xD0, YA = 0xDF, ya = 0xFF;
}
