#pragma once

#include "ScreenCapture.h"

#include <QAbstractNativeEventFilter>

// Capture on Windows: F6 registered as a hot key of the capture window, the pointer and the
// pixel read with the desktop's own calls.
class WinScreenCapture : public ScreenCapture, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    using ScreenCapture::ScreenCapture;
    ~WinScreenCapture() override;

    bool grabHotKey(QWidget *window) override;
    void releaseHotKey() override;
    QPoint pointerPosition() const override;
    int pixelAt(QPoint point) const override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void *m_window = nullptr; // the window the hot key is registered for
};
