#pragma once

#include <QObject>

#include <memory>

class MainWindow;

// How a capture button takes a colour from the screen for its entry box. Desktops differ in
// what they let a program do: read any pixel and watch F6 (X11, Windows), or only ask the
// desktop to let the user pick a pixel (Wayland).
class ColorPicker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts taking a colour for entry box `target` of `main`. The colour, if the user takes
    // one, arrives later through MainWindow::putCapturedColor.
    virtual void pick(MainWindow &main, int target) = 0;

    // What a capture button does with this picker, for its accessible description.
    virtual QString description() const = 0;

protected:
    // Says that only the desktop's portal can take colours here, and how to get one.
    static void tellPortalMissing(MainWindow &main);
};

// The picker for the desktop the program runs on.
std::unique_ptr<ColorPicker> CreateColorPicker();
