#pragma once

#include "ColorPicker.h"

// Takes a colour through the capture window: it follows the pointer, and F6 takes the colour
// under it. For desktops that let a program read the screen and watch keys.
class WindowColorPicker : public ColorPicker
{
    Q_OBJECT

public:
    using ColorPicker::ColorPicker;

    void pick(CaptureHost &host, int target) override;
    QString description() const override;
};
