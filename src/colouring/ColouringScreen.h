#pragma once
// "Раскраска": a theme's colouring pages as thumbnails on the right, the chosen page large, and
// the printer button above it.
#include "platform/widgets/KeyScreen.h"

#include <memory>

class QAction;
class QString;
class QWidget;
class TImage;
class TPanel;
class TRaskrasImgPanelCollection;
class TScrollBox;
class TSpeedButton;

struct TColouringScreen {
    TPanel* RaskraskaPanel = nullptr;
    TScrollBox* RasImgScrollBox = nullptr;  // the thumbnails
    TImage* RasBigImage = nullptr;          // the page shown large, and printed
    TSpeedButton* SpeedButton2 = nullptr;   // the printer button

    // What the keys reach on it: the thumbnails of Strip, then the printer button. Rules shows its
    // page; Print prints the page shown large.
    ui::TKeyScreen Keys(const std::unique_ptr<TRaskrasImgPanelCollection>& Strip, QAction* Rules, QAction* Print) const;
};

// The colouring screen in the games area.
TColouringScreen BuildColouringScreen(QWidget* GamesPanel);

// The pages of the theme folder Folder read into Strip and shown as its thumbnails. No page is
// selected: the big picture keeps what it showed until a thumbnail is clicked.
void OpenColouringTheme(TRaskrasImgPanelCollection& Strip, const QString& Folder, const TColouringScreen& Screen);
