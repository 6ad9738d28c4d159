#pragma once
// "Кто играет?": the children as big tiles, each its picture over its name, named by the name for
// screen readers and pressed by mouse, Enter or Space. A choice runs OnChoose with the child's id.
#include "progress/ProgressStore.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

class QToolButton;

class TWhoPlays : public QWidget {
public:
    // PictureOf gives the picture a child chose (by its name as kept), or a null image.
    TWhoPlays(const std::vector<TChild>& Children, const std::function<QImage(const QString&)>& PictureOf,
              QWidget* Parent = nullptr);

    const std::vector<QToolButton*>& Tiles() const { return FTiles; }
    std::function<void(qint64 Child)> OnChoose;

protected:
    // Enter presses the tile with the focus, as Space does; the arrows move between the tiles.
    void keyPressEvent(QKeyEvent* Event) override;

private:
    std::vector<QToolButton*> FTiles;
};
