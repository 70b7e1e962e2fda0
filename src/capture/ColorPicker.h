#pragma once

#include <QObject>

#include <memory>

class CaptureHost;

// How a capture button takes a colour from the screen for its entry box. Desktops differ in
// what they let a program do: read any pixel and watch F6 (X11, Windows), or only ask the
// desktop to let the user pick a pixel (Wayland).
class ColorPicker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts taking a colour for entry box `target` of `host`. The colour, if the user takes
    // one, arrives later through CaptureHost::putCapturedColor.
    virtual void pick(CaptureHost &host, int target) = 0;

    // What a capture button does with this picker, for its accessible description.
    virtual QString description() const = 0;

protected:
    // Says that only the desktop's portal can take colours here, and how to get one.
    static void tellPortalMissing(CaptureHost &host);
};

// The picker for the desktop the program runs on.
std::unique_ptr<ColorPicker> CreateColorPicker();
