#pragma once

#include "scheme/SchemeTexts.h"

#include <array>

class ScrollbarDiagram;

// The last accepted colour of each of a variant's colour rows: the seven elements' colour
// numbers and the hover and pressed faces' (-1 where the face stands in). The drawing keeps
// them for the variant being edited; the variant waiting aside keeps its own in one of these,
// so that a refused entry comes back from its own variant.
struct AcceptedColors
{
    std::array<int, ElementCount> elements{};
    std::array<int, StateCount> states{-1, -1};

    // What a variant new to the window starts from, as the program starts: the default scheme.
    static AcceptedColors defaults();
    static AcceptedColors shownBy(const ScrollbarDiagram &diagram);
    void showOn(ScrollbarDiagram &diagram) const;
};
