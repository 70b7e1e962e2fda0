#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn here so they stay sharp at any size.

// The program's icon: a page whose scrollbar wears bright colours.
QIcon ProgramIcon();
QPixmap ProgramIconPixmap(int side);

// The About window's background, 358 by 283 pixels: white, with a tall coloured scrollbar
// down the left and a soft band along the bottom.
QPixmap AboutBackground();
