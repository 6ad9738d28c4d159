#pragma once
// The rule for a child's name: 1–20 letters, digits or spaces, unique among the children.
#include <QString>
#include <QStringList>

// The name as kept: spaces at either end dropped.
QString CleanChildName(const QString& Name);
// Empty when Name (cleaned) is acceptable beside Others (the other children's names), else the one
// sentence that says why not.
QString ChildNameProblem(const QString& Name, const QStringList& Others);
