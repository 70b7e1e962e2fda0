#include "ScreenCapture.h"

#include "QtScreenCapture.h"

#include <QGuiApplication>

#if defined(BARWRIGHT_CAPTURE_WINDOWS)
#include "WinScreenCapture.h"
#elif defined(BARWRIGHT_CAPTURE_X11)
#include "X11ScreenCapture.h"
#endif

using namespace Qt::StringLiterals;

std::unique_ptr<ScreenCapture> CreateScreenCapture()
{
#if defined(BARWRIGHT_CAPTURE_WINDOWS)
    // Offscreen there are no desktop windows to register F6 for or to read.
    if (QGuiApplication::platformName() == u"windows"_s)
        return std::make_unique<WinScreenCapture>();
    return std::make_unique<QtScreenCapture>();
#else
#if defined(BARWRIGHT_CAPTURE_X11)
    // A program built with X11 may still run on Wayland or offscreen.
    if (QGuiApplication::platformName() == u"xcb"_s) {
        if (std::unique_ptr<ScreenCapture> x11 = X11ScreenCapture::create())
            return x11;
    }
#endif
    return std::make_unique<QtScreenCapture>();
#endif
}
