#pragma once

#include <QString>

class PlatformServices;
class QWidget;

// The window whose entry boxes take the colours captured from the screen. It steps aside
// (minimized, disabled) while a capture window is open.
class CaptureHost
{
public:
    virtual QWidget &hostWidget() = 0;
    virtual PlatformServices &platform() const = 0;

    // Puts a colour taken from the screen into entry box `index`.
    virtual void putCapturedColor(int index, const QString &colorText) = 0;

protected:
    ~CaptureHost() = default;
};
