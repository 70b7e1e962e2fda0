#include "NoColorPicker.h"

void NoColorPicker::pick(MainWindow &main, int)
{
    tellPortalMissing(main);
}

QString NoColorPicker::description() const
{
    return tr("Taking a color from the screen needs the desktop portal, which is missing.");
}
