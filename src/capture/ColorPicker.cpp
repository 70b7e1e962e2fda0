#include "ColorPicker.h"

#include "CaptureHost.h"
#include "NoColorPicker.h"
#include "WindowColorPicker.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PlatformServices.h"

#if defined(BARWRIGHT_CAPTURE_PORTAL)
#include "PortalColorPicker.h"
#endif

#include <QGuiApplication>

using namespace Qt::StringLiterals;

void ColorPicker::tellPortalMissing(CaptureHost &host)
{
    host.platform().messageBox(
        &host.hostWidget(),
        tr("Taking a color from the screen on this desktop needs the desktop portal "
           "(xdg-desktop-portal), and no portal answered.\n\n"
           "Install the portal of your desktop, then log out and in again:\n"
           "\u2022 GNOME: xdg-desktop-portal-gnome\n"
           "\u2022 KDE Plasma: xdg-desktop-portal-kde"),
        MessageBoxStyle::Exclamation, tr("Color Capture"));
}

#if !defined(BARWRIGHT_CAPTURE_WINDOWS)
namespace {

// Qt on Wayland itself or through XWayland: either way the program reads only its own pixels
// and cannot take a key for the whole desktop.
bool isWaylandSession()
{
    return QGuiApplication::platformName().startsWith(u"wayland"_s)
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == u"wayland"_s;
}

} // namespace
#endif

std::unique_ptr<ColorPicker> CreateColorPicker()
{
#if defined(BARWRIGHT_CAPTURE_WINDOWS)
    return std::make_unique<WindowColorPicker>();
#else
#if defined(BARWRIGHT_CAPTURE_PORTAL)
    if (isWaylandSession())
        return std::make_unique<PortalColorPicker>();
    if (QGuiApplication::platformName() != u"xcb"_s && PortalColorPicker::isPortalOnBus())
        return std::make_unique<PortalColorPicker>();
#else
    // A capture window there would show black and never see F6.
    if (isWaylandSession())
        return std::make_unique<NoColorPicker>();
#endif
    return std::make_unique<WindowColorPicker>();
#endif
}
