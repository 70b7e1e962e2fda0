#include "AcceptedColors.h"

#include "color/ColorValues.h"
#include "diagram/ScrollbarDiagram.h"

AcceptedColors AcceptedColors::defaults()
{
    AcceptedColors colors;
    for (int i = 0; i < ElementCount; ++i)
        colors.elements[size_t(i)]
            = HexToColor(QString::fromUtf16(SchemeElements[size_t(i)].defaultText));
    return colors;
}

AcceptedColors AcceptedColors::shownBy(const ScrollbarDiagram &diagram)
{
    AcceptedColors colors;
    for (int i = 0; i < ElementCount; ++i)
        colors.elements[size_t(i)] = diagram.DiagramElementColor(i);
    for (int state = 0; state < StateCount; ++state)
        colors.states[size_t(state)] = diagram.DiagramElementColor(EntryCount + state);
    return colors;
}

void AcceptedColors::showOn(ScrollbarDiagram &diagram) const
{
    for (int i = 0; i < ElementCount; ++i)
        diagram.paintElementColor(i, elements[size_t(i)]);
    for (int state = 0; state < StateCount; ++state)
        diagram.paintElementColor(EntryCount + state, states[size_t(state)]);
}
