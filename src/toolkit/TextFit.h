#pragma once

class QLabel;

// Narrows a label's font just enough for its text to fit its width. The windows have fixed
// layouts, and a desktop font may run wider than the one they were laid out for.
void CondenseToFit(QLabel *label);
