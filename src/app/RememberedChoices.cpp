#include "app/RememberedChoices.h"

#include <QSettings>

namespace {

const QString kVoice = QStringLiteral("voice");
const QString kVolume = QStringLiteral("volume");
const QString kMute = QStringLiteral("mute");
const QString kFullScreen = QStringLiteral("fullscreen");
const QString kKiosk = QStringLiteral("kiosk");
const QString kMale = QStringLiteral("male");
const QString kFemale = QStringLiteral("female");

// A yes/no value as the file may hold it; anything else leaves Value as it is.
void ReadSwitch(const QSettings& File, const QString& Key, bool& Value)
{
    const QString text = File.value(Key).toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1") || text == QLatin1String("yes"))
        Value = true;
    else if (text == QLatin1String("false") || text == QLatin1String("0") || text == QLatin1String("no"))
        Value = false;
}

}  // namespace

TRememberedChoices TRememberedChoices::Read(QSettings& File)
{
    TRememberedChoices c;
    const QString voice = File.value(kVoice).toString().trimmed().toLower();
    if (voice == kMale) c.MaleVoice = true;
    bool ok = false;
    const int volume = File.value(kVolume).toString().trimmed().toInt(&ok);
    if (ok && volume >= 0 && volume <= 100) c.Volume = volume;
    ReadSwitch(File, kMute, c.Muted);
    ReadSwitch(File, kFullScreen, c.FullScreen);
    ReadSwitch(File, kKiosk, c.Kiosk);
    return c;
}

void TRememberedChoices::Write(QSettings& File) const
{
    File.setValue(kVoice, MaleVoice ? kMale : kFemale);
    File.setValue(kVolume, Volume);
    File.setValue(kMute, Muted);
    File.setValue(kFullScreen, FullScreen);
    File.sync();
}
