#pragma once

#include "DiagramShape.h"

#include <QRect>

#include <vector>

// The magnified drawing of a scrollbar's top end: geometry of the panels, rectangles and
// outline lines, all in twips.
namespace DiagramLayout {

// The diagram panel in the main window; the arrow box and the example panel in the diagram.
constexpr QRect DiagramPanel(90, 90, 1875, 4845);
constexpr QRect ArrowBox(780, 780, 345, 315);
constexpr QRect ExamplePanel(0, 0, 1875, 4845);
// The thumb, its bands included, in the diagram panel; its face is the face's second rectangle.
constexpr QRect Thumb(180, 1620, 1485, 2430);
constexpr int ThumbFaceIndex = 1;

// The rectangles of the diagram panel in the order the pointer finds them: where two overlap,
// the earlier one is on top. Colours start at 0.
std::vector<DiagramShape> PanelShapes();

// The three steps of the arrow, in the arrow box.
std::vector<DiagramShape> ArrowShapes();

std::vector<DiagramLine> OutlineLines();

// The group name ("Shape1" to "Shape7") of an element 0 to 6.
QString GroupOfElement(int element);

} // namespace DiagramLayout
