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

// The first element (or the base colour's index) whose text the scheme's mode uses and
// that is not a complete colour text; nothing when there is none.
std::optional<int> FirstIncompleteColor(const SchemeTexts &scheme);

// The WCAG 2.x contrast ratio of two colours, from 1 to 21.
double ContrastRatio(QRgb first, QRgb second);

// The least contrast that user interface parts need to be told apart (WCAG 2.x, 1.4.11).
inline constexpr double NonTextContrastMinimum = 3.0;
