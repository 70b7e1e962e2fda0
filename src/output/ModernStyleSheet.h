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

// Style sheet text for today's browsers, with CR LF after every line: the colours as custom
// properties on the scope, the classic bevel drawn with the scrollbar pseudo-elements of
// Chromium and Safari, the two colours Firefox takes, and the user's own colours in forced
// colours mode. An invalid scope stands for the whole page; the width is kept in its range.
QString BuildModernStyleSheet(const SchemeColors &colors, const ModernSheetOptions &options);
