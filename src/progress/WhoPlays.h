#pragma once
// "Кто играет?": the children as big tiles, each its picture over its name, named by the name for
// screen readers and pressed by mouse, Enter or Space. A choice runs OnChoose with the child's id.
// The tiles fill as many columns as the width holds, smaller for a big group but never too small
// for a child's finger, and a group that does not fit scrolls (the focused tile is kept in view).
#include "progress/ProgressStore.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

class QGridLayout;
class QScrollArea;
class QToolButton;

class TWhoPlays : public QWidget {
public:
    // PictureOf gives the picture a child chose (by its name as kept), or a null image.
    TWhoPlays(const std::vector<TChild>& Children, const std::function<QImage(const QString&)>& PictureOf,
              QWidget* Parent = nullptr);

    const std::vector<QToolButton*>& Tiles() const { return FTiles; }
    QScrollArea* Scroll() const { return FScroll; }
    int Columns() const { return FColumns; }
    std::function<void(qint64 Child)> OnChoose;

    // The smallest tile: still an easy target for a small child's finger on a touch screen.
    static constexpr int kSmallestTile = 160;

protected:
    void resizeEvent(QResizeEvent* Event) override;
    // On a tile: Enter presses it, as Space does; the arrows move between the tiles, up and down by rows.
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void PlaceTiles();
    void FocusTile(int Index);

    QScrollArea* FScroll;
    QGridLayout* FGrid;
    std::vector<QToolButton*> FTiles;
    int FColumns = 0;
    int FTileWidth = 0;
};
