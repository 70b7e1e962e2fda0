#pragma once

#include "CssSelector.h"
#include "scheme/SchemeColors.h"

#include <QString>

inline constexpr int MinimumScrollbarWidth = 8;
inline constexpr int MaximumScrollbarWidth = 32;
inline constexpr int DefaultScrollbarWidth = 16;

struct ModernSheetOptions
{
    QString scope; // a CSS selector; empty for the whole page
    int width = DefaultScrollbarWidth; // of vertical scrollbars, and height of horizontal ones
};

// The colours of a scheme's variants.
struct SheetColors
{
    SchemeColors light;
    std::optional<SchemeColors> dark;
};

// Nothing while a text of either variant is not a complete colour text.
std::optional<SheetColors> ResolveSheetColors(const SchemeVariants &scheme);

// Style sheet text for today's browsers, with CR LF after every line: the colours as custom
// properties on the scope, the classic bevel drawn with the scrollbar pseudo-elements of
// Chromium and Safari, with hover and pressed faces when a variant sets them, the two colours
// Firefox takes, the dark variant's colours for pages in dark mode, and the user's own colours
// in forced colours mode. An invalid scope stands for the whole page; the width is kept in its
// range.
QString BuildModernStyleSheet(const SheetColors &colors, const ModernSheetOptions &options);

enum class EngineLook { Bevelled, Firefox, ForcedColors };

// What the preview shows for one variant's colours: as the bevelled engines draw the sheet,
// as Firefox draws it (face on track, no arrows, no bevel; approximated with the bevelled
// engines' rules, since the preview's engine is one of them), or with the system colours of
// forced colours mode.
QString BuildPreviewSheet(const SchemeColors &colors, EngineLook look,
                          const ModernSheetOptions &options);
