#pragma once
// The start screen's picture kept in the user's cache folder, so that a later start of the same
// program file shows it without drawing it (drawing it is a good part of the first frame's cost).
#include <QImage>

#include <optional>

namespace start_picture {

// The kept picture, when there is one for this program file and it reads back whole.
std::optional<QImage> ReadKept();
// Keeps Picture for later starts (written whole under a temporary name, then renamed); failures
// are silent.
void Keep(const QImage& Picture);

}  // namespace start_picture
