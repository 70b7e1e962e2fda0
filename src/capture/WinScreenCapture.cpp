#include "WinScreenCapture.h"

#include <QCoreApplication>
#include <QWidget>

#include <windows.h>

namespace {
constexpr int HotKeyId = 1;
}

WinScreenCapture::~WinScreenCapture()
{
    releaseHotKey();
}

bool WinScreenCapture::grabHotKey(QWidget *window)
{
    releaseHotKey();
    const auto handle = reinterpret_cast<HWND>(window->winId());
    if (!RegisterHotKey(handle, HotKeyId, 0, VK_F6))
        return false;
    m_window = handle;
    QCoreApplication::instance()->installNativeEventFilter(this);
    return true;
}

void WinScreenCapture::releaseHotKey()
{
    if (!m_window)
        return;
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
    UnregisterHotKey(static_cast<HWND>(m_window), HotKeyId);
    m_window = nullptr;
}

QPoint WinScreenCapture::pointerPosition() const
{
    POINT point{};
    GetCursorPos(&point);
    return QPoint(point.x, point.y);
}

int WinScreenCapture::pixelAt(QPoint point) const
{
    HDC screen = GetDC(nullptr);
    const COLORREF color = GetPixel(screen, point.x(), point.y());
    ReleaseDC(nullptr, screen);
    // COLORREF has the colour number's layout: red in the low byte.
    return color == CLR_INVALID ? -1 : int(color);
}

bool WinScreenCapture::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "windows_generic_MSG")
        return false;
    const auto *msg = static_cast<const MSG *>(message);
    if (msg->message != WM_HOTKEY || msg->hwnd != static_cast<HWND>(m_window))
        return false;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_window)
                Q_EMIT hotKeyPressed();
        },
        Qt::QueuedConnection);
    return true;
}
