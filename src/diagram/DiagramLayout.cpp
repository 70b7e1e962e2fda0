#include "DiagramLayout.h"

#include "scheme/ElementTable.h"

using namespace Qt::StringLiterals;

namespace DiagramLayout {

namespace {

DiagramShape shape(ElementIndex element, int index, int left, int top, int width, int height)
{
    return DiagramShape{GroupOfElement(element), index, element, QRect(left, top, width, height)};
}

} // namespace

QString GroupOfElement(int element)
{
    switch (element) {
    case FaceElement: return u"Shape3"_s;
    case ArrowElement: return u"Shape7"_s;
    case HighlightElement: return u"Shape4"_s;
    case Light3DElement: return u"Shape1"_s;
    case ShadowElement: return u"Shape2"_s;
    case DarkShadowElement: return u"Shape5"_s;
    case TrackElement: return u"Shape6"_s;
    default: return {};
    }
}

std::vector<DiagramShape> PanelShapes()
{
    // Button and thumb are drawn alike from the outside in: 3dlight and darkshadow bands
    // outside, highlight and shadow bands inside, the face in the middle. Neighbouring bands
    // overlap by one pixel at their ends; the order decides which one shows there.
    return {
        shape(TrackElement, 0, 195, 4050, 1455, 585),
        shape(Light3DElement, 0, 180, 180, 165, 1305),
        shape(ShadowElement, 0, 1350, 330, 165, 1155),
        shape(HighlightElement, 0, 330, 330, 1035, 165),
        shape(Light3DElement, 1, 210, 180, 1305, 165),
        shape(ShadowElement, 1, 330, 1320, 1035, 165),
        shape(HighlightElement, 1, 330, 480, 165, 855),
        shape(Light3DElement, 2, 180, 1620, 165, 2325),
        shape(ShadowElement, 2, 1350, 1770, 165, 2175),
        shape(HighlightElement, 2, 330, 1770, 1035, 165),
        shape(Light3DElement, 3, 210, 1620, 1305, 165),
        shape(ShadowElement, 3, 330, 3780, 1035, 165),
        shape(HighlightElement, 3, 330, 1920, 165, 1875),
        shape(FaceElement, 0, 480, 480, 885, 855),
        shape(FaceElement, 1, 480, 1920, 885, 1875),
        shape(DarkShadowElement, 0, 1500, 180, 165, 3885),
        shape(DarkShadowElement, 1, 180, 1470, 1335, 165),
        shape(DarkShadowElement, 2, 180, 3930, 1335, 135),
    };
}

std::vector<DiagramShape> ArrowShapes()
{
    // A three-step pyramid, 105 twips a step, the steps centred on each other.
    return {
        shape(ArrowElement, 0, 0, 180, 315, 105),
        shape(ArrowElement, 1, 60, 90, 195, 105),
        shape(ArrowElement, 2, 120, 0, 75, 105),
    };
}

std::vector<DiagramLine> OutlineLines()
{
    return {
        {u"Line1"_s, QPoint(180, 180), QPoint(180, 4635)},
        {u"Line2"_s, QPoint(1650, 180), QPoint(180, 180)},
        {u"Line3"_s, QPoint(1650, 180), QPoint(1650, 4650)},
    };
}

} // namespace DiagramLayout
