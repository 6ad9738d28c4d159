#pragma once
// A picture game opened while its strip's word pictures are still being read starts once they are
// in: meanwhile the loading overlay's bar moves and clicks on its screen are held back. Both
// picture games share one, so the bar stays up until the last strip is in.
#include <functional>
#include <memory>

class IActivityWindow;
class QWidget;
class TImgPanelCollection;
class TInputHold;

class TPictureWait {
public:
    explicit TPictureWait(IActivityWindow& Window);
    ~TPictureWait();
    TPictureWait(const TPictureWait&) = delete;
    TPictureWait& operator=(const TPictureWait&) = delete;

    // Runs Then once Strip's pictures are in: at once when none are being read. Left for another
    // activity meanwhile (Screen no longer shown), the game starts when it is opened again.
    void After(TImgPanelCollection& Strip, QWidget* Screen, std::function<void()> Then);

private:
    IActivityWindow& FWindow;
    std::unique_ptr<TInputHold> FHold;
    int FReadings = 0;  // strips being read for a game that waits for them
};
