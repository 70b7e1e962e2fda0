#pragma once

#include <QIcon>

// Small pictures of the program, drawn here so they stay sharp at any scale.
QIcon PalettePicture(); // an artist's palette: opens the colour dialog
QIcon CapturePicture(); // an eyedropper: takes a colour from the screen
QIcon InformationPicture(); // a speech bubble holding the letter i: notices
