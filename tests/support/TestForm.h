#pragma once
// The main window as tests and benchmarks drive it, standing in for the program's start: what the
// window keeps for that (its game objects, its start, the keys, the corner) made reachable. Its
// widgets are found by their names (Named), as anything outside the window finds them.
#include "app/MainForm.h"
#include "games/GameObjects.h"

#include <QObject>
#include <QString>
#include <QtGlobal>

class TTestForm : public TMainForm {
public:
    using TMainForm::Activated;
    using TMainForm::BeginWaiting;
    using TMainForm::BrowserFailed;
    using TMainForm::Corner;
    using TMainForm::EndWaiting;
    using TMainForm::FormActivate;
    using TMainForm::Keyboard;
    using TMainForm::LoadingEnded;
    using TMainForm::Objects;
    using TMainForm::Players;
    using TMainForm::SetUrlOpener;
    using TMainForm::StartLoading;
    using TMainForm::StartUp;
    using TMainForm::TMainForm;
    using TMainForm::UpdateGameActions;
    using TMainForm::WaitForLoading;
};

// The widget, action or timer of Window named Name; asking for one the window lacks ends the test
// program with a message saying which.
template <class T = QWidget>
T* Named(const QObject& Window, const char* Name)
{
    T* found = Window.findChild<T*>(QLatin1String(Name));
    if (!found) qFatal("the window has no %s", Name);
    return found;
}

// The picture games' strips read to their end, and their games begun where they wait for them.
inline void FinishPictureReading(TGameObjects& Objects)
{
    for (TImgPanelCollection* strip : {static_cast<TImgPanelCollection*>(Objects.FirstLImgPanels.get()),
                                       static_cast<TImgPanelCollection*>(Objects.MakeWImgPanels.get())})
        if (strip) strip->FinishReading();
}
