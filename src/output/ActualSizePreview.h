#pragma once

#include "ModernStyleSheet.h"
#include "StyleBlock.h"

class PlatformServices;
class QWidget;

// The sheet the preview shows a variant with, as the chosen engine draws it: the whole page as
// its scope, the width chosen for the code. Empty while a colour is not complete.
QString PreviewStyleSheet(const SchemeTexts &variant, EngineLook look);

// The Actual Size Preview command: the notice unless it is switched off, the completeness
// check, the preview page written with the remembered page colours, and the preview window,
// shown modally over `owner`. `textColor` and `backColor` receive the page's colours.
void ShowActualSizePreview(QWidget *owner, const SchemeVariants &scheme, PlatformServices &platform,
                           QString &textColor, QString &backColor);
