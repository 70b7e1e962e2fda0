#pragma once

#include "scheme/SchemeTexts.h"

#include <QString>

class PlatformServices;
class QWidget;

// Whether every text the scheme's mode uses is complete (7 characters). On the first that is
// not, tells the user in an "Error" message and returns false.
bool CheckStyleInput(const SchemeTexts &scheme, PlatformServices &platform, QWidget *owner);

// The STYLE element that gives a page the scheme's scrollbar colours, with CR LF after every
// line. The texts go in as they stand.
QString BuildStyleBlock(const SchemeTexts &scheme);
