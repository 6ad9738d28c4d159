#pragma once
// The parts every picture screen shares: the thumbnail column on the right and the big picture.
class QRect;
class QWidget;
class TImage;
class TPanel;
class TScrollBox;

namespace build {

// The right-hand column of a picture screen: deep blue, then sky blue, 4 px each, around a
// borderless scroll box for the thumbnails. Returns the scroll box; Column receives the column.
TScrollBox* ThumbnailColumn(TPanel* Screen, const char* ColumnName, const char* InnerName, const char* BoxName,
                            TPanel** Column = nullptr);

// A big picture anchored to all sides, drawn centred and scaled to fit with its proportions kept.
TImage* FittedImage(QWidget* Parent, const char* Name, const QRect& Bounds);

}  // namespace build
