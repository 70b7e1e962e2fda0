#include "WindowColorPicker.h"

#include "CaptureWindow.h"
#include "app/MainWindow.h"

void WindowColorPicker::pick(MainWindow &main, int)
{
    // The capture window brings the main window back when it closes, and delivers to
    // CaptureTarget.
    main.showMinimized();
    CaptureWindow::Show(main);
}

QString WindowColorPicker::description() const
{
    return tr("Opens the capture window: point at a color anywhere on the screen and press F6.");
}
