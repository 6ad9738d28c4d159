#pragma once
// A letter board as the keys reach it: its tiles as one region, and the tile a letter key picks.
#include "platform/widgets/KeyScreen.h"

class TRusLetterPanelCollection;

// The board's tiles in their order, each pressed as a click on it; empty with no board.
ui::TKeyRegion BoardRegion(const TRusLetterPanelCollection* Board);
// The first tile standing for the small letter Lower, an item without a widget when there is none;
// nothing with no board.
std::optional<ui::TKeyItem> BoardTile(const TRusLetterPanelCollection* Board, unsigned char Lower);
