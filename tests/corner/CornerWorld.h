#pragma once
// The grown-ups' corner on a window of its own, over a program folder and a family's folder in a
// temporary home, with recording dialogs and speech; its buttons found by their object names.
#include "core/AppContext.h"
#include "corner/CornerGate.h"
#include "corner/CornerScreen.h"
#include "corner/GrownUpsCorner.h"
#include "support/FakeDialogs.h"
#include "support/FakeSpeech.h"
#include "support/QtPrint.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

inline const QString kLetterB = QStringLiteral("Sound/Женский голос/Буквы/б.mp3");

struct TCornerWorld {
    QTemporaryDir Home;
    TFakeDialogs Dialogs;
    TFakeSpeech Speech;
    TAppContext Context;
    QWidget Window;
    TGrownUpsCorner* Corner;
    int ContentChanges = 0;

    TCornerWorld()
    {
        Context.Settings = TSettings::ForProgramFolder(Home.filePath(QStringLiteral("program/")));
        Context.Dialogs = &Dialogs;
        Context.Speech = &Speech;
        Window.resize(1107, 799);
        Corner = new TGrownUpsCorner(&Window, Context);
        Corner->SetUserFolder(User());
        Corner->OnContentChanged = [this] { ++ContentChanges; };
        Window.show();
    }
    QString User() const { return Home.filePath(QStringLiteral("kvarnel/")); }
    TCornerScreen& Screen() { return *Corner->Screen(); }
    // Through the door with the right sum.
    void Enter()
    {
        Corner->Open();
        Corner->Gate()->AnswerEdit()->setText(QString::number(Corner->Gate()->Answer()));
        QTest::keyClick(Corner->Gate()->AnswerEdit(), Qt::Key_Return);
        ASSERT_TRUE(Screen().isVisible());
    }
    template <class T = QWidget>
    T* Named(const QString& Name)
    {
        return Corner->findChild<T*>(Name);
    }
    void Press(const QString& Button)
    {
        auto* button = Named<QPushButton>(Button);
        ASSERT_TRUE(button) << Button.toStdString();
        button->click();
    }
    QString Status() { return Named<QLabel>(QStringLiteral("CornerStatusLabel"))->text(); }
    QString Photo(const QString& Name, QColor Colour = Qt::darkCyan)
    {
        const QString path = Home.filePath(Name);
        QImage picture(800, 600, QImage::Format_RGB32);
        picture.fill(Colour);
        EXPECT_TRUE(picture.save(path));
        return path;
    }
};
