#pragma once
// The corner module's outlines of a picture (ICornerModule::LineDrawing says what they are).
#include "platform/modules/CornerModule.h"

#include <QImage>

namespace modules::corner {

QImage LineDrawing(const QImage& Picture, const TLineDrawingOptions& Options);

}  // namespace modules::corner
