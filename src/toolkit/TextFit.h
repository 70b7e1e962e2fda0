#pragma once

class QCheckBox;
class QLabel;

// Narrow a control's font just enough for its text to fit its width, or for a word-wrapped
// label its height. The windows have fixed layouts, and a desktop font may run wider than the
// one they were laid out for.
void CondenseToFit(QLabel *label);
void CondenseToFit(QCheckBox *box);
