#pragma once
// The small notice over the title ribbon that shows the volume (a bar of ten steps) or "Без звука"
// for a moment after it changes, and the calm mark that stays on the ribbon while the sound is
// off. Neither takes clicks: whatever lies under them stays usable.
#include <QWidget>

class QTimer;

class TVolumeIndicator : public QWidget {
    Q_OBJECT
public:
    explicit TVolumeIndicator(QWidget* Parent);

    // Shows Percent (0–100), or that the sound is off, for ShownMs.
    void Show(int Percent, bool Muted, int ShownMs = kShownMs);
    int Percent() const { return FPercent; }
    bool Muted() const { return FMuted; }
    int ShownMs() const;

    static constexpr int kShownMs = 1000;

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void Place();

    int FPercent = 100;
    bool FMuted = false;
    QTimer* FHide = nullptr;
};

// A loudspeaker struck through, on the ribbon between the title and the voice chooser, shown
// while the sound is muted. A screen reader reads it as "Звук выключен".
class TMuteMark : public QWidget {
    Q_OBJECT
public:
    explicit TMuteMark(QWidget* Ribbon);

protected:
    void paintEvent(QPaintEvent* Event) override;
};
