#pragma once
// The small notice over the title ribbon that shows the volume (a bar of ten steps) or "Без звука"
// for a moment after it changes. It takes no clicks: whatever lies under it stays usable.
#include <QWidget>

class QTimer;

class TVolumeIndicator : public QWidget {
    Q_OBJECT
public:
    explicit TVolumeIndicator(QWidget* Parent);

    // Shows Percent (0–100), or that the sound is off, for about a second.
    void Show(int Percent, bool Muted);
    int Percent() const { return FPercent; }
    bool Muted() const { return FMuted; }

    static constexpr int kShownMs = 1000;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    int FPercent = 100;
    bool FMuted = false;
    QTimer* FHide = nullptr;
};
