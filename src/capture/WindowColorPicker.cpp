#include "WindowColorPicker.h"

#include "CaptureHost.h"
#include "CaptureWindow.h"

void WindowColorPicker::pick(CaptureHost &host, int)
{
    // The capture window brings the main window back when it closes, and delivers to
    // CaptureTarget.
    host.hostWidget().showMinimized();
    CaptureWindow::Show(host);
}

QString WindowColorPicker::description() const
{
    return tr("Opens the capture window: point at a color anywhere on the screen and press F6.");
}
