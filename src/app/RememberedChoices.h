#pragma once
// What the program remembers between runs, in its settings file (~/.config/kvarnel/kvarnel.conf):
// the voice, the volume and mute, full screen, and the kiosk mode that an adult turns on by
// editing the file. Whatever the file holds that is missing, unreadable or out of range counts as
// the default; nothing in it can stop the program from starting.
class QSettings;

struct TRememberedChoices {
    bool MaleVoice = false;  // the female voice on a first run
    int Volume = 100;        // percent, 0 to 100
    bool Muted = false;
    bool FullScreen = false;
    bool Kiosk = false;

    static constexpr int kVolumeStep = 10;

    static TRememberedChoices Read(QSettings& File);
    // Writes everything but the kiosk switch (the adult's to set) and flushes it to disk.
    void Write(QSettings& File) const;
};
