#include "games/PictureWait.h"

#include "core/Activity.h"
#include "pictures/ImgPanelCollection.h"
#include "platform/widgets/InputHold.h"

#include <QPointer>
#include <QWidget>

TPictureWait::TPictureWait(IActivityWindow& Window) : FWindow(Window) {}

TPictureWait::~TPictureWait() = default;

void TPictureWait::After(TImgPanelCollection& Strip, QWidget* Screen, std::function<void()> Then)
{
    if (!Strip.Reading()) {
        Then();
        return;
    }
    if (!FHold) FHold = std::make_unique<TInputHold>();
    FHold->Hold(Screen);
    if (FReadings++ == 0) FWindow.BeginWaiting();
    Strip.WhenRead([this, Screen = QPointer<QWidget>(Screen), Then = std::move(Then)] {
        if (Screen && FWindow.Shows(Screen)) Then();
        FHold->Release(Screen);
        if (--FReadings == 0) {
            FWindow.EndWaiting();
            FWindow.KeysReady();
        }
    });
}
