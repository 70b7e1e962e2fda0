#pragma once

#include "output/SchemeColors.h"

#include <QImage>
#include <QStringList>

// A vertical scrollbar in a picture: its left edge, its top (where the up arrow button
// starts), its width and its length down to where the track ends.
struct VerticalBar
{
    int left = 0;
    int top = 0;
    int width = 16;
    int length = 0;
};

// What differs from the classic bevel in the bar's up arrow button, outside in from each
// edge, its arrow, and the thumb and track below it; empty when all is there.
QStringList BevelFaults(const QImage &shot, const VerticalBar &bar, const SchemeColors &colors);

// Whether the area holds the face and the track colour, as Firefox draws a scheme.
QStringList TwoColorFaults(const QImage &shot, const QRect &area, const SchemeColors &colors);
