#pragma once

class QWidget;

// Ends the program at once: every window goes, and no close handler runs.
void EndProgram();

// Closes every top-level window of the program but `keep`, each through its close handling.
void CloseOtherWindows(const QWidget *keep);

// The windows are laid out for an 8-point font; use the desktop's font family at that size.
void UseDesignFont();

// Places a window in the middle of the screen it is on.
void CenterOnScreen(QWidget *window);
