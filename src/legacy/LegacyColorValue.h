#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The colour text ("#" and six upper-case hexadecimal digits) of a colour value as old pages
// wrote it: "#rgb", "#rrggbb" (or the same digits without "#", as quirks mode read them),
// "rgb(r, g, b)" with numbers or percentages, a CSS colour name, or a system colour keyword
// (ButtonFace, ThreeDShadow, InfoBackground and so on), which reads as the classic default
// desktop's colour. Letter case does not matter. Nothing for anything else.
std::optional<QString> LegacyColorText(QStringView value);
