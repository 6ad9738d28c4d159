#pragma once
// Black outlines on white from any picture, as a colouring page needs them: the picture's edges
// found (OpenCV's Canny detector on a smoothed grey copy), specks too small to colour dropped,
// and the lines drawn thick enough for a child's crayon.
#include <QImage>

struct TLineDrawingOptions {
    int Detail = 50;       // 0 (only the strongest outlines) to 100 (fine detail too)
    int LineWidth = 3;     // the lines' width in pixels of the result
    int SmallestLine = 0;  // an edge shorter than this many pixels (before thickening) is a speck; 0: by Detail
};

// The outlines of Picture at its own size: a Grayscale8 picture, black (0) lines on white (255).
// A null picture gives a null picture.
QImage LineDrawing(const QImage& Picture, const TLineDrawingOptions& Options);
