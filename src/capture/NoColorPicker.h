#pragma once

#include "ColorPicker.h"

// Where no way of taking a colour works: every pick says what the desktop lacks.
class NoColorPicker : public ColorPicker
{
    Q_OBJECT

public:
    using ColorPicker::ColorPicker;

    void pick(CaptureHost &host, int target) override;
    QString description() const override;
};
