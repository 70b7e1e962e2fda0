#pragma once

#include "SchemeTexts.h"

#include <QRgb>

#include <array>
#include <optional>

// The seven element colours of a scheme as numbers, by element index. A base-colour scheme
// has them derived from its base colour.
struct SchemeColors
{
    std::array<QRgb, ElementCount> rgb{};
    std::array<QRgb, StateCount> states{}; // the face's colour where the variant sets none

    QRgb operator[](ElementIndex element) const { return rgb[size_t(element)]; }
    // An element's colour, or a state's by HoverIndex or PressedIndex.
    QRgb at(int index) const
    {
        return index < ElementCount ? rgb[size_t(index)] : states[size_t(index - EntryCount)];
    }
};

// 0 to 9 and A to F in either case.
bool IsHexDigit(QChar c);

// "#" and six hexadecimal digits in either case; nothing for any other text.
std::optional<QRgb> ParseColorText(const QString &text);

// "#RRGGBB" in upper case.
QString ColorText(QRgb color);

// The seven colours a base colour stands for: face and 3dlight the base itself, a white
// highlight, a shadow of two thirds, a black dark shadow, a track halfway to white, and
// black or white arrows, whichever stands out more on the face.
SchemeColors DeriveFromBase(QRgb base);

// The colours of the texts the scheme's mode uses; nothing while one of them is not a
// complete colour text.
std::optional<SchemeColors> ResolveSchemeColors(const SchemeTexts &scheme);

// Whether a state text leaves that state to the face colour: "#" or nothing.
bool IsNoStateText(const QString &text);

// The first element (or the base colour's index) whose text the scheme's mode uses and
// that is not a complete colour text, then the first state (HoverIndex, PressedIndex) whose
// text is neither a colour text nor left to the face; nothing when there is none.
std::optional<int> FirstIncompleteColor(const SchemeTexts &scheme);

// Where a whole scheme first falls short: in which variant, and the index as above.
struct IncompleteColor
{
    bool dark = false;
    int index = 0;
};
std::optional<IncompleteColor> FirstIncompleteColor(const SchemeVariants &scheme);

// A dark variant to start from, made from a complete light one (nothing otherwise), by
// relative luminance with each colour's hue and saturation kept: the face's and track's
// luminance mirrored (the contrast with white becomes the contrast with black), the face then
// held between 0.12 and 0.18; a state the light variant sets keeps its contrast step from the
// face, turned round, at least 0.1; the track 3:1 under the face and those states; the arrows
// at least 3:1 over the face and at least as light as before or mirrored; highlight and
// 3dlight 25 and 12 HSL points above the dark face, shadow and dark shadow 10 and 20 below
// it, in the face's hue. The result always has seven element colours: a base colour cannot
// give a dark track.
std::optional<SchemeTexts> DeriveDarkVariant(const SchemeTexts &light);

// The WCAG 2.x contrast ratio of two colours, from 1 to 21.
double ContrastRatio(QRgb first, QRgb second);

// The least contrast that user interface parts need to be told apart (WCAG 2.x, 1.4.11).
inline constexpr double NonTextContrastMinimum = 3.0;
