#pragma once

#include "ScreenCapture.h"

#include <QAbstractNativeEventFilter>

#include <memory>
#include <vector>

struct xcb_connection_t;

// Capture on an X11 desktop: F6 is grabbed on the root window, so the server hands it to this
// program whichever window has the focus, and the pointer and the pixel are asked of the
// server directly, in screen pixels.
class X11ScreenCapture : public ScreenCapture, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // Nothing when the program does not talk to an X server.
    static std::unique_ptr<X11ScreenCapture> create();
    ~X11ScreenCapture() override;

    bool grabHotKey(QWidget *window) override;
    void releaseHotKey() override;
    // On the screen the pointer is on, which pixelAt() then reads.
    QPoint pointerPosition() const override;
    int pixelAt(QPoint point) const override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    // How the pixels of a screen's root window are laid out.
    struct PixelFormat
    {
        quint32 root = 0;
        int bytesPerPixel = 0; // 0: not a format read here
        bool mostSignificantFirst = false;
        quint32 redMask = 0, greenMask = 0, blueMask = 0;
    };

    X11ScreenCapture(xcb_connection_t *connection, quint32 root);
    quint8 hotKeyCode() const;
    PixelFormat pixelFormat(quint32 root) const;

    xcb_connection_t *m_connection;
    mutable PixelFormat m_format;
    quint32 m_root = 0; // of the window F6 is grabbed for
    quint8 m_keyCode = 0;
    std::vector<quint16> m_grabbedModifiers;
};
