#pragma once
// The activities of the menu, in the menu's order: the one list the window makes its menu entries,
// rules pages, game-type choosers, actions and screens from. A new activity is one line here.
#include "core/Activity.h"

#include <QSet>
#include <QString>

#include <functional>
#include <vector>

struct TAppContext;
struct TGameObjects;

// NotYetKnownSyllables: those the playing child does not know yet ("Слоги" opens on their lesson).
std::vector<TActivity> MakeActivities(TAppContext& Context, TGameObjects& Objects, IActivityWindow& Window,
                                      std::function<QSet<QString>()> NotYetKnownSyllables = {});
