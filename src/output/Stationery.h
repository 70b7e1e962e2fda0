#pragma once

#include <QString>

class PlatformServices;
class QWidget;
struct SchemeTexts;

// A stationery page for e-mail messages: a whole HTML document whose HEAD holds the style
// block and whose BODY has the given text and background colours. CR LF ends every line.
QString BuildStationeryPage(const QString &styleBlock, const QString &textColor,
                            const QString &backColor);

// Saves the scheme as a stationery page in a file the user names, in the preview's page
// colours. Does nothing for an incomplete scheme (after saying so) or a cancelled dialog; a
// file that cannot be written is reported in an "Error" message and any earlier file of that
// name is left as it was.
void SaveAsStationery(const SchemeTexts &scheme, PlatformServices &platform, QWidget *owner);
