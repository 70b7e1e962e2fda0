#pragma once

#include "DiagramShape.h"

#include <QPointF>

#include <vector>

// Which scheme element the pointer marks on the diagram. Points are in twips of the panel's
// inner area; a point on a rectangle's edge is outside it.

bool IsStrictlyInside(QPointF point, const QRect &twips);

// The element under a point of the diagram panel, or -1. The track comes first, then the arrow
// box (which stands for the arrow), then the other rectangles in the order given.
int OuterHitTest(QPointF point, const std::vector<DiagramShape> &panelShapes,
                 const QRect &arrowBox);

// Whether a point of the arrow box lies on one of the arrow's steps.
bool ArrowHitTest(QPointF point, const std::vector<DiagramShape> &arrowShapes);
