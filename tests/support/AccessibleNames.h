#pragma once

#include <QStringList>

class QWidget;

// What a screen reader would find wrong in `window`, one line each: an item it reaches that
// has no name, a control the keyboard cannot reach, and a name that two items share.
QStringList AccessibilityFaults(QWidget *window);
