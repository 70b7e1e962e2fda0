#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The colour text ("#" and six upper-case hexadecimal digits) of a colour value as old pages
// wrote it: "#rgb", "#rrggbb" (or the same digits without "#", as quirks mode read them),
// "rgb(r, g, b)" with numbers or percentages, a CSS colour name, or a system colour keyword of
// the scrollbar's own parts (ButtonFace, ThreeDShadow and so on), which reads as the default
// scheme's colour for that part. Letter case does not matter. Nothing for anything else.
std::optional<QString> LegacyColorText(QStringView value);
