#pragma once
// "Слоги" as the window's menu offers it: from letters to reading. Its chooser offers three
// exercises, "Найди слог", "Собери слог" and "Читаем слова", each with its own rules; the screen
// opens on the first lesson (the first holding a syllable the child does not know yet, when that
// is known) and any lesson can be chosen there. It can be played once the loader has found the
// syllables' clips.
#include "core/Activity.h"

#include <QSet>
#include <QString>

#include <functional>

struct TAppContext;

// NotYetKnown gives the syllables the playing child does not know yet; none: every lesson is new.
TActivity SlogiActivity(TAppContext& Context, IActivityWindow& Window, std::function<QSet<QString>()> NotYetKnown = {});
