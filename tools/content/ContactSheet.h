#pragma once
// One PNG showing every letter card, word picture and colouring page of a tree, read back from the
// files the way the program reads them, for a person to look over.
#include <QImage>
#include <QString>

namespace content {

QImage ContactSheet(const QString& Root);

}  // namespace content
