#pragma once
// What picture strips need to run, without the main window: a program folder of its own, a
// window with the parking panel, the big pictures and the word panel of the screens, a recording
// speech and dialogs.
#include "PictureFiles.h"

#include "core/AppContext.h"
#include "pictures/ImgPanelCollection.h"
#include "platform/widgets/Image.h"
#include "platform/widgets/Panel.h"
#include "platform/widgets/ScrollBox.h"
#include "support/FakeDialogs.h"
#include "support/FakeSpeech.h"

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

struct TPictureWorld {
    QTemporaryDir Dir;
    TFakeSpeech Speech;
    TFakeDialogs Dialogs;
    std::unique_ptr<QWidget> Window = std::make_unique<QWidget>();
    QWidget* SourcePanel = new QWidget(Window.get());
    TImage* BigImage = Named<TImage>("BigImage");
    TImage* MakeWImage = Named<TImage>("MakeWImage");
    TPanel* MakeWWordPanel = Named<TPanel>("MakeWWordPanel");
    TImage* RasBigImage = Named<TImage>("RasBigImage");
    TAppContext Context;

    TPictureWorld()
    {
        QDir(Dir.path()).mkpath("Pic/Images/Rus");
        QDir(Dir.path()).mkpath("Pic/Alphabet/Rus");
        Context.Settings = TSettings::ForProgramFolder(Dir.path() + "/");
        Context.Speech = &Speech;
        Context.Dialogs = &Dialogs;
        Context.SourcePanel = SourcePanel;
        SourcePanel->hide();
        Window->resize(1200, 900);
        Window->show();  // hidden widgets get their resize events only when shown
    }

    QString Words() const { return Dir.path() + "/Pic/Images/Rus/"; }

    // A borderless strip box whose visible area is Width wide and tall enough for no scroll bar.
    std::unique_ptr<TScrollBox> Box(int Width, int Height = 3000)
    {
        auto box = std::make_unique<TScrollBox>(Window.get());
        box->SetBorder(false);
        box->resize(Width, Height);
        box->show();
        return box;
    }

    // Fills Strip's catalogue with pictures of the given names and sizes and makes its tiles.
    static void Stock(TImgPanelCollection& Strip, const std::vector<std::pair<const char*, QSize>>& Pictures)
    {
        for (const auto& [name, size] : Pictures) {
            TImageItem* item = Strip.Images->AddImage();
            item->Name = cp1251::FromUnicode(QString::fromUtf8(name));
            item->Picture = size.isEmpty() ? QImage() : testpics::Solid(size.width(), size.height(), Qt::darkGreen);
        }
        Strip.CreateTiles();
    }

private:
    template <class T>
    T* Named(const char* Name)
    {
        auto* w = new T(Window.get());
        w->setObjectName(QString::fromLatin1(Name));
        return w;
    }
};
