#pragma once

#include <QString>

// The element index whose entry box receives the next captured colour; set by the capture
// buttons of the main window.
extern int CaptureTarget;

// Colour text of the pixel under the pointer at the capture window's last reading; empty until
// the first one, and kept after the window closes.
extern QString CapturedColor;
