#pragma once

#include <array>

class QWidget;

// Custom colours offered by every colour dialog of the run. Unused slots are white; a black
// that the user defines stays black.
extern std::array<int, 16> CustomColors;

// Shows the colour dialog starting from `initialColor` (a colour number; -1 for none) and
// returns the chosen colour number, or -1 when the user cancels. The custom colours are always
// shown, so `expanded` asks for nothing more.
int ShowColorDialog(QWidget *owner, int initialColor, bool expanded);
