#include "NoColorPicker.h"

void NoColorPicker::pick(CaptureHost &host, int)
{
    tellPortalMissing(host);
}

QString NoColorPicker::description() const
{
    return tr("Taking a color from the screen needs the desktop portal, which is missing.");
}
