#pragma once
// A picture strip as the keys reach it: its tiles as one region, entered at the current picture.
#include "platform/widgets/KeyScreen.h"

class TImgPanelCollection;

// The strip's tiles in their order, each pressed as a click on it; empty with no strip.
ui::TKeyRegion StripRegion(const TImgPanelCollection* Strip);
