#include "DiagramHitTest.h"

#include "scheme/ElementTable.h"

#include <algorithm>

namespace {

} // namespace

bool IsStrictlyInside(QPointF point, const QRect &twips)
{
    // The pointer's position comes in single precision, and the far edges are taken so too.
    const auto x = float(point.x());
    const auto y = float(point.y());
    const auto right = float(twips.x() + twips.width());
    const auto bottom = float(twips.y() + twips.height());
    return float(twips.x()) < x && x < right && float(twips.y()) < y && y < bottom;
}

int OuterHitTest(QPointF point, const std::vector<DiagramShape> &panelShapes, const QRect &arrowBox)
{
    for (const DiagramShape &shape : panelShapes) {
        if (shape.element == TrackElement && IsStrictlyInside(point, shape.twips))
            return TrackElement;
    }
    if (IsStrictlyInside(point, arrowBox))
        return ArrowElement;
    for (const DiagramShape &shape : panelShapes) {
        if (IsStrictlyInside(point, shape.twips))
            return shape.element;
    }
    return -1;
}

bool ArrowHitTest(QPointF point, const std::vector<DiagramShape> &arrowShapes)
{
    return std::ranges::any_of(arrowShapes, [point](const DiagramShape &shape) {
        return IsStrictlyInside(point, shape.twips);
    });
}
