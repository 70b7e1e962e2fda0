#pragma once

#include "scheme/SchemeColors.h"

#include <QImage>
#include <QRect>
#include <QStringList>

// What differs from the classic bevel in a vertical scrollbar's up arrow button, outside in
// from each edge, its arrow, and the thumb and track below it; empty when all is there. The
// bar starts with the button at its top and ends where its track ends.
QStringList BevelFaults(const QImage &shot, const QRect &bar, const SchemeColors &colors);

// Whether the area holds the face and the track colour, as Firefox draws a scheme.
QStringList TwoColorFaults(const QImage &shot, const QRect &area, const SchemeColors &colors);
