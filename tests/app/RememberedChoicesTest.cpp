// What the program remembers between runs: read back as written, and every kind of damaged
// settings file giving the defaults.
#include "app/RememberedChoices.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

TRememberedChoices ReadFile(const QString& Path)
{
    QSettings file(Path, QSettings::IniFormat);
    return TRememberedChoices::Read(file);
}

void WriteBytes(const QString& Path, const QByteArray& Bytes)
{
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Bytes);
}

bool IsDefault(const TRememberedChoices& C)
{
    return !C.MaleVoice && C.Volume == 100 && !C.Muted && !C.FullScreen && !C.Kiosk;
}

}  // namespace

TEST(RememberedChoices, WhatIsWrittenIsReadBackButTheKioskSwitchIsTheAdultsAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kvarnel.conf");
    EXPECT_TRUE(IsDefault(ReadFile(path))) << "no file: the defaults";
    {
        QSettings file(path, QSettings::IniFormat);
        TRememberedChoices c;
        c.MaleVoice = true;
        c.Volume = 30;
        c.Muted = true;
        c.FullScreen = true;
        c.Kiosk = true;
        c.Write(file);
        EXPECT_FALSE(file.contains("kiosk"));
    }
    const TRememberedChoices back = ReadFile(path);
    EXPECT_TRUE(back.MaleVoice);
    EXPECT_EQ(back.Volume, 30);
    EXPECT_TRUE(back.Muted);
    EXPECT_TRUE(back.FullScreen);
    EXPECT_FALSE(back.Kiosk);

    WriteBytes(path, "[General]\nkiosk=true\nvoice=Male\n");
    EXPECT_TRUE(ReadFile(path).Kiosk);
    EXPECT_TRUE(ReadFile(path).MaleVoice);
}

TEST(RememberedChoices, ADamagedFileGivesTheDefaultsForWhatItCannotSay)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kvarnel.conf");
    const QByteArray garbage[] = {
        QByteArray("\x00\xff\xfe\x13 [[[ =\n\x80\x81", 13),
        "volume=900\nvoice=robot\nmute=perhaps\nfullscreen=2\nkiosk=\n",
        "volume=abc\n",
        "volume=-1\n",
        "[General]\nvolume=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\bQPixmap)\n",
    };
    for (const QByteArray& bytes : garbage) {
        WriteBytes(path, bytes);
        EXPECT_TRUE(IsDefault(ReadFile(path))) << bytes.toStdString();
    }
    // What can be read is kept beside what cannot.
    WriteBytes(path, "volume=900\nvoice=male\n");
    const TRememberedChoices partly = ReadFile(path);
    EXPECT_EQ(partly.Volume, 100);
    EXPECT_TRUE(partly.MaleVoice);
}
